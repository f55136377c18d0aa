#include "tools/conversions.h"
#include "tools/tool_main.h"

int main(int argc, char** argv) {
    return tool_main(argc, argv, true, compile_from_chars);
}
