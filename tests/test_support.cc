#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/code_page.h"
#include "tests/scratch.h"

std::string scratch_path(const std::string& name) {
    static int counter = 0;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string prefix = test != nullptr ? std::string(test->test_suite_name()) + "." + test->name()
                                         : std::string("global");
    for (char& c : prefix) {
        if (c == '/') {
            c = '_';
        }
    }
    std::string file = prefix + "_" + std::to_string(++counter) + "_" + name;
    return (scratch_directory() / file).string();
}

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void use_double_byte_code_page() {
    set_code_page_of_locale("zh_CN.GBK");
}

void use_single_byte_code_page() {
    set_code_page_of_locale("C");
}
