// The binary phrase file: records packed one after the other, nothing before, between or after.
//
// A record of n characters (1 to 8) is 4 + 3n bytes: the count n; one byte holding bit 8 of each
// syllable index (bit i for index i); the low 8 bits of the n indices; the 2n bytes of the phrase;
// a 16-bit trailer written as 0 and never read for its value.
#pragma once

#include <cstdint>

#include "platform/stream.h"

const uint32_t MAX_PHRASE_CHARS = 8;  // the high-bits byte has room for eight indices
const uint16_t MAX_STORED_INDEX = 511;

struct PhraseRecord {
    uint8_t char_count;
    uint16_t indices[MAX_PHRASE_CHARS];
    char text[2 * MAX_PHRASE_CHARS + 1];  // the phrase and a NUL after it
};

enum RecordStatus : uint8_t {
    RECORD_READ,        // a whole record was read
    RECORD_END,         // the end of the file, or a count byte of 0
    RECORD_CUT_SHORT,   // the file ends inside the record
    RECORD_BAD_COUNT,   // a count above 8: the record cannot be held
    RECORD_READ_ERROR,  // the file could not be read
};

inline uint32_t phrase_record_size(uint32_t char_count) {
    return 4 + 3 * char_count;
}

// Appends the record of a phrase of char_count characters (1 to 8) whose indices are 1 to 511;
// the first 2 * char_count bytes of text are written. Anything else is a caller's fault and stops
// the program, rather than writing a record that names other syllables.
void write_phrase_record(Stream* output, uint32_t char_count, const char* text,
                         const uint16_t* indices);

RecordStatus read_phrase_record(Stream* input, PhraseRecord* record);
