#include "platform/code_page.h"

#include <cctype>
#include <cstring>

namespace {

const LeadByteRange WIDE_LEAD[] = {{0x81, 0xFE}};
const LeadByteRange SHIFT_JIS_LEAD[] = {{0x81, 0x9F}, {0xE0, 0xFC}};
const LeadByteRange JOHAB_LEAD[] = {{0x84, 0xD3}, {0xD8, 0xDE}, {0xE0, 0xF9}};

struct CharacterSet {
    const char* name;  // upper case, without '-' and '_'
    const LeadByteRange* ranges;
    uint32_t count;
};

const CharacterSet CHARACTER_SETS[] = {
    {"GBK", WIDE_LEAD, 1},           {"GB2312", WIDE_LEAD, 1},     {"EUCCN", WIDE_LEAD, 1},
    {"GB18030", WIDE_LEAD, 1},       {"CP936", WIDE_LEAD, 1},      {"BIG5", WIDE_LEAD, 1},
    {"BIG5HKSCS", WIDE_LEAD, 1},     {"CP950", WIDE_LEAD, 1},      {"EUCKR", WIDE_LEAD, 1},
    {"CP949", WIDE_LEAD, 1},         {"UHC", WIDE_LEAD, 1},        {"SJIS", SHIFT_JIS_LEAD, 2},
    {"SHIFTJIS", SHIFT_JIS_LEAD, 2}, {"CP932", SHIFT_JIS_LEAD, 2}, {"JOHAB", JOHAB_LEAD, 3},
    {"CP1361", JOHAB_LEAD, 3},
};

const uint32_t NAME_BYTES = 16;

// Writes the normalized character set name of locale into name; false when it does not fit any
// known name.
bool normalized_name(const char* locale, char* name) {
    const char* dot = strchr(locale, '.');
    if (dot == nullptr) {
        return false;
    }
    uint32_t length = 0;
    for (const char* at = dot + 1; *at != '\0' && *at != '@'; ++at) {
        if (*at == '-' || *at == '_') {
            continue;
        }
        if (length + 1 >= NAME_BYTES) {
            return false;
        }
        name[length++] = static_cast<char>(toupper(static_cast<unsigned char>(*at)));
    }
    name[length] = '\0';
    return true;
}

}  // namespace

void set_code_page_of_locale(const char* locale) {
    const LeadByteRange* ranges = nullptr;
    uint32_t count = lead_byte_ranges_of_locale(locale, &ranges);
    set_lead_bytes(ranges, count);
}

uint32_t lead_byte_ranges_of_locale(const char* locale, const LeadByteRange** ranges) {
    char name[NAME_BYTES];
    if (locale == nullptr || !normalized_name(locale, name)) {
        return 0;
    }
    for (const CharacterSet& set : CHARACTER_SETS) {
        if (strcmp(set.name, name) == 0) {
            *ranges = set.ranges;
            return set.count;
        }
    }
    return 0;
}
