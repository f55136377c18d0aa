#include "tools/tool_main.h"

namespace {

int dump_phrases(const char* input_name, const char* output_name) {
    (void)input_name;
    (void)output_name;
    return 0;
}

}  // namespace

int main(int argc, char** argv) { return tool_main(argc, argv, false, dump_phrases); }
