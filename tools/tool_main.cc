#include "tools/tool_main.h"

#include <cstdio>

#include "platform/system.h"
#include "table/table_file.h"

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
