#include "tools/tool_main.h"

namespace {

int compile_from_chars(const char* input_name, const char* output_name) {
    (void)input_name;
    (void)output_name;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return tool_main(argc, argv, true, compile_from_chars);
}
