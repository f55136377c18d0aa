// phrase_from_chars: compiles bare phrases into a binary phrase file, finding each character's
// syllable in the table's character lists. A phrase is compiled only when every character has
// exactly one syllable; phrases of more than 8 characters are dropped, the rest echoed.
#include <cstdio>
#include <cstring>

#include "phrase/phrase_record.h"
#include "table/character_lookup.h"
#include "tools/conversions.h"
#include "tools/tool_main.h"

namespace {

// Characters are the byte pairs from the line's first byte on; the count includes the line feed
// in the length, so a line of k double-byte characters has k with or without it.
void compile_line(char* line, Stream* output) {
    size_t length = strlen(line);
    size_t char_count = length / 2;
    if (char_count > MAX_PHRASE_CHARS) {
        return;
    }
    uint16_t indices[MAX_PHRASE_CHARS];
    for (size_t i = 0; i < char_count; ++i) {
        indices[i] = lookup_character(static_cast<uint8_t>(line[2 * i]),
                                      static_cast<uint8_t>(line[2 * i + 1]));
        if (indices[i] == 0) {
            char_count = 0;
            break;
        }
    }
    if (char_count > 0) {
        write_phrase_record(output, static_cast<uint32_t>(char_count), line, indices);
        return;
    }
    if (length > 0 && line[length - 1] == '\n') {
        line[length - 1] = '\0';
    }
    echo_line(line);
}

}  // namespace

int compile_from_chars(const char* input_name, const char* output_name) {
    return compile_lines(input_name, output_name, compile_line);
}
