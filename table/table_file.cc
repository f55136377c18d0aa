#include "table/table_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/multibyte.h"
#include "platform/system.h"
#include "table/character_lookup.h"
#include "table/syllable_table.h"

namespace {

const char TABLE_NAME[] = "hanlex.tab";
const uint32_t PATH_BYTES = 200;

struct ProblemText {
    uint32_t problem;
    const char* text;
};

const ProblemText PROBLEM_TEXTS[] = {
    {ENTRY_NO_TOKEN, "line without a syllable: index %u left unused"},
    {ENTRY_NOT_A_LETTER,
     "syllable \"%.*s\" does not begin with a letter a to z: index %u not stored"},
    {ENTRY_TOO_LONG, "syllable \"%.*s\" is longer than 7 bytes: index %u not stored"},
    {ENTRY_ROW_FULL, "row of \"%.*s\" already holds 41 syllables: index %u not stored"},
    {ENTRY_INDEX_TOO_LARGE, "syllable \"%.*s\": index %u is above 65535: not stored"},
    {ENTRY_LIST_CUT, "characters of \"%.*s\" cut to 944 bytes (index %u)"},
    {ENTRY_NO_LIST_SLOT, "syllable \"%.*s\": index %u is above 420: its characters are not kept"},
};

const size_t SHOWN_SYLLABLE_BYTES = 40;

void warn_entry(const char* path, uint32_t line_number, const char* line, uint32_t problems) {
    const char* syllable = line;
    size_t length = entry_syllable(line, &syllable);
    int shown = length > SHOWN_SYLLABLE_BYTES ? SHOWN_SYLLABLE_BYTES : static_cast<int>(length);
    for (const ProblemText& problem : PROBLEM_TEXTS) {
        if ((problems & problem.problem) == 0) {
            continue;
        }
        fprintf(stderr, "%s:%u: ", path, line_number);
        if (problem.problem == ENTRY_NO_TOKEN) {
            fprintf(stderr, problem.text, last_entry_index());
        } else {
            fprintf(stderr, problem.text, shown, syllable, last_entry_index());
        }
        fputc('\n', stderr);
    }
}

// Reads lines up to the first empty one, the section's end; entry lines are stored when store
// is set. Returns with the last line read in line.
void walk_section(Stream* table, const char* path, bool keep_lists, bool store, char* line,
                  uint32_t* line_number) {
    if (table->eof || table->error) {
        return;
    }
    read_table_line(table, line);
    ++*line_number;
    for (LineClass line_class = classify_line(line); line_class != LINE_EMPTY;) {
        if (store && line_class != LINE_COMMENT) {
            uint32_t problems = add_dictionary_entry(line, keep_lists);
            if (problems != ENTRY_STORED) {
                warn_entry(path, *line_number, line, problems);
            }
        }
        if (table->eof || table->error) {
            return;
        }
        read_table_line(table, line);
        ++*line_number;
        line_class = classify_line(line);
    }
}

[[noreturn]] void report_table_failure(const char* text) {
    platform_show_message("init", text);
    exit(1);
}

// Builds the table's path from the system's table directory; false with a message when the
// directory is unknown or the path would not fit the path buffer.
bool table_path(char* path, char* message) {
    uint32_t length = platform_table_directory(path, PATH_BYTES);
    if (length == 0) {
        snprintf(message, TABLE_LINE_BYTES, "%s can not found (no table directory)", TABLE_NAME);
        return false;
    }
    bool separator = length < PATH_BYTES && path[length - 1] != PLATFORM_PATH_SEPARATOR;
    if (length >= PATH_BYTES || length + separator + sizeof TABLE_NAME > PATH_BYTES) {
        snprintf(message, TABLE_LINE_BYTES, "%s can not found (table directory path too long)",
                 TABLE_NAME);
        return false;
    }
    if (separator) {
        path[length++] = PLATFORM_PATH_SEPARATOR;
    }
    memcpy(path + length, TABLE_NAME, sizeof TABLE_NAME);
    return true;
}

}  // namespace

LineClass classify_line(const char* line) {
    if (line[0] == '\0') {
        return LINE_EMPTY;
    }
    if (line[0] == '#') {
        return LINE_COMMENT;
    }
    if (mbs_find(line, "[PUNCTUATION]") != nullptr) {
        return LINE_PUNCTUATION;
    }
    if (mbs_find(line, "[DICTIONARY]") != nullptr) {
        return LINE_DICTIONARY;
    }
    return LINE_OTHER;
}

void read_table_line(Stream* table, char* line) {
    uint32_t length = 0;
    for (int32_t byte = stream_getc(table); byte != -1 && byte != '\n'; byte = stream_getc(table)) {
        if (length < TABLE_LINE_BYTES - 1) {
            line[length++] = static_cast<char>(byte);
        }
    }
    line[length] = '\0';
}

bool walk_table_file(Stream* table, const char* path, bool keep_lists) {
    static char line[TABLE_LINE_BYTES];
    uint32_t line_number = 0;
    while (!table->eof && !table->error) {
        read_table_line(table, line);
        ++line_number;
        LineClass line_class = classify_line(line);
        if (line_class == LINE_PUNCTUATION || line_class == LINE_DICTIONARY) {
            walk_section(table, path, keep_lists, line_class == LINE_DICTIONARY, line,
                         &line_number);
        }
    }
    return !table->error;
}

void load_syllable_table(bool keep_lists) {
    static char path[PATH_BYTES];
    static char message[TABLE_LINE_BYTES];
    static Stream table;
    if (!table_path(path, message)) {
        report_table_failure(message);
    }
    if (!stream_open(&table, path, READ_TEXT)) {
        snprintf(message, sizeof message, "%s can not found", path);
        report_table_failure(message);
    }
    bool complete = walk_table_file(&table, path, keep_lists);
    stream_close(&table);
    if (!complete) {
        snprintf(message, sizeof message, "%s can not read (%s)", path, stream_error_text(&table));
        report_table_failure(message);
    }
    index_syllable_texts();
    if (keep_lists) {
        index_character_lists();
    }
}
