#include "platform/stream.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

// Reads a whole text file line by line as fgets would, 1000 bytes at a time.
std::vector<std::string> read_lines(const std::string& bytes, bool* eof_after_last) {
    std::string path = scratch_path("lines.txt");
    write_file(path, bytes);
    auto stream = std::make_unique<Stream>();
    EXPECT_TRUE(stream_open(stream.get(), path.c_str(), READ_TEXT));
    std::vector<std::string> lines;
    char line[1000];
    while (!stream->eof) {
        size_t length = stream_read_line(stream.get(), line, sizeof line);
        if (length > 0) {
            lines.emplace_back(line, length);
            *eof_after_last = stream->eof;
        }
    }
    EXPECT_FALSE(stream->error);
    stream_close(stream.get());
    return lines;
}

struct TextCase {
    std::string bytes;
    std::vector<std::string> lines;
    bool eof_with_last_line;  // the read that gave the last line also set end of file
};

TEST(Stream, TextModeReadsLikeTheRunTime) {
    const TextCase cases[] = {
        {"ab\r\ncd\r\n", {"ab\n", "cd\n"}, false},
        {"ab\ncd", {"ab\n", "cd"}, true},
        {"a\rb\r\r\n", {"a\rb\r\n"}, false},
        {"ab\r", {"ab\r"}, true},
        {"ab\x1A"
         "cd\nef\n",
         {"ab"},
         true},
        {"ab\r\x1A\n", {"ab\r"}, true},
        {"\x1A", {}, false},
        {"", {}, false},
        {std::string("a\0b\n", 4), {std::string("a\0b\n", 4)}, false},
        {std::string(1500, 'x') + "\n",
         {std::string(999, 'x'), std::string(501, 'x') + "\n"},
         false},
    };
    for (const TextCase& c : cases) {
        bool eof_after_last = false;
        EXPECT_EQ(read_lines(c.bytes, &eof_after_last), c.lines) << c.bytes;
        if (!c.lines.empty()) {
            EXPECT_EQ(eof_after_last, c.eof_with_last_line) << c.bytes;
        }
    }
}

TEST(Stream, CrLfSplitAcrossBlocksReadsAsOneLineFeed) {
    for (size_t shift = 0; shift < 3; ++shift) {
        std::string first(STREAM_BUFFER_BYTES - 1 - shift, 'a');
        std::string bytes = first + "\r\nb\r\n";
        bool eof_after_last = false;
        std::vector<std::string> lines = read_lines(bytes, &eof_after_last);
        std::string joined;
        for (const std::string& line : lines) {
            joined += line;
        }
        EXPECT_EQ(joined, first + "\nb\n") << shift;
    }
}

TEST(Stream, BinaryModePassesEveryByte) {
    std::string path = scratch_path("binary");
    std::string bytes("a\r\nb\x1A\r\0c", 8);
    write_file(path, bytes);
    auto stream = std::make_unique<Stream>();
    ASSERT_TRUE(stream_open(stream.get(), path.c_str(), READ_BINARY));
    char data[16];
    EXPECT_EQ(stream_read(stream.get(), data, sizeof data), bytes.size());
    EXPECT_EQ(std::string(data, bytes.size()), bytes);
    EXPECT_TRUE(stream->eof);
    stream_close(stream.get());
}

TEST(Stream, TextModeWritesLineFeedsAsCrLf) {
    std::string path = scratch_path("out.txt");
    auto stream = std::make_unique<Stream>();
    ASSERT_TRUE(stream_open(stream.get(), path.c_str(), WRITE_TEXT));
    stream_write(stream.get(), "a\tb\n\nc\r\n", 8);
    std::string big(STREAM_BUFFER_BYTES, '\n');
    stream_write(stream.get(), big.data(), big.size());
    EXPECT_TRUE(stream_close(stream.get()));
    std::string expected = "a\tb\r\n\r\nc\r\r\n";
    for (size_t i = 0; i < big.size(); ++i) {
        expected += "\r\n";
    }
    EXPECT_EQ(read_file(path), expected);
}

TEST(Stream, DirectoryOpensButFailsToRead) {
    auto stream = std::make_unique<Stream>();
    std::string directory = testing::TempDir();
    if (!stream_open(stream.get(), directory.c_str(), READ_TEXT)) {
        GTEST_SKIP() << "this system does not open directories as files";
    }
    EXPECT_EQ(stream_getc(stream.get()), -1);
    EXPECT_TRUE(stream->error);
    EXPECT_FALSE(stream->eof);
    stream_close(stream.get());
}

TEST(Stream, WriteFailureIsReportedAtClose) {
    auto stream = std::make_unique<Stream>();
    if (!stream_open(stream.get(), "/dev/full", WRITE_BINARY)) {
        GTEST_SKIP() << "no /dev/full";
    }
    stream_write(stream.get(), "data", 4);
    EXPECT_FALSE(stream_close(stream.get()));
    EXPECT_STRNE(stream_error_text(stream.get()), "");
}

}  // namespace
