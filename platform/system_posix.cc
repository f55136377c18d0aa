// POSIX: the table directory comes from HANLEX_DIR or a directory chosen when the programs were
// built, the code page from the locale variables, and messages go to standard error.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/code_page.h"
#include "platform/system.h"

#ifndef PHRASETOOLS_TABLE_DIR
#error "PHRASETOOLS_TABLE_DIR must name the default table directory"
#endif

const char PLATFORM_PATH_SEPARATOR = '/';

namespace {

// The first of the variables that is set and not empty, as the C library resolves a locale.
const char* locale_value() {
    const char* names[] = {"LC_ALL", "LC_CTYPE", "LANG"};
    for (const char* name : names) {
        const char* value = getenv(name);
        if (value != nullptr && value[0] != '\0') {
            return value;
        }
    }
    return nullptr;
}

}  // namespace

void platform_start() {
    set_code_page_of_locale(locale_value());
}

uint32_t platform_table_directory(char* directory, uint32_t size) {
    const char* value = getenv("HANLEX_DIR");
    if (value == nullptr || value[0] == '\0') {
        value = PHRASETOOLS_TABLE_DIR;
    }
    size_t length = strlen(value);
    if (length >= size) {
        return length >= UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(length);
    }
    memcpy(directory, value, length + 1);
    return static_cast<uint32_t>(length);
}

void platform_show_message(const char* caption, const char* text) {
    fprintf(stderr, "%s: %s\n", caption, text);
}
