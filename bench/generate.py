"""Generates benchmark data: a full-size syllable table and inputs for the three programs.

The table has 420 entries in rows of up to 41, character lists up to the 944-byte limit, and
characters that stand in one list or in two. The inputs are a phrase list (phrase_from_chars), a
syllable listing (phrase_from_syllables) and a phrase file (phrase_dump), each of the given number
of lines or records; larger inputs repeat a generated block.
"""

import argparse
import os
import random

ROW_SIZES = [41, 41, 41, 41, 41, 38, 34, 30, 26, 22, 18, 14, 10, 8, 6, 4, 3, 2]  # 420 in all
LONG_LISTS = 5  # lists filled to the 944-byte limit
BLOCK_LINES = 100_000


def make_table(rng):
    """Returns (table bytes, entries): each entry (syllable, characters as a list of pairs)."""
    assert sum(ROW_SIZES) == 420
    letters = rng.sample("abcdefghijklmnopqrstuvwxyz", len(ROW_SIZES))
    syllables = []
    for letter, size in zip(letters, ROW_SIZES):
        texts = set()
        while len(texts) < size:
            texts.add(letter + "".join(rng.choice("aeiounghz") for _ in range(rng.randint(0, 6))))
        syllables += sorted(texts)
    characters = [bytes([lead, trail]) for lead in range(0xB0, 0xF8) for trail in range(0xA1, 0xFF)]
    rng.shuffle(characters)
    lists = [[] for _ in syllables]
    for k in range(LONG_LISTS):
        lists[k * 80] = characters[:472]
        characters = characters[472:]
    for i, character in enumerate(characters):
        lists[rng.randrange(len(lists))].append(character)
        if i % 10 == 0:  # one character in ten stands in two lists
            lists[rng.randrange(len(lists))].append(character)
    for chars in lists:
        del chars[472:]
    entries = list(zip(syllables, lists))
    lines = [b"# benchmark table", b"[PUNCTUATION]", b", \xa3\xac", b"", b"[DICTIONARY]"]
    lines += [s.encode() + b" " + b"".join(c) for s, c in entries]
    return b"\r\n".join(lines) + b"\r\n\r\n", entries


def make_inputs(rng, entries, lines):
    """Returns the phrase list, syllable listing and phrase file of a block of lines."""
    owners = {}
    for index, (_, chars) in enumerate(entries, start=1):
        for c in chars:
            owners.setdefault(c, []).append(index)
    resolved = [(c, owner[0]) for c, owner in owners.items() if len(owner) == 1]
    ambiguous = [c for c, owner in owners.items() if len(owner) > 1]
    phrase_list, listing, records = [], [], []
    for _ in range(lines):
        count = rng.choice((1, 2, 2, 2, 3, 3, 4, 4, 5, 6, 7, 8))
        chars = rng.sample(resolved, count)
        text = b"".join(c for c, _ in chars)
        indices = [index for _, index in chars]
        roll = rng.random()
        if roll < 0.03:
            phrase_list.append(text + rng.choice(ambiguous) + b"\n")
        elif roll < 0.05:
            phrase_list.append(text * 3 + b"\n")
        else:
            phrase_list.append(text + b"\n")
        syllables = b" ".join(entries[i - 1][0].encode() for i in indices)
        listing.append(text + b"\t" + (syllables if roll > 0.02 else b"x") + b"\r\n")
        high = sum(((i >> 8) & 1) << n for n, i in enumerate(indices))
        records.append(bytes([count, high]) + bytes(i & 0xFF for i in indices) + text + b"\0\0")
    return b"".join(phrase_list), b"".join(listing), b"".join(records)


def write_repeated(path, block, block_lines, lines):
    with open(path, "wb") as f:
        for _ in range(lines // block_lines):
            f.write(block)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("directory")
    parser.add_argument("--lines", type=int, nargs="+", default=[1_000_000, 10_000_000])
    options = parser.parse_args()
    rng = random.Random(420)
    os.makedirs(os.path.join(options.directory, "table"), exist_ok=True)
    table, entries = make_table(rng)
    with open(os.path.join(options.directory, "table", "hanlex.tab"), "wb") as f:
        f.write(table)
    block_lines = min(BLOCK_LINES, min(options.lines))
    blocks = make_inputs(rng, entries, block_lines)
    for lines in options.lines:
        for name, block in zip(("phrases", "listing", "records"), blocks):
            path = os.path.join(options.directory, "%s-%d.%s" % (name, lines,
                                "bin" if name == "records" else "txt"))
            write_repeated(path, block, block_lines, lines)


if __name__ == "__main__":
    main()
