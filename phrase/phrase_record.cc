#include "phrase/phrase_record.h"

#include <cstdio>
#include <cstdlib>

namespace {

const uint8_t TRAILER[2] = {0, 0};

[[noreturn]] void fail_precondition(const char* what, uint32_t value) {
    fprintf(stderr, "write_phrase_record: %s %u out of range\n", what, value);
    abort();
}

RecordStatus short_read(const Stream* input) {
    return input->error ? RECORD_READ_ERROR : RECORD_CUT_SHORT;
}

}  // namespace

void write_phrase_record(Stream* output, uint32_t char_count, const char* text,
                         const uint16_t* indices) {
    if (char_count < 1 || char_count > MAX_PHRASE_CHARS) {
        fail_precondition("character count", char_count);
    }
    uint8_t count = static_cast<uint8_t>(char_count);
    uint8_t index_bytes[1 + MAX_PHRASE_CHARS];
    index_bytes[0] = 0;
    for (uint32_t i = 0; i < char_count; ++i) {
        if (indices[i] < 1 || indices[i] > MAX_STORED_INDEX) {
            fail_precondition("syllable index", indices[i]);
        }
        index_bytes[1 + i] = static_cast<uint8_t>(indices[i] & 0xFF);
        index_bytes[0] |= static_cast<uint8_t>((indices[i] & 0x100) >> (8 - i));
    }
    stream_write(output, &count, 1);
    stream_write(output, index_bytes, 1 + char_count);
    stream_write(output, text, 2 * char_count);
    stream_write(output, TRAILER, sizeof TRAILER);
}

RecordStatus read_phrase_record(Stream* input, PhraseRecord* record) {
    uint8_t count = 0;
    if (stream_read(input, &count, 1) != 1) {
        return input->error ? RECORD_READ_ERROR : RECORD_END;
    }
    if (count == 0) {
        return RECORD_END;
    }
    if (count > MAX_PHRASE_CHARS) {
        return RECORD_BAD_COUNT;
    }
    uint8_t index_bytes[1 + MAX_PHRASE_CHARS];
    if (stream_read(input, index_bytes, 1u + count) != 1u + count) {
        return short_read(input);
    }
    if (stream_read(input, record->text, 2u * count) != 2u * count) {
        return short_read(input);
    }
    record->text[2 * count] = '\0';
    uint8_t trailer[2];
    if (stream_read(input, trailer, sizeof trailer) != sizeof trailer) {
        return short_read(input);
    }
    record->char_count = count;
    for (uint32_t i = 0; i < count; ++i) {
        record->indices[i] =
            static_cast<uint16_t>(((index_bytes[0] << (8 - i)) & 0x100) | index_bytes[1 + i]);
    }
    return RECORD_READ;
}
