// phrase_from_syllables: compiles a syllable listing (per line a phrase and the syllable of each
// of its characters) into a binary phrase file, and echoes every line it cannot compile.
#include <cstdio>
#include <cstring>

#include "phrase/phrase_record.h"
#include "table/syllable_table.h"
#include "tools/conversions.h"
#include "tools/split_fields.h"
#include "tools/tool_main.h"

namespace {

const uint16_t FIELD_BYTES = 18;  // a field of at most 17 bytes and its NUL
const uint16_t FIELD_SLOTS = 12;

// Writes the line's record; false when the line cannot become one.
bool compile_line(const char* line, Stream* output) {
    static char fields[FIELD_SLOTS][FIELD_BYTES];
    bool overflow = false;
    uint16_t count = split_fields(line, &fields[0][0], FIELD_BYTES, FIELD_SLOTS, &overflow);
    // A line that overflows the slots would need more than 8 syllables, a phrase of more than 8
    // characters or a syllable longer than any in the table: it can never become a record.
    if (overflow || count == 0) {
        return false;
    }
    uint32_t char_count = static_cast<uint32_t>(strlen(fields[0]) / 2);
    if (char_count != count - 1u || char_count > MAX_PHRASE_CHARS || char_count == 0) {
        return false;
    }
    uint16_t indices[MAX_PHRASE_CHARS];
    for (uint32_t i = 0; i < char_count; ++i) {
        indices[i] = lookup_syllable(fields[1 + i]);
        // A record holds 9 bits: a larger index would be written as another syllable's.
        if (indices[i] == 0 || indices[i] > MAX_STORED_INDEX) {
            return false;
        }
    }
    write_phrase_record(output, char_count, fields[0], indices);
    return true;
}

// A line is handled without its line feed, and echoed when it gives no record.
void handle_line(char* line, Stream* output) {
    size_t length = strlen(line);
    if (length > 0 && line[length - 1] == '\n') {
        line[length - 1] = '\0';
    }
    if (!compile_line(line, output)) {
        echo_line(line);
    }
}

}  // namespace

int compile_from_syllables(const char* input_name, const char* output_name) {
    return compile_lines(input_name, output_name, handle_line);
}
