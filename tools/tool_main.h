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

// Opens the input, then the output, so that the output is created or emptied only once the input
// is open. When either cannot be opened, failure_format (with the file's name for %s) goes to
// standard error, nothing stays open, and the result is false.
bool open_conversion(Stream* input, const char* input_name, StreamMode input_mode, Stream* output,
                     const char* output_name, StreamMode output_mode, const char* failure_format);

// Handles one line of a compiler's text input: writes its record or echoes it.
typedef void (*LineHandler)(char* line, Stream* output);

// The compilers' run: reads the text input line by line as fgets does, in pieces of at most 999
// bytes, hands each to handle, and writes the phrase file. Returns the exit status.
int compile_lines(const char* input_name, const char* output_name, LineHandler handle);

// Closes input and output after a conversion and reports what failed on either, naming the file.
// Returns the exit status: 1 after a failure, otherwise status.
int close_conversion(Stream* input, const char* input_name, Stream* output, const char* output_name,
                     int status);
