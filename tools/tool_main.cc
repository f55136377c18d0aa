#include "tools/tool_main.h"

#include <cstdio>

#include "platform/system.h"
#include "table/table_file.h"

namespace {

const size_t LINE_BYTES = 1000;  // a piece of a line of at most 999 bytes and its NUL

}  // namespace

int tool_main(int argc, char** argv, bool keep_lists, ConvertRoutine convert) {
    platform_start();
    if (argc != 3) {
        fprintf(stderr, "usage: %s <input_name> <output_name>\n", argc > 0 ? argv[0] : "");
        return 1;
    }
    load_syllable_table(keep_lists);
    int status = convert(argv[1], argv[2]);
    // Echoed lines are part of the result: losing them is a failure too.
    if (fflush(stdout) != 0 || ferror(stdout)) {
        fprintf(stderr, "standard output: write error\n");
        status = 1;
    }
    return status;
}

void echo_line(const char* line) {
    fputs(line, stdout);
    putc('\n', stdout);
}

bool open_conversion(Stream* input, const char* input_name, StreamMode input_mode, Stream* output,
                     const char* output_name, StreamMode output_mode, const char* failure_format) {
    if (!stream_open(input, input_name, input_mode)) {
        fprintf(stderr, failure_format, input_name);
        return false;
    }
    if (!stream_open(output, output_name, output_mode)) {
        fprintf(stderr, failure_format, output_name);
        stream_close(input);
        return false;
    }
    return true;
}

int compile_lines(const char* input_name, const char* output_name, LineHandler handle) {
    static Stream input;
    static Stream output;
    static char line[LINE_BYTES];
    if (!open_conversion(&input, input_name, READ_TEXT, &output, output_name, WRITE_BINARY,
                         "%s cant open.\n")) {
        return 1;
    }
    while (!input.eof && !input.error) {
        if (stream_read_line(&input, line, sizeof line) > 0) {
            handle(line, &output);
        }
    }
    return close_conversion(&input, input_name, &output, output_name, 0);
}

int close_conversion(Stream* input, const char* input_name, Stream* output, const char* output_name,
                     int status) {
    if (input->error) {
        fprintf(stderr, "%s: read error: %s\n", input_name, stream_error_text(input));
        status = 1;
    }
    stream_close(input);
    if (!stream_close(output)) {
        fprintf(stderr, "%s: write error: %s\n", output_name, stream_error_text(output));
        status = 1;
    }
    return status;
}
