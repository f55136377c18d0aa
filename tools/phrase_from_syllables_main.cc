#include "tools/conversions.h"
#include "tools/tool_main.h"

int main(int argc, char** argv) {
    return tool_main(argc, argv, false, compile_from_syllables);
}
