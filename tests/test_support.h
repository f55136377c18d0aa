// Helpers shared by the unit tests: scratch files and code page selection.
#pragma once

#include <string>

// A fresh path in the test's scratch directory.
std::string scratch_path(const std::string& name);

void write_file(const std::string& path, const std::string& bytes);
std::string read_file(const std::string& path);

// Selects a double-byte code page with lead bytes 0x81 to 0xFE (as GBK), or one without lead bytes.
void use_double_byte_code_page();
void use_single_byte_code_page();
