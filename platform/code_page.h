// Lead bytes of the double-byte character sets that a locale name can select.
#pragma once

#include <cstdint>

#include "platform/multibyte.h"

// Looks up the character set named in a locale value such as "zh_CN.GBK" or "ja_JP.SJIS@euro":
// the text after the first '.' and before any '@', compared ignoring case, '-' and '_'. Sets
// *ranges and returns their count; returns 0 for a character set without lead bytes (UTF-8, C,
// POSIX, ISO-8859-x, an unknown name, or no name at all).
uint32_t lead_byte_ranges_of_locale(const char* locale, const LeadByteRange** ranges);

// Makes the lead bytes of the character set that locale names those of the process.
void set_code_page_of_locale(const char* locale);
