// Any bytes as the input of compile_from_chars, against a small fixed table, under the code page
// that the first byte chooses.
#include <cstdint>

#include "tests/fuzz/fuzz_support.h"
#include "tools/conversions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_conversion(compile_from_chars, data, size);
    return 0;
}
