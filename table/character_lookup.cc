#include "table/character_lookup.h"

#include <cstring>

#include "platform/multibyte.h"
#include "table/syllable_table.h"

namespace {

// Per two-byte key: 0 when not yet looked up, otherwise the answer plus 1. Zero-filled static
// storage, so a run touches only the pages of the characters it meets.
uint16_t CharacterMemo[1 << 16];

}  // namespace

uint16_t lookup_character_direct(uint8_t first, uint8_t second) {
    const char key[3] = {static_cast<char>(first), static_cast<char>(second), '\0'};
    uint16_t index = 0;
    uint32_t matches = 0;
    for (uint32_t k = 0; k < LIST_COUNT; ++k) {
        const char* found = mbs_find(CharacterLists[k], key);
        if (found != nullptr && (found - CharacterLists[k]) % 2 == 0) {
            index = static_cast<uint16_t>(k + 1);
            ++matches;
        }
    }
    return matches == 1 ? index : 0;
}

uint16_t lookup_character(uint8_t first, uint8_t second) {
    uint16_t& answer = CharacterMemo[(first << 8) | second];
    if (answer == 0) {
        answer = static_cast<uint16_t>(lookup_character_direct(first, second) + 1);
    }
    return static_cast<uint16_t>(answer - 1);
}

void clear_character_memo() {
    memset(CharacterMemo, 0, sizeof CharacterMemo);
}
