// The table file hanlex.tab: finding it, reading its lines and walking its sections.
#pragma once

#include <cstdint>

#include "platform/stream.h"

enum LineClass : uint32_t {
    LINE_OTHER = 0,
    LINE_EMPTY = 1,
    LINE_COMMENT = 2,
    LINE_PUNCTUATION = 3,
    LINE_DICTIONARY = 4,
};

const uint32_t TABLE_LINE_BYTES = 1000;  // a line of at most 999 bytes and its NUL

LineClass classify_line(const char* line);

// Reads the next line without its newline into line (TABLE_LINE_BYTES). A line longer than 999
// bytes keeps its first 999; the rest up to the newline is dropped.
void read_table_line(Stream* table, char* line);

// Walks the sections of an open table file and stores every entry line of its dictionary
// sections; path names the file in warnings. False when the file could not be read to its end.
bool walk_table_file(Stream* table, const char* path, bool keep_lists);

// Finds, opens and loads hanlex.tab. When it cannot be found or read, the user is told and the
// process ends with exit status 1.
void load_syllable_table(bool keep_lists);
