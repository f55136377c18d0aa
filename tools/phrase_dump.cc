// phrase_dump: lists a binary phrase file as text, a line per record: the phrase, a tab, and the
// texts of its syllables separated by blanks. The listing is written in text mode (CR LF).
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "phrase/phrase_record.h"
#include "table/syllable_table.h"
#include "tools/conversions.h"
#include "tools/tool_main.h"

namespace {

// Longest line: 16 bytes of phrase, a tab, 8 syllables with a separator each, and a line end;
// a syllable is copied as the whole 8 bytes of its entry.
const size_t LINE_BYTES = 2 * MAX_PHRASE_CHARS + 1 + MAX_PHRASE_CHARS * (SYLLABLE_BYTES + 1) + 1;

// Writes the record's line; an index that the table does not hold is left out of the line and
// warned about. Returns false when an index was left out.
bool write_line(Stream* output, const PhraseRecord& record, const char* input_name,
                uint64_t offset) {
    char line[LINE_BYTES];
    size_t length = strlen(record.text);
    memcpy(line, record.text, length);
    line[length++] = '\t';
    bool complete = true;
    bool line_ended = false;
    for (uint32_t i = 0; i < record.char_count; ++i) {
        size_t text_length = 0;
        const char* text = syllable_text_of(record.indices[i], &text_length);
        if (text == nullptr) {
            fprintf(stderr,
                    "%s: record at byte %" PRIu64 ": syllable index %u is not in the table\n",
                    input_name, offset, record.indices[i]);
            complete = false;
            continue;
        }
        line_ended = i + 1 == record.char_count;
        memcpy(line + length, text, SYLLABLE_BYTES);
        length += text_length;
        line[length++] = line_ended ? '\n' : ' ';
    }
    // Even when the last syllable is unknown, the next record starts a line of its own.
    if (!line_ended) {
        line[length++] = '\n';
    }
    stream_write(output, line, length);
    return complete;
}

// Tells why reading ended before the end of the file; false when it did.
bool report_end(RecordStatus status, const char* input_name, uint64_t offset) {
    if (status == RECORD_CUT_SHORT) {
        fprintf(stderr, "%s: record at byte %" PRIu64 " is cut short by the end of the file\n",
                input_name, offset);
        return false;
    }
    if (status == RECORD_BAD_COUNT) {
        fprintf(stderr, "%s: record at byte %" PRIu64 " has a count above 8: reading stops there\n",
                input_name, offset);
        return false;
    }
    return true;
}

}  // namespace

int dump_phrases(const char* input_name, const char* output_name) {
    static Stream input;
    static Stream output;
    if (!open_conversion(&input, input_name, READ_BINARY, &output, output_name, WRITE_TEXT,
                         "%s can not found")) {
        return 1;
    }
    int status = 0;
    uint64_t offset = 0;
    PhraseRecord record;
    for (;;) {
        RecordStatus read = read_phrase_record(&input, &record);
        if (read != RECORD_READ) {
            status = report_end(read, input_name, offset) ? status : 1;
            break;
        }
        status = write_line(&output, record, input_name, offset) ? status : 1;
        offset += phrase_record_size(record.char_count);
    }
    return close_conversion(&input, input_name, &output, output_name, status);
}
