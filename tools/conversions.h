// The conversion routines of the three programs. Each opens, converts and closes its two files
// and returns the exit status.
#pragma once

int dump_phrases(const char* input_name, const char* output_name);
int compile_from_chars(const char* input_name, const char* output_name);
int compile_from_syllables(const char* input_name, const char* output_name);
