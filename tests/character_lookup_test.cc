#include "table/character_lookup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "table/syllable_table.h"
#include "tests/test_support.h"

namespace {

// Fills some of the 420 lists with double-byte characters from a small set, mixed with single
// bytes, so that characters stand in one list, in several, at odd distances and straddling
// character boundaries. One list is as long as a list can be.
void generate_lists(uint32_t seed) {
    clear_syllable_table();
    std::mt19937 random(seed);
    const char single[] = {'a', 'b', '\x81', '\xA1', '\xB0'};
    for (uint32_t k = 0; k < LIST_COUNT; k += 1 + random() % 6) {
        size_t length = k == 7 ? LIST_BYTES - 1 : random() % 24;
        for (size_t i = 0; i < length; ++i) {
            if (random() % 5 == 0 || i + 1 == length) {
                CharacterLists[k][i] = single[random() % sizeof single];
                continue;
            }
            CharacterLists[k][i] = static_cast<char>(0xB0 + random() % 8);
            CharacterLists[k][++i] = static_cast<char>(0xA1 + random() % 24);
        }
    }
}

TEST(CharacterLookup, IndexAnswersAsTheDirectSearchForEveryKey) {
    for (uint32_t seed = 1; seed <= 2; ++seed) {
        for (bool double_byte : {true, false}) {
            double_byte ? use_double_byte_code_page() : use_single_byte_code_page();
            generate_lists(seed);
            index_character_lists();
            uint32_t resolved = 0;
            for (uint32_t key = 0; key < (1u << 16); ++key) {
                uint8_t first = static_cast<uint8_t>(key >> 8);
                uint8_t second = static_cast<uint8_t>(key);
                uint16_t direct = lookup_character_direct(first, second);
                ASSERT_EQ(lookup_character(first, second), direct) << key << " " << double_byte;
                resolved += direct != 0;
            }
            EXPECT_GT(resolved, 100u) << "the generated lists resolve too little to compare";
        }
    }
}

TEST(CharacterLookup, OnlyTheFirstMatchIsTestedForEvenness) {
    clear_syllable_table();
    strcpy(CharacterLists[0], "\xC1\xB0\xA5\xC2\xB0\xA5");  // straddling match at byte 1
    strcpy(CharacterLists[1], "q\xB0\xA6r\xB0\xA6");        // odd first match at byte 1
    strcpy(CharacterLists[2], "\xB0\xA1\xB0\xA7");
    strcpy(CharacterLists[419], "\xB0\xA7");
    use_double_byte_code_page();
    index_character_lists();
    EXPECT_EQ(lookup_character(0xB0, 0xA5), 1);
    EXPECT_EQ(lookup_character(0xB0, 0xA6), 0);
    EXPECT_EQ(lookup_character(0xB0, 0xA1), 3);
    EXPECT_EQ(lookup_character(0xB0, 0xA7), 0) << "in two lists";
    use_single_byte_code_page();
    index_character_lists();
    EXPECT_EQ(lookup_character(0xB0, 0xA5), 0);
    EXPECT_EQ(lookup_character(0xB0, 0xA6), 0);
}

}  // namespace
