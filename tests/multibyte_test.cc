#include "platform/multibyte.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/code_page.h"
#include "tests/test_support.h"

namespace {

struct LocaleCase {
    const char* locale;
    std::string lead_bytes;  // "lo-hi,lo-hi" in hex, empty for none
};

std::string describe_ranges(const char* locale) {
    const LeadByteRange* ranges = nullptr;
    uint32_t count = lead_byte_ranges_of_locale(locale, &ranges);
    std::string text;
    char part[16];
    for (uint32_t i = 0; i < count; ++i) {
        snprintf(part, sizeof part, "%s%02X-%02X", i > 0 ? "," : "", ranges[i].first,
                 ranges[i].last);
        text += part;
    }
    return text;
}

TEST(CodePage, LocaleNamesSelectLeadBytes) {
    const LocaleCase cases[] = {
        {"zh_CN.GBK", "81-FE"},
        {"zh_CN.gb2312", "81-FE"},
        {"zh_CN.EUC-CN", "81-FE"},
        {"zh_CN.GB18030", "81-FE"},
        {"x.cp936", "81-FE"},
        {"zh_TW.Big5", "81-FE"},
        {"zh_HK.BIG5-HKSCS", "81-FE"},
        {"x.CP950", "81-FE"},
        {"ko_KR.euc_kr", "81-FE"},
        {"x.cp949", "81-FE"},
        {"x.UHC", "81-FE"},
        {"ja_JP.SJIS", "81-9F,E0-FC"},
        {"ja_JP.Shift_JIS@euro", "81-9F,E0-FC"},
        {"x.cp932", "81-9F,E0-FC"},
        {"ko_KR.JOHAB", "84-D3,D8-DE,E0-F9"},
        {"x.CP1361", "84-D3,D8-DE,E0-F9"},
        {"zh_CN.UTF-8", ""},
        {"C", ""},
        {"POSIX", ""},
        {"de_DE.ISO-8859-1", ""},
        {"zh_CN", ""},
        {"", ""},
        {"x.GBKX", ""},
        {"x.", ""},
        {"x.@GBK", ""},
    };
    for (const LocaleCase& c : cases) {
        EXPECT_EQ(describe_ranges(c.locale), c.lead_bytes) << c.locale;
    }
    EXPECT_EQ(describe_ranges(nullptr), "");
}

struct FindCase {
    bool double_byte;
    const char* haystack;
    const char* needle;
    int position;  // -1: not found
};

TEST(Multibyte, FindTriesOnlyCharacterStarts) {
    const FindCase cases[] = {
        // The key \xB0\xA1 straddles two characters at offset 1: found only without lead bytes.
        {true, "\xA1\xB0\xA1\xC0", "\xB0\xA1", -1},
        {false, "\xA1\xB0\xA1\xC0", "\xB0\xA1", 1},
        // A single-byte character shifts the walk: the key at an odd offset is a real character.
        {true, "a\xB0\xA1", "\xB0\xA1", 1},
        {true, "\xB0\xA1\xB0\xA2", "\xB0\xA2", 2},
        // First match only, even when a later one exists.
        {false, "x\xB0\xA1\xB0\xA1", "\xB0\xA1", 1},
        // A match may not run past the end: a trailing lead byte is a character of its own.
        {true, "ab\xB0", "\xB0\xA1", -1},
        {true, "[DICTIONARY]", "[DICTIONARY]", 0},
        {true, "x [DICTIONARY] y", "[DICTIONARY]", 2},
        // The trail byte '[' (0x5B) of a double-byte character never starts a header.
        {true, "\x81[DICTIONARY]", "[DICTIONARY]", -1},
        {false, "\x81[DICTIONARY]", "[DICTIONARY]", 1},
        {true, "abc", "", 0},
        {true, "", "a", -1},
    };
    for (const FindCase& c : cases) {
        c.double_byte ? use_double_byte_code_page() : use_single_byte_code_page();
        const char* found = mbs_find(c.haystack, c.needle);
        int position = found == nullptr ? -1 : static_cast<int>(found - c.haystack);
        EXPECT_EQ(position, c.position) << c.haystack << " / " << c.needle << " " << c.double_byte;
    }
}

TEST(Multibyte, CompareIsEqualOnlyForWholeStrings) {
    for (bool double_byte : {true, false}) {
        double_byte ? use_double_byte_code_page() : use_single_byte_code_page();
        EXPECT_EQ(mbs_compare("zhong", "zhong"), 0);
        EXPECT_NE(mbs_compare("zh", "zhong"), 0);
        EXPECT_NE(mbs_compare("zhong", "zh"), 0);
        EXPECT_EQ(mbs_compare("\xB0\xA1", "\xB0\xA1"), 0);
        EXPECT_NE(mbs_compare("\xB0\xA1", "\xB0\xA2"), 0);
        EXPECT_EQ(mbs_compare("", ""), 0);
        EXPECT_LT(mbs_compare("a", "b"), 0);
        EXPECT_GT(mbs_compare("b", "a"), 0);
    }
    // Under lead bytes a double-byte character weighs as one value, above any single byte.
    use_double_byte_code_page();
    EXPECT_GT(mbs_compare("\xB0\xA1", "\xFF"), 0);
    EXPECT_LT(mbs_compare("a\xB0", "a\xB0\xA1"), 0);
    EXPECT_GT(mbs_compare("a\xB0\xA2", "a\xB0"), 0);
    EXPECT_LT(mbs_compare("\xB0\xA1x", "\xB0\xA1y"), 0);
    use_single_byte_code_page();
    EXPECT_LT(mbs_compare("\xB0\xA1", "\xFF"), 0);
}

struct CopyCase {
    bool double_byte;
    std::string source;
    size_t count;
    std::string copied;  // the count bytes written
};

TEST(Multibyte, CopyDropsALeadByteCutOffByTheCount) {
    const CopyCase cases[] = {
        {true, "ab\xB0", 3, std::string("ab\0", 3)},
        {false, "ab\xB0", 3, "ab\xB0"},
        {true, "\xB0", 1, std::string("\0", 1)},
        {true, "\xB0\xA1\xB0\xA2", 4, "\xB0\xA1\xB0\xA2"},
        {true, "\xB0\xA1\xB0\xA2", 3, std::string("\xB0\xA1\0", 3)},
        // A lead byte that follows a single-byte character is still a character start.
        {true, "a\xB0\xA1", 2, std::string("a\0", 2)},
        {true, "ab", 4, std::string("ab\0\0", 4)},
    };
    for (const CopyCase& c : cases) {
        c.double_byte ? use_double_byte_code_page() : use_single_byte_code_page();
        char destination[8];
        memset(destination, 'X', sizeof destination);
        mbs_copy_bytes(destination, c.source.c_str(), c.count);
        EXPECT_EQ(std::string(destination, c.count), c.copied) << c.source;
        EXPECT_EQ(destination[c.count], 'X') << "wrote past the count";
    }
}

}  // namespace
