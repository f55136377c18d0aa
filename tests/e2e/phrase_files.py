"""Builders for the files of the golden cases: tables and phrase records."""


def record(text, indices, trailer=b"\0\0"):
    """The bytes of one phrase record: count, high bits, low bytes, text, trailer."""
    high = 0
    for i, index in enumerate(indices):
        high |= ((index >> 8) & 1) << i
    return bytes([len(indices), high]) + bytes(i & 0xFF for i in indices) + text + trailer


def dictionary(entries, line_end=b"\n"):
    """A table of one dictionary section holding the given (syllable, characters) entries."""
    lines = [b"[DICTIONARY]"] + [s + b" " + c for s, c in entries]
    return line_end.join(lines) + line_end


def numbered_syllables(count):
    """count syllables a0, a1, ... filling rows of 41 in letter order, each with one character."""
    entries = []
    for i in range(count):
        syllable = bytes([ord("a") + i // 41]) + str(i % 41).encode()
        entries.append((syllable, bytes([0xB0 + i // 94, 0xA1 + i % 94])))
    return entries
