#include "tests/fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/code_page.h"
#include "platform/stream.h"
#include "table/character_lookup.h"
#include "table/syllable_table.h"
#include "table/table_file.h"
#include "tests/scratch.h"

const char* scratch_file(const char* name) {
    // Map nodes stay where they are, so the paths handed out stay valid.
    static std::map<std::string, std::string> paths;
    std::string& path = paths[name];
    if (path.empty()) {
        path = (scratch_directory() / name).string();
    }
    return path.c_str();
}

void write_bytes(const char* path, const uint8_t* data, size_t size) {
    FILE* file = fopen(path, "wb");
    if (file == nullptr || fwrite(data, 1, size, file) != size || fclose(file) != 0) {
        perror(path);
        abort();
    }
}

void select_code_page(uint8_t selector) {
    static const char* const LOCALES[] = {"C", "zh_CN.GBK", "ja_JP.SJIS", "ko_KR.JOHAB"};
    set_code_page_of_locale(LOCALES[selector & 3]);
}

void load_fixed_table() {
    static bool loaded = false;
    if (loaded) {
        return;
    }
    loaded = true;
    std::string table =
        "[PUNCTUATION]\n, \xA3\xAC\n\n[DICTIONARY]\n"
        "a \xB0\xA1\xB0\xA2\nai \xB0\xA3\nba \xB0\xCB\nbo \xB0\xA2\n"
        "ge \xC1\xB0\xA5\xC2\xB0\xA5\ngu q\xB0\xA6r\xB0\xA6\nzhong \xD6\xD0\n";
    for (int i = 7; i < 300; ++i) {
        table += static_cast<char>('c' + (i - 7) / 41);
        table += std::to_string(i) + " " + static_cast<char>(0xB1 + i / 94) +
                 static_cast<char>(0xA1 + i % 94) + "\n";
    }
    const char* path = scratch_file("hanlex.tab");
    write_bytes(path, reinterpret_cast<const uint8_t*>(table.data()), table.size());
    static Stream stream;
    if (!stream_open(&stream, path, READ_TEXT) || !walk_table_file(&stream, path, true)) {
        abort();
    }
    stream_close(&stream);
    index_syllable_texts();
}

void fuzz_conversion(FuzzedRoutine routine, const uint8_t* data, size_t size) {
    if (size == 0) {
        return;
    }
    load_fixed_table();
    select_code_page(data[0]);
    index_character_lists();
    const char* input = scratch_file("input");
    write_bytes(input, data + 1, size - 1);
    routine(input, scratch_file("output"));
}
