// What the fuzz targets share: scratch files, the code page chosen by the input's first byte,
// and a small fixed table.
#pragma once

#include <cstddef>
#include <cstdint>

// A path in a scratch directory of this process.
const char* scratch_file(const char* name);

void write_bytes(const char* path, const uint8_t* data, size_t size);

// Selects no lead bytes, GBK, Shift JIS or Johab by the selector's low two bits.
void select_code_page(uint8_t selector);

// Loads the fixed table (with character lists) once: a few syllables with characters in one list,
// in two, and at odd distances, then numbered syllables up to index 300.
void load_fixed_table();

typedef int (*FuzzedRoutine)(const char* input_name, const char* output_name);

// Runs routine on the input after its first byte, against the fixed table, under the code page
// that the first byte chooses.
void fuzz_conversion(FuzzedRoutine routine, const uint8_t* data, size_t size);
