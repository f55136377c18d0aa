// Fields of a syllable listing line: runs of bytes other than blank and tab.
#pragma once

#include <cstdint>

// Stores field j of line at slots + j * width, NUL-terminated, copied as the code page's bounded
// copy does (a lead byte cut off at the field's end is dropped), and returns the number of fields
// of the line. A field that does not fit its slot (more than width - 1 bytes as stored), and every
// field from slot_count on, is not stored: *overflow is set instead.
uint16_t split_fields(const char* line, char* slots, uint16_t width, uint16_t slot_count,
                      bool* overflow);
