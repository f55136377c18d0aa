#include "table/character_lookup.h"

#include <cstring>

#include "platform/multibyte.h"
#include "table/syllable_table.h"

namespace {

const uint32_t KEY_COUNT = 1 << 16;

uint16_t CharacterSyllables[KEY_COUNT];

uint16_t key_of(uint8_t first, uint8_t second) {
    return static_cast<uint16_t>((first << 8) | second);
}

// Per key while the lists are walked: the list (k + 1) that last held it, how many lists count
// for it, and the last of them.
struct KeyTally {
    uint16_t seen_in[KEY_COUNT];
    uint16_t counting_lists[KEY_COUNT];
    uint16_t last_counting[KEY_COUNT];
};

// The search finds a key in a list at the first position that it tries where the key's bytes
// stand: only that position is tested for evenness.
void tally(KeyTally* keys, uint16_t key, size_t position, uint16_t list) {
    if (keys->seen_in[key] == list) {
        return;
    }
    keys->seen_in[key] = list;
    if (position % 2 == 0) {
        ++keys->counting_lists[key];
        keys->last_counting[key] = list;
    }
}

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

// The search tries the positions where a character begins (every position without lead bytes),
// and a key only where it lies wholly inside the list. A key ending in NUL is a one-byte key; a
// key beginning with NUL is empty and is found at the start of every list.
void index_character_lists() {
    static KeyTally keys;
    memset(&keys, 0, sizeof keys);
    for (uint32_t k = 0; k < LIST_COUNT; ++k) {
        const char* list = CharacterLists[k];
        uint16_t list_number = static_cast<uint16_t>(k + 1);
        size_t length = strlen(list);
        for (size_t at = 0; at < length; at += character_length(list + at)) {
            uint8_t first = static_cast<uint8_t>(list[at]);
            tally(&keys, key_of(first, 0), at, list_number);
            if (at + 2 <= length) {
                tally(&keys, key_of(first, static_cast<uint8_t>(list[at + 1])), at, list_number);
            }
        }
    }
    for (uint32_t key = 0; key < KEY_COUNT; ++key) {
        bool empty_key = key < 0x100;
        CharacterSyllables[key] =
            !empty_key && keys.counting_lists[key] == 1 ? keys.last_counting[key] : 0;
    }
}

uint16_t lookup_character(uint8_t first, uint8_t second) {
    return CharacterSyllables[key_of(first, second)];
}
