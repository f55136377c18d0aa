#include "phrase/phrase_record.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

std::string write_records(
    const std::vector<std::pair<std::string, std::vector<uint16_t>>>& records) {
    std::string path = scratch_path("phrases.bin");
    auto stream = std::make_unique<Stream>();
    EXPECT_TRUE(stream_open(stream.get(), path.c_str(), WRITE_BINARY));
    for (const auto& record : records) {
        write_phrase_record(stream.get(), static_cast<uint32_t>(record.second.size()),
                            record.first.c_str(), record.second.data());
    }
    EXPECT_TRUE(stream_close(stream.get()));
    return read_file(path);
}

// Reads records from bytes until reading ends; returns how it ended.
RecordStatus read_records(const std::string& bytes, std::vector<PhraseRecord>* records) {
    std::string path = scratch_path("phrases.bin");
    write_file(path, bytes);
    auto stream = std::make_unique<Stream>();
    EXPECT_TRUE(stream_open(stream.get(), path.c_str(), READ_BINARY));
    PhraseRecord record;
    RecordStatus status;
    while ((status = read_phrase_record(stream.get(), &record)) == RECORD_READ) {
        records->push_back(record);
    }
    stream_close(stream.get());
    return status;
}

TEST(PhraseRecord, LayoutPacksBitEightIntoTheHighBitsByte) {
    EXPECT_EQ(write_records({{"T0T1", {3, 300}}}), std::string("\x02\x02\x03\x2CT0T1\0\0", 10));
    EXPECT_EQ(write_records({{"ab", {255}}}), std::string("\x01\x00\xFF"
                                                          "ab\0\0",
                                                          7));
    EXPECT_EQ(write_records({{"ab", {256}}}), std::string("\x01\x01\x00"
                                                          "ab\0\0",
                                                          7));
    EXPECT_EQ(write_records({{"ab", {511}}}), std::string("\x01\x01\xFF"
                                                          "ab\0\0",
                                                          7));
    std::string text = "0123456789ABCDEFtail";
    EXPECT_EQ(
        write_records({{text, std::vector<uint16_t>(8, 256)}}),
        std::string("\x08\xFF") + std::string(8, '\0') + "0123456789ABCDEF" + std::string(2, '\0'));
    EXPECT_EQ(write_records({{"aabbcc", {256, 1, 257}}}), std::string("\x03\x05\x00\x01\x01"
                                                                      "aabbcc\0\0",
                                                                      13));
}

TEST(PhraseRecord, EveryCountReadsBackAsWritten) {
    for (uint16_t n = 1; n <= 8; ++n) {
        std::string text;
        std::vector<uint16_t> indices;
        for (uint16_t i = 0; i < n; ++i) {
            text += std::string(1, static_cast<char>(0xB0 + i)) + "\xA1";
            indices.push_back(static_cast<uint16_t>((i * 73 + n * 5) % 511 + 1));
        }
        std::string bytes = write_records({{text, indices}, {"xy", {511}}});
        ASSERT_EQ(bytes.size(), phrase_record_size(n) + phrase_record_size(1));
        std::vector<PhraseRecord> records;
        EXPECT_EQ(read_records(bytes, &records), RECORD_END);
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(records[0].char_count, n);
        EXPECT_EQ(std::string(records[0].text), text);
        EXPECT_EQ(std::vector<uint16_t>(records[0].indices, records[0].indices + n), indices);
        EXPECT_EQ(records[1].indices[0], 511);
    }
}

TEST(PhraseRecord, ReadingEndsAtTheEndAZeroCountOrDamage) {
    const std::string one(
        "\x01\x00\x05"
        "ab\x12\x34",
        7);  // a trailer's value is not examined
    struct Case {
        std::string bytes;
        size_t records;
        RecordStatus status;
    };
    const Case cases[] = {
        {"", 0, RECORD_END},
        {one, 1, RECORD_END},
        {one + std::string("\0", 1) + one, 1, RECORD_END},
        {one + "\x01", 1, RECORD_CUT_SHORT},
        {one + std::string("\x01\x00", 2), 1, RECORD_CUT_SHORT},
        {one + std::string("\x01\x00\x05"
                           "a",
                           4),
         1, RECORD_CUT_SHORT},
        {one + std::string("\x01\x00\x05"
                           "ab\0",
                           6),
         1, RECORD_CUT_SHORT},
        {one + "\x09" + std::string(30, 'x'), 1, RECORD_BAD_COUNT},
        {std::string("\xFF") + std::string(800, 'x'), 0, RECORD_BAD_COUNT},
    };
    for (const Case& c : cases) {
        std::vector<PhraseRecord> records;
        EXPECT_EQ(read_records(c.bytes, &records), c.status) << testing::PrintToString(c.bytes);
        EXPECT_EQ(records.size(), c.records);
    }
}

TEST(PhraseRecordDeathTest, WriterRefusesWhatARecordCannotHold) {
    auto stream = std::make_unique<Stream>();
    std::string path = scratch_path("refused.bin");
    ASSERT_TRUE(stream_open(stream.get(), path.c_str(), WRITE_BINARY));
    const uint16_t too_large[1] = {512};
    const uint16_t zero[1] = {0};
    const uint16_t nine[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_DEATH(write_phrase_record(stream.get(), 1, "ab", too_large), "syllable index 512");
    EXPECT_DEATH(write_phrase_record(stream.get(), 1, "ab", zero), "syllable index 0");
    EXPECT_DEATH(write_phrase_record(stream.get(), 9, "abcdefghijklmnopqr", nine),
                 "character count 9");
    EXPECT_DEATH(write_phrase_record(stream.get(), 0, "", nine), "character count 0");
    stream_close(stream.get());
}

}  // namespace
