"""The start-up shared by the three programs: the command line and the table file."""

from golden import DIRECTORY, Case

PROGRAMS = ("phrase_dump", "phrase_from_chars", "phrase_from_syllables")
USAGE = b"usage: {program} <input_name> <output_name>\n"
TABLE = b"[DICTIONARY]\na \xb0\xa1\n"

CASES = []
for program in PROGRAMS:
    for args in ([], ["in"], ["in", "out", "extra"]):
        # No table: the usage message comes before the table is looked for.
        CASES.append(Case("%s usage with %d arguments" % (program, len(args)), program,
                          args=args, files={"in": b"x"}, stderr=USAGE, status=1,
                          outputs={"out": None}))
    CASES.append(Case(program + " missing table", program, table=None,
                      files={"in": b"\xb0\xa1\n", "out": b"kept"},
                      stderr=b"init: {table} can not found\n", status=1,
                      outputs={"out": b"kept"}, windows={"stderr": b""}))
    CASES.append(Case(program + " table directory with its slash", program, table=None,
                      env={"HANLEX_DIR": "{dir}/"}, files={"out": b"kept"},
                      stderr=b"init: {dir}/hanlex.tab can not found\n", status=1,
                      outputs={"out": b"kept"}, windows="skip"))
    CASES.append(Case(program + " table directory too long", program, table=None,
                      env={"HANLEX_DIR": "/" + "d" * 188}, files={"out": b"kept"},
                      stderr=b"init: hanlex.tab can not found (table directory path too long)\n",
                      status=1, outputs={"out": b"kept"}, windows="skip"))
    # Windows does not open a directory as a file: there it is a table that is not found.
    CASES.append(Case(program + " table that is a directory", program, table=DIRECTORY,
                      files={"out": b"kept"},
                      stderr=b"init: {table} can not read (Is a directory)\n",
                      status=1, outputs={"out": b"kept"}, windows={"stderr": b""}))

# A table with a line of 100,000 bytes, a NUL inside a line, and no newline at its end.
A, BA = b"\xb0\xa1", b"\xb0\xcb"
ROUGH_TABLE = (b"[DICTIONARY]\n" + b"a " + A * 50000 + b"\n" + b"b\0" + b"y" * 100000 + b"\n"
               + b"c " + BA)
ROUGH_RUNS = {
    "phrase_dump": (b"\x03\x00\x01\x02\x03" + A + A + BA + b"\0\0", A + A + BA + b"\ta b c\r\n",
                    b""),
    "phrase_from_syllables": (BA + b"\tc\n", b"\x01\x00\x03" + BA + b"\0\0", b""),
    "phrase_from_chars": (A + b"\n", b"\x01\x00\x01" + A + b"\0\0",
                          b'{table}:2: characters of "a" cut to 944 bytes (index 1)\n'),
}
for program, (source, result, warnings) in ROUGH_RUNS.items():
    CASES.append(Case(program + " rough table loads", program, table=ROUGH_TABLE,
                      files={"in": source}, outputs={"out": result}, stderr=warnings))
