"""phrase_dump: a phrase file listed as text, byte for byte."""

from golden import Case, file_failure_cases
from phrase_files import dictionary, numbered_syllables, record

# a = 1, ai = 2, ba = 3, zhong = 4
TABLE = dictionary([(b"a", b"\xb0\xa1"), (b"ai", b"\xb0\xa2"), (b"ba", b"\xb0\xcb"),
                    (b"zhong", b"\xd6\xd0")], line_end=b"\r\n")
A, AI, BA = b"\xb0\xa1", b"\xb0\xa2", b"\xb0\xcb"


def dump(name, phrases, listing, stderr=b"", status=0, table=TABLE, args=("in", "out")):
    return Case("phrase_dump " + name, "phrase_dump", args=args, table=table,
                files={"in": phrases}, outputs={"out": listing}, stderr=stderr, status=status)


def missing(index, offset=0):
    return b"in: record at byte %d: syllable index %d is not in the table\n" % (offset, index)


CASES = [
    dump("empty file", b"", b""),
    dump("one character", record(A, [1]), A + b"\ta\r\n"),
    dump("two characters", record(A + BA, [1, 3]), A + BA + b"\ta ba\r\n"),
    dump("records follow each other",
         record(A + BA, [1, 3]) + record(b"\xd6\xd0" + AI, [4, 2], trailer=b"\x12\x34"),
         A + BA + b"\ta ba\r\n" + b"\xd6\xd0" + AI + b"\tzhong ai\r\n"),
    dump("unknown first index", record(A + BA, [9, 3]), A + BA + b"\tba\r\n",
         stderr=missing(9), status=1),
    dump("unknown middle index", record(A + AI + BA, [1, 0, 3]), A + AI + BA + b"\ta ba\r\n",
         stderr=missing(0), status=1),
    dump("unknown last index ends its line all the same",
         record(A + BA, [1, 3]) + record(A + BA + AI, [1, 3, 9]) + record(A, [1]),
         A + BA + b"\ta ba\r\n" + A + BA + AI + b"\ta ba \r\n" + A + b"\ta\r\n",
         stderr=missing(9, 10), status=1),
    dump("no index known", record(A + BA, [7, 8]) + record(A, [1]),
         A + BA + b"\t\r\n" + A + b"\ta\r\n", stderr=missing(7) + missing(8), status=1),
    dump("phrase with a NUL inside", record(b"\xb0\x00" + AI, [1, 2]), b"\xb0\ta ai\r\n"),
    dump("full row searched to its 41st slot", record(b"\xb0\xa1\xb0\xa2", [41, 42]),
         b"\xb0\xa1\xb0\xa2\ta40 b0\r\n", table=dictionary(numbered_syllables(42))),
    dump("index with bit 8", record(b"\xb0\xa1\xb1\xa2", [300, 511]),
         b"\xb0\xa1\xb1\xa2\th12 m18\r\n", table=dictionary(numbered_syllables(511))),
    dump("count 0 ends the records silently",
         record(A, [1]) + b"\0" + record(A, [1]), A + b"\ta\r\n"),
    dump("record cut short", record(A, [1]) + record(A + BA, [1, 3], trailer=b"\0"),
         A + b"\ta\r\n", stderr=b"in: record at byte 7 is cut short by the end of the file\n",
         status=1),
    dump("count above 8", record(A, [1]) + b"\x09" + b"x" * 40, A + b"\ta\r\n",
         stderr=b"in: record at byte 7 has a count above 8: reading stops there\n", status=1),
    Case("phrase_dump missing input", "phrase_dump", table=TABLE,
         stderr=b"in can not found", status=1, outputs={"out": None}),
]
CASES += file_failure_cases("phrase_dump", TABLE, record(A, [1]), b"%s can not found")
