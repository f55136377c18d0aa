#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "table/syllable_table.h"
#include "table/table_file.h"
#include "tests/test_support.h"

namespace {

class Table : public testing::Test {
protected:
    void SetUp() override {
        clear_syllable_table();
        use_double_byte_code_page();
    }
};

// The table's entries as "text=index" in row and slot order, rows up to their first empty slot.
std::string entries() {
    std::string text;
    for (const auto& row : SyllableTable) {
        for (const SyllableEntry& entry : row) {
            if (entry.index == 0) {
                break;
            }
            text += std::string(text.empty() ? "" : " ") + entry.text + "=" +
                    std::to_string(entry.index);
        }
    }
    return text;
}

// Walks a table file of the given bytes; returns the warnings written to standard error.
std::string walk(const std::string& bytes, bool keep_lists) {
    std::string path = scratch_path("hanlex.tab");
    write_file(path, bytes);
    auto stream = std::make_unique<Stream>();
    EXPECT_TRUE(stream_open(stream.get(), path.c_str(), READ_TEXT));
    testing::internal::CaptureStderr();
    EXPECT_TRUE(walk_table_file(stream.get(), "T", keep_lists));
    stream_close(stream.get());
    return testing::internal::GetCapturedStderr();
}

TEST_F(Table, ClassifyLineTakesTheFirstClassThatHolds) {
    const std::pair<const char*, LineClass> cases[] = {
        {"", LINE_EMPTY},
        {"#", LINE_COMMENT},
        {"# [DICTIONARY]", LINE_COMMENT},
        {"[PUNCTUATION]", LINE_PUNCTUATION},
        {"[DICTIONARY] [PUNCTUATION]", LINE_PUNCTUATION},
        {"[DICTIONARY]", LINE_DICTIONARY},
        {"  [DICTIONARY] words", LINE_DICTIONARY},
        {"[dictionary]", LINE_OTHER},
        {" ", LINE_OTHER},
        {"a \xB0\xA1", LINE_OTHER},
        {"\x81[DICTIONARY]", LINE_OTHER},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(classify_line(c.first), c.second) << c.first;
    }
}

TEST_F(Table, ReadTableLineSetsEndOfFileOnlyOnAReadThatFindsNothing) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;  // every line read until end of file
    };
    const Case cases[] = {
        {"a\r\nb\n", {"a", "b", ""}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r\n", {"a\rb", ""}},
        {"a\n\x1A"
         "b\n",
         {"a", ""}},
        {"", {""}},
        {std::string(1200, 'x') + "\ny", {std::string(999, 'x'), "y"}},
        {std::string("a\0b\n", 4), {"a", ""}},
    };
    for (const Case& c : cases) {
        std::string path = scratch_path("lines");
        write_file(path, c.bytes);
        auto stream = std::make_unique<Stream>();
        ASSERT_TRUE(stream_open(stream.get(), path.c_str(), READ_TEXT));
        std::vector<std::string> lines;
        char line[TABLE_LINE_BYTES];
        while (!stream->eof) {
            read_table_line(stream.get(), line);
            lines.emplace_back(line);
        }
        stream_close(stream.get());
        EXPECT_EQ(lines, c.lines) << c.bytes;
    }
}

TEST_F(Table, WalkStoresTheEntriesOfDictionarySectionsOnly) {
    struct Case {
        const char* bytes;
        const char* stored;
    };
    const Case cases[] = {
        // The last section closed by the empty line after the final newline, or by the end.
        {"[DICTIONARY]\na x\nb y\n", "a=1 b=2"},
        {"[DICTIONARY]\na x\nbo y", "a=1 bo=2"},
        {"[DICTIONARY]\r\na x\r\nb y\r\n\r\n", "a=1 b=2"},
        {"", ""},
        {"a x\nb y\n", ""},
        {"[DICTIONARY]", ""},
        {"[DICTIONARY]\n", ""},
        // Comments take no index; a line of blanks does not end the section.
        {"[DICTIONARY]\n# c\na x\n \nb y\n", "a=1 b=3"},
        // A trailing remark keeps the header; a dictionary header inside punctuation is swallowed.
        {"[DICTIONARY] ok\na x\n", "a=1"},
        {"[PUNCTUATION]\n, x\n[DICTIONARY]\na x\n\n[DICTIONARY]\nb y\n", "b=1"},
        // Indices continue from one dictionary section to the next.
        {"[DICTIONARY]\na x\n\nother\n[DICTIONARY]\nb y\nc z\n", "a=1 b=2 c=3"},
        {"x\n[PUNCTUATION]\n, x\n\n[DICTIONARY]\na x\n", "a=1"},
    };
    for (const Case& c : cases) {
        clear_syllable_table();
        walk(c.bytes, false);
        EXPECT_EQ(entries(), c.stored) << c.bytes;
    }
}

TEST_F(Table, EntriesTakeIndicesInOrderAndListsByIndex) {
    EXPECT_EQ(add_dictionary_entry("a \xB0\xA1", true), ENTRY_STORED);
    EXPECT_EQ(add_dictionary_entry("ai \xB0\xA2\xB0\xA3 more tokens", true), ENTRY_STORED);
    EXPECT_EQ(add_dictionary_entry("  \tba \xB0\xA4", true), ENTRY_STORED);
    EXPECT_EQ(entries(), "a=1 ai=2 ba=3");
    EXPECT_EQ(SyllableTable[0][1].index, 2);
    EXPECT_EQ(SyllableTable[1][0].index, 3);
    EXPECT_STREQ(CharacterLists[0], "\xB0\xA1");
    EXPECT_STREQ(CharacterLists[1], "\xB0\xA2\xB0\xA3");
    EXPECT_STREQ(CharacterLists[2], "\xB0\xA4");
}

TEST_F(Table, InterruptedLetterRestartsItsRow) {
    add_dictionary_entry("a x", true);
    add_dictionary_entry("ai y", true);
    add_dictionary_entry("b z", true);
    add_dictionary_entry("an w", true);
    // an (4) replaced a (1) in slot 0; ai (2) stays in slot 1; index 1 keeps only its list.
    EXPECT_EQ(entries(), "an=4 ai=2 b=3");
    EXPECT_STREQ(CharacterLists[0], "x");
    EXPECT_EQ(find_syllable_index("a"), 0);
    index_syllable_texts();
    size_t length = 0;
    EXPECT_EQ(syllable_text_of(1, &length), nullptr);
    EXPECT_STREQ(syllable_text_of(4, &length), "an");
    EXPECT_EQ(length, 2u);
}

TEST_F(Table, WithoutListsNothingGoesToTheLists) {
    EXPECT_EQ(add_dictionary_entry("a", false), ENTRY_STORED);
    EXPECT_EQ(add_dictionary_entry("b \xB0\xA1", false), ENTRY_STORED);
    EXPECT_EQ(entries(), "a=1 b=2");
    EXPECT_STREQ(CharacterLists[0], "");
    EXPECT_STREQ(CharacterLists[1], "");
}

TEST_F(Table, AFullRowUsesAllItsSlotsAndTurnsAwayTheNext) {
    for (int i = 0; i < 41; ++i) {
        std::string line = "k" + std::to_string(i) + " x";
        EXPECT_EQ(add_dictionary_entry(line.c_str(), false), ENTRY_STORED);
    }
    EXPECT_EQ(SyllableTable[10][40].index, 41);
    EXPECT_EQ(find_syllable_index("k40"), 41);
    EXPECT_EQ(add_dictionary_entry("k41 x", true), ENTRY_ROW_FULL);
    EXPECT_STREQ(CharacterLists[41], "x") << "the list is kept by index";
    EXPECT_EQ(add_dictionary_entry("l x", false), ENTRY_STORED);
    EXPECT_EQ(SyllableTable[11][0].index, 43);
}

TEST_F(Table, UnstorableEntriesKeepTheirIndexAndAreWarned) {
    std::string long_run(1000, '\xB0');
    std::string table =
        "[DICTIONARY]\n"
        "a x\n"
        "   \t\n"       // 2: no token
        "Ab x\n"        // 3: not a letter
        "\xB0\xA1 x\n"  // 4: not a letter
        "abcdefgh x\n"  // 5: too long
        "b\n"           // 6: no character run: empty list
        "c " +
        long_run +
        "\n"  // 7: run cut
        "d y\n";
    std::string warnings = walk(table, true);
    EXPECT_EQ(entries(), "a=1 b=6 c=7 d=8");
    EXPECT_STREQ(CharacterLists[2], "x") << "an unstorable syllable keeps its list";
    EXPECT_STREQ(CharacterLists[5], "");
    EXPECT_EQ(strlen(CharacterLists[6]), 944u);
    EXPECT_STREQ(CharacterLists[7], "y");
    EXPECT_EQ(warnings,
              "T:3: line without a syllable: index 2 left unused\n"
              "T:4: syllable \"Ab\" does not begin with a letter a to z: index 3 not stored\n"
              "T:5: syllable \"\xB0\xA1\" does not begin with a letter a to z: index 4 not stored\n"
              "T:6: syllable \"abcdefgh\" is longer than 7 bytes: index 5 not stored\n"
              "T:8: characters of \"c\" cut to 944 bytes (index 7)\n");
}

TEST_F(Table, IndicesAbove420HaveNoListSlot) {
    std::string table = "[DICTIONARY]\n";
    for (int i = 0; i < 421; ++i) {
        table += std::string(1, static_cast<char>('a' + i / 41)) + std::to_string(i % 41) + " x\n";
    }
    std::string warnings = walk(table, true);
    EXPECT_EQ(warnings,
              "T:422: syllable \"k10\": index 421 is above 420: its characters are not kept\n");
    EXPECT_EQ(find_syllable_index("k10"), 421);
}

TEST_F(Table, FindSyllableMatchesWholeTextsInTheRowOfTheFirstLetter) {
    add_dictionary_entry("zhong x", false);
    add_dictionary_entry("zhuang x", false);
    EXPECT_EQ(find_syllable_index("zhuang"), 2);
    EXPECT_EQ(find_syllable_index("zhong"), 1);
    EXPECT_EQ(find_syllable_index("zh"), 0);
    EXPECT_EQ(find_syllable_index("zhongx"), 0);
    EXPECT_EQ(find_syllable_index("a"), 0);
    EXPECT_EQ(find_syllable_index("Zhong"), 0);
    EXPECT_EQ(find_syllable_index(""), 0);
    EXPECT_EQ(find_syllable_index("\xB0\xA1"), 0);
}

}  // namespace

namespace {

// Random tables with interrupted letters (restarted rows), repeated texts and full rows.
TEST_F(Table, LookupSyllableAnswersAsTheRowScan) {
    std::mt19937 random(7);
    for (int table = 0; table < 20; ++table) {
        clear_syllable_table();
        std::vector<std::string> texts;
        for (int entry = 0; entry < 420; ++entry) {
            std::string text(1, static_cast<char>('a' + random() % (table % 2 == 0 ? 3 : 26)));
            for (uint32_t i = random() % 5; i > 0; --i) {
                text += static_cast<char>("aeinoug\xB0\xA1"[random() % 9]);
            }
            texts.push_back(text);
            add_dictionary_entry((text + " x").c_str(), false);
        }
        index_syllable_texts();
        for (std::string text : texts) {
            for (const std::string& query : {text, text + "a", text.substr(0, text.size() - 1),
                                             text + "\xB0", std::string("A") + text}) {
                ASSERT_EQ(lookup_syllable(query.c_str()), find_syllable_index(query.c_str()))
                    << query;
            }
        }
        EXPECT_EQ(lookup_syllable("abcdefgh"), 0);
    }
}

}  // namespace
