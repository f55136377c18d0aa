"""Round trips through the three programs on a generated table and phrase lists.

A listing compiled by phrase_from_syllables, dumped by phrase_dump and compiled again gives the
same phrase file byte for byte; so does a phrase list compiled by phrase_from_chars, dumped, and
compiled by phrase_from_syllables.
"""

import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from golden import Platform  # noqa: E402
from phrase_files import dictionary, numbered_syllables  # noqa: E402

ENTRIES = numbered_syllables(511)  # every index a record can hold
LISTED_ENTRIES = ENTRIES[:420]  # every index that has a character list


def run(options, scratch, program, source, target):
    env = dict(os.environ, HANLEX_DIR=os.path.join(scratch, "table"),
               LANG=options.platform.locale("GBK"))
    env.pop("LC_ALL", None)
    env.pop("LC_CTYPE", None)
    command = options.emulator + [options.platform.program(program), source, target]
    result = subprocess.run(command, cwd=scratch, env=env, capture_output=True, timeout=60)
    if result.returncode != 0 or result.stderr:
        raise SystemExit("%s failed (%d): %r" % (program, result.returncode, result.stderr))
    return result.stdout


def read(scratch, name):
    with open(os.path.join(scratch, name), "rb") as f:
        return f.read()


def write(scratch, name, data):
    with open(os.path.join(scratch, name), "wb") as f:
        f.write(data)


def phrases(rng, count, entries):
    """count phrases of 1 to 8 of the entries."""
    return [[rng.choice(entries) for _ in range(rng.randint(1, 8))] for _ in range(count)]


def write_table(options, scratch, entries):
    with open(options.platform.table_path(scratch), "wb") as f:
        f.write(dictionary(entries))


def syllables_round_trip(options, scratch, rng):
    write_table(options, scratch, ENTRIES)
    lines = []
    for phrase in phrases(rng, 2000, ENTRIES):
        text = b"".join(characters for _, characters in phrase)
        lines.append(text + b"\t" + b" ".join(syllable for syllable, _ in phrase) + b"\n")
    lines.insert(7, b"rejected line\n")
    write(scratch, "listing.txt", b"".join(lines))
    echo = run(options, scratch, "phrase_from_syllables", "listing.txt", "first.bin")
    assert echo.replace(b"\r\n", b"\n") == b"rejected line\n", echo[:200]
    run(options, scratch, "phrase_dump", "first.bin", "dumped.txt")
    expected = b"".join(line.replace(b"\n", b"\r\n") for line in lines if line[0] != ord("r"))
    assert read(scratch, "dumped.txt") == expected, "the listing differs"
    run(options, scratch, "phrase_from_syllables", "dumped.txt", "second.bin")
    assert read(scratch, "first.bin") == read(scratch, "second.bin"), "phrase files differ"
    assert len(read(scratch, "first.bin")) > 0


def characters_round_trip(options, scratch, rng):
    write_table(options, scratch, LISTED_ENTRIES)
    lines = [b"".join(characters for _, characters in phrase) + b"\n"
             for phrase in phrases(rng, 2000, LISTED_ENTRIES)]
    write(scratch, "phrases.txt", b"".join(lines))
    echo = run(options, scratch, "phrase_from_chars", "phrases.txt", "first.bin")
    assert echo == b"", echo[:200]
    run(options, scratch, "phrase_dump", "first.bin", "dumped.txt")
    run(options, scratch, "phrase_from_syllables", "dumped.txt", "second.bin")
    first = read(scratch, "first.bin")
    assert len(first) > 0 and first == read(scratch, "second.bin"), "phrase files differ"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--bin", required=True)
    parser.add_argument("--emulator", default="")
    parser.add_argument("--windows", metavar="SYSTEM_DIR")
    options = parser.parse_args()
    options.emulator = options.emulator.split() if options.emulator else []
    options.platform = Platform(os.path.abspath(options.bin), options.emulator, options.windows)
    scratch = tempfile.mkdtemp(prefix="phrasetools_round_trip_")
    try:
        os.mkdir(os.path.join(scratch, "table"))
        rng = random.Random(20261211)
        for trip in (syllables_round_trip, characters_round_trip):
            trip(options, scratch, rng)
            print("passed: " + trip.__name__)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
