// Multibyte string routines of the process's code page.
//
// The code page is decided once at start-up (platform_start). Under a code page with lead bytes a
// lead byte and the byte after it form one character; under one without lead bytes every byte is
// a character. These routines are the only place that walks text character by character.
#pragma once

#include <cstddef>
#include <cstdint>

struct LeadByteRange {
    uint8_t first;
    uint8_t last;
};

// Makes the bytes of the given ranges the lead bytes; a count of 0 selects a code page without
// lead bytes.
void set_lead_bytes(const LeadByteRange* ranges, uint32_t count);

// Length in bytes of the character at text (not at its end): 2 for a lead byte followed by a
// second byte, otherwise 1. Walking a string by this length visits its characters.
size_t character_length(const char* text);

// First position in haystack where needle begins, or nullptr. Only positions where a character
// begins are tried, and a match must lie wholly inside haystack. An empty needle matches at once.
const char* mbs_find(const char* haystack, const char* needle);

// Compares character by character; 0 when the strings are equal.
int32_t mbs_compare(const char* left, const char* right);

// Copies count bytes character by character into destination and fills the rest of the count
// with NUL bytes; a lead byte cut off by count becomes a NUL. Writes exactly count bytes and
// returns the number of bytes kept.
size_t mbs_copy_bytes(char* destination, const char* source, size_t count);
