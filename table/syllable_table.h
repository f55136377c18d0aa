// The syllable table: every syllable of the table file's dictionary sections with its index,
// filed by first letter, and, for phrase_from_chars, each syllable's list of characters.
//
// Filled once at start-up by add_dictionary_entry, one call per entry line in file order, and
// only read afterwards. All of it is static storage of fixed size.
#pragma once

#include <cstddef>
#include <cstdint>

const uint32_t ROW_COUNT = 26;      // one row per letter a to z
const uint32_t ROW_SLOTS = 41;      // syllables per row
const uint32_t SYLLABLE_BYTES = 8;  // a syllable of at most 7 bytes and its NUL
const uint32_t LIST_COUNT = 420;    // character lists, one per index 1 to 420
const uint32_t LIST_BYTES = 945;    // a character run of at most 944 bytes and its NUL

struct SyllableEntry {
    uint16_t index;  // 0 marks an empty slot, which ends its row's entries
    char text[SYLLABLE_BYTES];
};

extern SyllableEntry SyllableTable[ROW_COUNT][ROW_SLOTS];
extern char CharacterLists[LIST_COUNT][LIST_BYTES];

// What add_dictionary_entry could not store; ENTRY_STORED when everything fit.
enum EntryProblem : uint32_t {
    ENTRY_STORED = 0,
    ENTRY_NO_TOKEN = 1 << 0,         // a line of whitespace: nothing to store
    ENTRY_NOT_A_LETTER = 1 << 1,     // the syllable does not begin with a to z
    ENTRY_TOO_LONG = 1 << 2,         // the syllable has more than 7 bytes
    ENTRY_ROW_FULL = 1 << 3,         // its row already holds 41 entries
    ENTRY_INDEX_TOO_LARGE = 1 << 4,  // its index does not fit 16 bits
    ENTRY_LIST_CUT = 1 << 5,         // its character run was cut to 944 bytes
    ENTRY_NO_LIST_SLOT = 1 << 6,     // its index is above 420: its characters are not kept
};

// Stores the entry line (at most 999 bytes) as the next syllable index. Every call takes an index,
// also when nothing can be stored, so that later entries keep the index their position gives them.
// Returns the EntryProblem bits of what was not stored.
uint32_t add_dictionary_entry(const char* line, bool keep_lists);

// The syllable of an entry line: its first token, a run of bytes other than whitespace (the blank
// and 0x09 to 0x0D). Returns its length; 0 when the line has no token.
size_t entry_syllable(const char* line, const char** syllable);

// Index that the last add_dictionary_entry gave, 0 before the first.
uint32_t last_entry_index();

// Empties the table and its lists, as at program start.
void clear_syllable_table();

// Index of the syllable whose text equals text (under the code page) in the row of its first
// letter; 0 when it is not found. The row is scanned from slot 0 up to its first empty slot.
uint16_t find_syllable_index(const char* text);

// Prepares syllable_text_of and lookup_syllable for the table as loaded; call once after loading.
void index_syllable_texts();

// The answer of find_syllable_index, from the texts as index_syllable_texts found them.
uint16_t lookup_syllable(const char* text);

// Text of the entry that holds index (1 to 511), with its length; nullptr when no entry of the
// table holds it. The text lies in the entry's 8 bytes, all of which may be read.
const char* syllable_text_of(uint16_t index, size_t* length);
