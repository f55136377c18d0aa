"""Writes the seed corpora from the golden cases' tables and inputs (run once; kept small).

The first byte of every seed chooses the code page (1: GBK) and, for the table target, bit 2
asks for the character lists.
"""

import hashlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))

import golden  # noqa: E402

TARGETS = {"phrase_dump": "dump", "phrase_from_syllables": "from_syllables",
           "phrase_from_chars": "from_chars"}
MAX_SEED_BYTES = 4096


def save(target, data):
    if len(data) > MAX_SEED_BYTES:
        return
    directory = os.path.join(HERE, "corpus", target)
    os.makedirs(directory, exist_ok=True)
    with open(os.path.join(directory, hashlib.sha1(data).hexdigest()[:16]), "wb") as f:
        f.write(data)


def main():
    for name in ("start_up", "dump", "from_syllables", "from_chars"):
        for case in golden.load_cases(os.path.join(HERE, "..", "e2e", name + "_cases.py")):
            if case.table is not None:
                save("table_file", b"\x05" + case.table)
            data = case.files.get("in")
            if data is not None and case.program in TARGETS:
                save(TARGETS[case.program], b"\x01" + data)


if __name__ == "__main__":
    main()
