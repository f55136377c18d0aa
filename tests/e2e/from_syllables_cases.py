"""phrase_from_syllables: a syllable listing compiled into a phrase file, rejected lines echoed."""

from golden import Case, file_failure_cases
from phrase_files import dictionary, numbered_syllables, record

# a = 1, ai = 2, a again = 3 (the lower slot wins), ba = 4, zhong = 5, zhuang = 6
TABLE = dictionary([(b"a", b"\xb0\xa1"), (b"ai", b"\xb0\xa2"), (b"a", b"\xb0\xa1"),
                    (b"ba", b"\xb0\xcb"), (b"zhong", b"\xd6\xd0"), (b"zhuang", b"\xd7\xb3")])
A, AI, BA, ZHONG = b"\xb0\xa1", b"\xb0\xa2", b"\xb0\xcb", b"\xd6\xd0"


def compile_listing(name, listing, phrases, echo=b"", code_page="GBK", table=TABLE, **kwargs):
    return Case("phrase_from_syllables " + name, "phrase_from_syllables", table=table,
                files={"in": listing}, outputs={"out": phrases}, stdout=echo,
                code_page=code_page, **kwargs)


def echoed(name, line, **kwargs):
    """A line that gives no record and comes back on standard output as it stood."""
    return compile_listing(name, line + b"\n", b"", echo=line + b"\n", **kwargs)


EIGHT = (A + BA) * 4
EIGHT_SYLLABLES = b" ".join([b"a", b"ba"] * 4)

CASES = [
    compile_listing("line as phrase_dump writes it", A + b"\ta\r\n", record(A, [1])),
    compile_listing("blanks and tabs anywhere", b" \t" + A + BA + b" \t a\t\tba \t\n",
                    record(A + BA, [1, 4])),
    compile_listing("eight characters", EIGHT + b"\t" + EIGHT_SYLLABLES + b"\n",
                    record(EIGHT, [1, 4] * 4)),
    echoed("nine characters", EIGHT + A + b"\t" + EIGHT_SYLLABLES + b" a"),
    echoed("fewer syllables than characters", A + BA + b"\ta"),
    echoed("more syllables than characters", A + BA + b"\ta ba a"),
    echoed("phrase alone", A + BA),
    echoed("single-byte field alone", b"x"),
    echoed("single-byte phrase with a syllable", b"x\ta"),
    compile_listing("empty and blank lines echoed unchanged", b"\n \t \n" + A + b"\ta\n",
                    record(A, [1]), echo=b"\n \t \n"),
    compile_listing("phrase of 2n+1 bytes keeps its first 2n", A + BA + b"X\ta ba\n",
                    record(A + BA, [1, 4])),
    echoed("capital first letter", A + b"\tA"),
    echoed("digit first", A + b"\t1a"),
    echoed("double-byte syllable", A + b"\t" + A),
    echoed("echoed once when several syllables fail", A + BA + b"\tX Y"),
    echoed("prefix of a syllable", ZHONG + b"\tzh"),
    echoed("longer than a syllable", ZHONG + b"\tzhongg"),
    echoed("syllable of an empty row", A + b"\tca"),
    compile_listing("lower slot wins", A + b"\ta\n", record(A, [1])),
    compile_listing("stray lead byte dropped under a double-byte code page",
                    A + b"\tai\xb0\n", record(A, [2])),
    echoed("stray lead byte kept without lead bytes", A + b"\tai\xb0", code_page=None),
    compile_listing("last line without a line feed", A + b"\tb\n" + A + b"\ta",
                    record(A, [1]), echo=A + b"\tb\n"),
    compile_listing("last line echoed with a line end", A + b"\tb", b"", echo=A + b"\tb\n"),
    compile_listing("bytes after a NUL are ignored", A + b"\ta\0 ba\n" + b"zz\0tail\n",
                    record(A, [1]), echo=b"zz\n"),
    compile_listing("long line read in pieces of 999 bytes",
                    b"x" * 1200 + b"\n" + b"y" * 999 + b"\n" + A + b"\ta\n", record(A, [1]),
                    echo=b"x" * 999 + b"\n" + b"x" * 201 + b"\n" + b"y" * 999 + b"\n\n"),
    echoed("more than 12 fields", A + b"\t" + b"a " * 12),
    echoed("field of more than 17 bytes", b"\xb0\xa1" * 9 + b"\t" + b"a " * 9),
    compile_listing("index 511 is stored", A + b"\tm18\n", record(A, [511]),
                    table=dictionary(numbered_syllables(512))),
    echoed("index above 511 cannot be stored", A + b"\tm19",
           table=dictionary(numbered_syllables(512))),
    compile_listing("no record gives an empty file", b"nothing\n", b"", echo=b"nothing\n"),
    compile_listing("empty input", b"", b""),
    compile_listing("control-Z ends the input", A + b"\ta\n\x1a" + A + b"\tba\n", record(A, [1])),
    Case("phrase_from_syllables echo on a full disk", "phrase_from_syllables", table=TABLE,
         files={"in": b"bad\n"}, stdout_file="/dev/full",
         stderr=b"standard output: write error\n", status=1, outputs={"out": b""},
         windows="skip"),
]
CASES += file_failure_cases("phrase_from_syllables", TABLE, A + b"\ta\n", b"%s cant open.\n")
