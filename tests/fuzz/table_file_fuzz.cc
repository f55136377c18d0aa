// Any bytes as the table file, loaded with and without character lists under every kind of code
// page; then the fast lookups must answer as the direct searches do on whatever was loaded.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/stream.h"
#include "table/character_lookup.h"
#include "table/syllable_table.h"
#include "table/table_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    bool keep_lists = (data[0] & 4) != 0;
    select_code_page(data[0]);
    const char* path = scratch_file("table.tab");
    write_bytes(path, data + 1, size - 1);
    clear_syllable_table();
    static Stream table;
    if (!stream_open(&table, path, READ_TEXT)) {
        abort();
    }
    walk_table_file(&table, path, keep_lists);
    stream_close(&table);
    index_syllable_texts();
    index_character_lists();
    for (const auto& row : SyllableTable) {
        for (const SyllableEntry& entry : row) {
            if (entry.index != 0 &&
                lookup_syllable(entry.text) != find_syllable_index(entry.text)) {
                abort();
            }
        }
    }
    // The direct search costs 420 list searches a key: a few keys per input.
    for (size_t i = 1; i + 1 < size && i < 64; i += 2) {
        if (lookup_character(data[i], data[i + 1]) !=
            lookup_character_direct(data[i], data[i + 1])) {
            abort();
        }
    }
    return 0;
}
