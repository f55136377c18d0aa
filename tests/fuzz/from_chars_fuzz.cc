// Any bytes as the input of compile_from_chars, against a small fixed table, under the code page
// that the first byte chooses.
#include <cstdint>

#include "table/character_lookup.h"
#include "tests/fuzz/fuzz_support.h"
#include "tools/conversions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    load_fixed_table();
    select_code_page(data[0]);
    index_character_lists();
    const char* input = scratch_file("input");
    write_bytes(input, data + 1, size - 1);
    compile_from_chars(input, scratch_file("output"));
    return 0;
}
