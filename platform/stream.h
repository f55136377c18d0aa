// Buffered file streams with the run-time's text mode done in one portable place.
//
// Every file is opened in binary; a text stream translates as the programs' original run-time did:
// reading, a CR directly followed by an LF reads as one LF, any other CR stays a CR, and a byte
// 0x1A ends the input; writing, every LF reaches the file as CR LF. The end-of-file and error
// indicators behave as those of the standard streams: they are set by a read that finds nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

enum StreamMode : uint8_t { READ_TEXT, READ_BINARY, WRITE_TEXT, WRITE_BINARY };

const size_t STREAM_BUFFER_BYTES = 64 * 1024;

struct Stream {
    FILE* file;
    bool text;
    bool writing;
    bool source_done;  // nothing more comes from the file: its end, a 0x1A, or a failed read
    bool source_failed;
    bool pending_cr;  // a block ended in CR; the next block tells whether an LF follows it
    bool eof;
    bool error;
    int error_number;  // errno of the first failure
    size_t start;      // reading: next byte to hand out
    size_t end;        // reading: end of the bytes in buffer; writing: bytes waiting
    uint8_t buffer[STREAM_BUFFER_BYTES];
};

// Opens name; false (with errno set by the system) when it cannot be opened.
bool stream_open(Stream* stream, const char* name, StreamMode mode);

// Next byte, or -1 when none is left (and then the end-of-file or error indicator is set).
int32_t stream_getc(Stream* stream);

// Reads as fgets does: bytes up to and including the first LF, at most size - 1 of them, then a
// NUL. Returns the number of bytes read; 0 when not a single byte could be read.
size_t stream_read_line(Stream* stream, char* line, size_t size);

// Reads up to length bytes as fread does; returns the number read.
size_t stream_read(Stream* stream, void* data, size_t length);

void stream_write_slowly(Stream* stream, const void* data, size_t length);

// Writes length bytes; a text stream writes every LF as CR LF. Small binary writes that fit the
// buffer, the common case, are copied in place.
inline void stream_write(Stream* stream, const void* data, size_t length) {
    if (!stream->text && STREAM_BUFFER_BYTES - stream->end >= length) {
        memcpy(stream->buffer + stream->end, data, length);
        stream->end += length;
        return;
    }
    stream_write_slowly(stream, data, length);
}

// Closes the stream; false when a write, the flush or the close failed.
bool stream_close(Stream* stream);

// Text of the system's message for the stream's first failure.
const char* stream_error_text(const Stream* stream);
