"""phrase_from_chars: bare phrases compiled by their characters' syllables."""

from golden import Case, file_failure_cases
from phrase_files import dictionary, record

A, AH, AI, BA, GE, GU, NONE = (b"\xb0\xa1", b"\xb0\xa2", b"\xb0\xa3", b"\xb0\xcb", b"\xb0\xa5",
                               b"\xb0\xa6", b"\xc4\xe3")
TABLE = dictionary([
    (b"a", A + AH),                        # 1
    (b"ai", AI + b"\xb0\xa4"),             # 2
    (b"ba", BA),                           # 3
    (b"bo", AH),                           # 4: AH stands in two lists
    # 5: GE first found at byte 1 without lead bytes (straddling two characters), but only at
    # byte 4 under a double-byte code page
    (b"ge", b"\xc1\xb0\xa5\xc2" + GE),
    (b"gu", b"q" + GU + b"r" + GU),        # 6: GU first at byte 1 under every code page
])
EIGHT = (A + BA) * 4


def compile_phrases(name, phrases, records, echo=b"", code_page="GBK"):
    return Case("phrase_from_chars " + name, "phrase_from_chars", table=TABLE,
                files={"in": phrases}, outputs={"out": records}, stdout=echo,
                code_page=code_page)


CASES = [
    compile_phrases("eight characters", EIGHT + b"\n", record(EIGHT, [1, 3] * 4)),
    compile_phrases("eight characters, last line without a line feed", EIGHT,
                    record(EIGHT, [1, 3] * 4)),
    compile_phrases("nine characters dropped", EIGHT + A + b"\n", b""),
    compile_phrases("eight characters and a byte dropped", EIGHT + b"x\n", b""),
    compile_phrases("empty line after a compiled one", A + b"\n\n", record(A, [1]), echo=b"\n"),
    compile_phrases("character in no list", A + NONE + b"\n", b"", echo=A + NONE + b"\n"),
    compile_phrases("character in two lists", A + AH + b"\n", b"", echo=A + AH + b"\n"),
    compile_phrases("odd number of bytes before the line feed", A + b"x\n", b"",
                    echo=A + b"x\n"),
    compile_phrases("last line without a line feed, odd length", A + BA + b"x",
                    record(A + BA, [1, 3])),
    compile_phrases("last line echoed with a line end", NONE, b"", echo=NONE + b"\n"),
    compile_phrases("blank shifts the pairs", b" " + A + b"\n", b"", echo=b" " + A + b"\n"),
    compile_phrases("single-byte character shifts the pairs", b"x" + A + BA + b"\n", b"",
                    echo=b"x" + A + BA + b"\n"),
    compile_phrases("first match at an odd distance, double-byte code page", GE + b"\n",
                    record(GE, [5])),
    compile_phrases("first match at an odd distance, no lead bytes", GE + b"\n", b"",
                    echo=GE + b"\n", code_page=None),
    compile_phrases("odd first match hides a later even one", GU + b"\n", b"", echo=GU + b"\n"),
    compile_phrases("CR LF line ends", A + b"\r\n" + BA + b"\r\n",
                    record(A, [1]) + record(BA, [3])),
    compile_phrases("bytes after a NUL are ignored", A + b"\0" + NONE + b"\n", record(A, [1])),
    compile_phrases("long line read in pieces",
                    b"x" * 1200 + b"\n" + b"y" * 999 + A + BA + b"\n",
                    record(A + BA, [1, 3])),
    compile_phrases("no record gives an empty file", NONE + b"\n", b"", echo=NONE + b"\n"),
    compile_phrases("empty input", b"", b""),
]
CASES += file_failure_cases("phrase_from_chars", TABLE, A + b"\n", b"%s cant open.\n")
