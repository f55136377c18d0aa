// Which syllable a double-byte character has: the one list, of all 420 character lists, that
// holds it where a character of the list begins at an even distance from the list's start.
#pragma once

#include <cstdint>

// Searches every list for the character; returns the index (1 to 420) of the one list that counts
// for it, or 0 when none or several do. Only the first position where the code page's substring
// search finds the character in a list is tested for evenness.
uint16_t lookup_character_direct(uint8_t first, uint8_t second);

// The same answers as lookup_character_direct, each character searched once per run: the lists
// never change after loading.
uint16_t lookup_character(uint8_t first, uint8_t second);

// Forgets the remembered answers, for when the lists have changed.
void clear_character_memo();
