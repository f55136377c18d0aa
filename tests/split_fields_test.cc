#include "tools/split_fields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

struct SplitCase {
    bool double_byte;
    std::string line;
    std::vector<std::string> fields;
    bool overflow;
};

TEST(SplitFields, FieldsAreRunsBetweenBlanksAndTabs) {
    const std::string long_field(18, 'x');
    const SplitCase cases[] = {
        {true, "", {}, false},
        {true, " \t \t", {}, false},
        {true, "\xB0\xA1\tzhong", {"\xB0\xA1", "zhong"}, false},
        {true, "  \xB0\xA1 \t a\t\tb  ", {"\xB0\xA1", "a", "b"}, false},
        {true, "x", {"x"}, false},
        // Only blanks and tabs separate: other whitespace belongs to the field.
        {true, "a\rb\vc d", {"a\rb\vc", "d"}, false},
        // A stray lead byte at a field's end is dropped under a double-byte code page only.
        {true, "\xB0\xA1 ab\xB0", {"\xB0\xA1", "ab"}, false},
        {false, "\xB0\xA1 ab\xB0", {"\xB0\xA1", "ab\xB0"}, false},
        {true, "\xB0 a", {"", "a"}, false},
        {true, "a\xB0\xA1\xB0", {"a\xB0\xA1"}, false},
        // 17 bytes fit a slot; 18 do not, unless the eighteenth is a dropped lead byte.
        {true, std::string(17, 'x'), {std::string(17, 'x')}, false},
        {true, long_field, {}, true},
        {true, std::string(17, 'x') + "\xB0", {std::string(17, 'x')}, false},
        {false, std::string(17, 'x') + "\xB0", {}, true},
        {true,
         "1 2 3 4 5 6 7 8 9 10 11 12",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
         false},
        {true,
         "1 2 3 4 5 6 7 8 9 10 11 12 13",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
         true},
    };
    for (const SplitCase& c : cases) {
        c.double_byte ? use_double_byte_code_page() : use_single_byte_code_page();
        // One spare slot after the twelve catches a write past the slots.
        char slots[13][18];
        memset(slots, 'G', sizeof slots);
        bool overflow = false;
        uint16_t count = split_fields(c.line.c_str(), &slots[0][0], 18, 12, &overflow);
        EXPECT_EQ(overflow, c.overflow) << c.line;
        if (!c.overflow) {
            EXPECT_EQ(count, c.fields.size()) << c.line;
        }
        for (size_t j = 0; j < c.fields.size(); ++j) {
            EXPECT_EQ(std::string(slots[j]), c.fields[j]) << c.line;
        }
        EXPECT_EQ(std::string(slots[12], 18), std::string(18, 'G')) << c.line;
    }
}

TEST(SplitFields, CountsEveryFieldEvenBeyondTheSlots) {
    use_double_byte_code_page();
    char slots[2][18];
    bool overflow = false;
    EXPECT_EQ(split_fields("a b c d", &slots[0][0], 18, 2, &overflow), 4);
    EXPECT_TRUE(overflow);
    EXPECT_STREQ(slots[1], "b");
}

}  // namespace
