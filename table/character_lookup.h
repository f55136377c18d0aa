// Which syllable a double-byte character has: the one list, of all 420 character lists, that
// holds it where a character of the list begins at an even distance from the list's start.
#pragma once

#include <cstdint>

// Searches every list for the character; returns the index (1 to 420) of the one list that counts
// for it, or 0 when none or several do. Only the first position where the code page's substring
// search finds the character in a list is tested for evenness.
uint16_t lookup_character_direct(uint8_t first, uint8_t second);

// Works out the answer of lookup_character_direct for every two-byte key at once, in one walk
// over the lists. Call after loading (the lists never change afterwards) and after a change of
// the code page.
void index_character_lists();

// The answer of lookup_character_direct for the key, as index_character_lists found it.
uint16_t lookup_character(uint8_t first, uint8_t second);
