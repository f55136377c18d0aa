#include "table/syllable_table.h"

#include <cstring>

#include "phrase/phrase_record.h"
#include "platform/multibyte.h"

SyllableEntry SyllableTable[ROW_COUNT][ROW_SLOTS];
char CharacterLists[LIST_COUNT][LIST_BYTES];

namespace {

uint32_t next_index = 0;
uint32_t row_slot = 0;
uint32_t current_row = 0;

const char* SyllableTexts[MAX_STORED_INDEX + 1];
uint8_t SyllableLengths[MAX_STORED_INDEX + 1];

// Texts of the table to their indices. Two texts are equal under the code page exactly when their
// bytes are, so a text is keyed by its at most 7 bytes, padded with NUL bytes.
struct TextSlot {
    uint64_t key;
    uint16_t index;  // 0: free
};
const uint32_t TEXT_HASH_SLOTS = 2048;  // more than twice the 26 x 41 entries
TextSlot TextHash[TEXT_HASH_SLOTS];

bool pack_text(const char* text, uint64_t* key) {
    uint64_t packed = 0;
    for (uint32_t i = 0; text[i] != '\0'; ++i) {
        if (i == SYLLABLE_BYTES - 1) {
            return false;
        }
        packed |= static_cast<uint64_t>(static_cast<uint8_t>(text[i])) << (8 * i);
    }
    *key = packed;
    return true;
}

uint32_t hash_slot(uint64_t key) {
    return static_cast<uint32_t>((key * 0x9E3779B97F4A7C15ull) >> 53) % TEXT_HASH_SLOTS;
}

void add_to_text_hash(const SyllableEntry& entry) {
    uint64_t key = 0;
    pack_text(entry.text, &key);
    uint32_t at = hash_slot(key);
    while (TextHash[at].index != 0 && TextHash[at].key != key) {
        at = (at + 1) % TEXT_HASH_SLOTS;
    }
    if (TextHash[at].index == 0) {
        TextHash[at] = {key, entry.index};
    }
}

bool is_space(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// Finds the next whitespace-separated token from *at on; false when there is none.
bool next_token(const char** at, const char** token, size_t* length) {
    const char* p = *at;
    while (is_space(*p)) {
        ++p;
    }
    if (*p == '\0') {
        return false;
    }
    *token = p;
    while (*p != '\0' && !is_space(*p)) {
        ++p;
    }
    *length = static_cast<size_t>(p - *token);
    *at = p;
    return true;
}

uint32_t store_list(uint32_t index, const char* run, size_t length) {
    if (index > LIST_COUNT) {
        return ENTRY_NO_LIST_SLOT;
    }
    uint32_t problems = ENTRY_STORED;
    if (length > LIST_BYTES - 1) {
        length = LIST_BYTES - 1;
        problems = ENTRY_LIST_CUT;
    }
    memcpy(CharacterLists[index - 1], run, length);
    CharacterLists[index - 1][length] = '\0';
    return problems;
}

// A later run of a letter that was interrupted by another letter starts again at slot 0 and
// overwrites the earlier run's entries from there on.
uint32_t store_syllable(uint32_t index, const char* syllable, size_t length) {
    uint32_t row = static_cast<uint8_t>(syllable[0]) - static_cast<uint32_t>('a');
    if (row >= ROW_COUNT) {
        return ENTRY_NOT_A_LETTER;
    }
    if (length > SYLLABLE_BYTES - 1) {
        return ENTRY_TOO_LONG;
    }
    if (index > UINT16_MAX) {
        return ENTRY_INDEX_TOO_LARGE;
    }
    if (row != current_row) {
        row_slot = 0;
    }
    current_row = row;
    if (row_slot >= ROW_SLOTS) {
        return ENTRY_ROW_FULL;
    }
    SyllableEntry& entry = SyllableTable[row][row_slot++];
    memcpy(entry.text, syllable, length);
    entry.text[length] = '\0';
    entry.index = static_cast<uint16_t>(index);
    return ENTRY_STORED;
}

}  // namespace

uint32_t add_dictionary_entry(const char* line, bool keep_lists) {
    uint32_t index = ++next_index;
    const char* at = line;
    const char* syllable = nullptr;
    size_t syllable_length = 0;
    if (!next_token(&at, &syllable, &syllable_length)) {
        return ENTRY_NO_TOKEN;
    }
    uint32_t problems = ENTRY_STORED;
    if (keep_lists) {
        const char* run = "";
        size_t run_length = 0;
        next_token(&at, &run, &run_length);
        problems |= store_list(index, run, run_length);
    }
    return problems | store_syllable(index, syllable, syllable_length);
}

size_t entry_syllable(const char* line, const char** syllable) {
    size_t length = 0;
    return next_token(&line, syllable, &length) ? length : 0;
}

uint32_t last_entry_index() {
    return next_index;
}

void clear_syllable_table() {
    memset(SyllableTable, 0, sizeof SyllableTable);
    memset(CharacterLists, 0, sizeof CharacterLists);
    memset(SyllableTexts, 0, sizeof SyllableTexts);
    memset(TextHash, 0, sizeof TextHash);
    next_index = 0;
    row_slot = 0;
    current_row = 0;
}

uint16_t find_syllable_index(const char* text) {
    uint32_t row = static_cast<uint8_t>(text[0]) - static_cast<uint32_t>('a');
    if (row >= ROW_COUNT) {
        return 0;
    }
    for (const SyllableEntry& entry : SyllableTable[row]) {
        if (entry.index == 0) {
            return 0;
        }
        if (mbs_compare(entry.text, text) == 0) {
            return entry.index;
        }
    }
    return 0;
}

uint16_t lookup_syllable(const char* text) {
    uint64_t key = 0;
    if (!pack_text(text, &key)) {
        return 0;
    }
    for (uint32_t at = hash_slot(key);; at = (at + 1) % TEXT_HASH_SLOTS) {
        const TextSlot& slot = TextHash[at];
        if (slot.index == 0 || slot.key == key) {
            return slot.index;
        }
    }
}

// Rows are read up to their first empty slot, as every reader of the table does. An index whose
// slot a restarted run overwrote stands in no slot and stays unknown; every other index stands in
// exactly one. Of two equal texts in a row the lower slot is found first, so it is kept.
void index_syllable_texts() {
    memset(SyllableTexts, 0, sizeof SyllableTexts);
    memset(TextHash, 0, sizeof TextHash);
    for (const auto& row : SyllableTable) {
        for (const SyllableEntry& entry : row) {
            if (entry.index == 0) {
                break;
            }
            if (entry.index <= MAX_STORED_INDEX) {
                SyllableTexts[entry.index] = entry.text;
                SyllableLengths[entry.index] = static_cast<uint8_t>(strlen(entry.text));
            }
            add_to_text_hash(entry);
        }
    }
}

const char* syllable_text_of(uint16_t index, size_t* length) {
    if (index > MAX_STORED_INDEX) {
        return nullptr;
    }
    *length = SyllableLengths[index];
    return SyllableTexts[index];
}
