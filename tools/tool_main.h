// Start-up shared by the three programs, and what their conversion routines share.
#pragma once

#include <cstdint>

#include "platform/stream.h"

// A conversion routine: converts input_name into output_name and returns the exit status.
typedef int (*ConvertRoutine)(const char* input_name, const char* output_name);

// Checks the command line, loads the syllable table (with its character lists when keep_lists
// is set) and runs convert on the two file names. Returns the exit status.
int tool_main(int argc, char** argv, bool keep_lists, ConvertRoutine convert);

// Writes a rejected line to standard output, followed by a line end.
void echo_line(const char* line);

// Closes input and output after a conversion and reports what failed on either, naming the file.
// Returns the exit status: 1 after a failure, otherwise status.
int close_conversion(Stream* input, const char* input_name, Stream* output, const char* output_name,
                     int status);
