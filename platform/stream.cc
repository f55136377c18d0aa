#include "platform/stream.h"

#include <cerrno>
#include <cstring>

namespace {

const uint8_t CTRL_Z = 0x1A;

void note_failure(Stream* stream) {
    if (stream->error_number == 0) {
        stream->error_number = errno != 0 ? errno : EIO;
    }
}

// Turns CR LF into LF in the block just read. A CR at the very end of the block is held back
// until the next block shows whether an LF follows it.
size_t translate_line_ends(Stream* stream, size_t length) {
    uint8_t* bytes = stream->buffer;
    const void* cr = memchr(bytes, '\r', length);
    size_t out = cr != nullptr ? static_cast<const uint8_t*>(cr) - bytes : length;
    size_t in = out;
    while (in < length) {
        if (bytes[in] == '\r') {
            if (in + 1 < length && bytes[in + 1] == '\n') {
                bytes[out++] = '\n';
                in += 2;
                continue;
            }
            if (in + 1 == length && !stream->source_done) {
                stream->pending_cr = true;
                return out;
            }
            bytes[out++] = '\r';
            in += 1;
            continue;
        }
        const void* next = memchr(bytes + in, '\r', length - in);
        size_t stop = next != nullptr ? static_cast<const uint8_t*>(next) - bytes : length;
        memmove(bytes + out, bytes + in, stop - in);
        out += stop - in;
        in = stop;
    }
    return out;
}

// Refills the read buffer; false when no byte is left, with the indicator of the reason set.
bool fill(Stream* stream) {
    stream->start = 0;
    stream->end = 0;
    size_t length = 0;
    if (!stream->source_done) {
        if (stream->pending_cr) {
            stream->buffer[0] = '\r';
            stream->pending_cr = false;
            length = 1;
        }
        size_t wanted = STREAM_BUFFER_BYTES - length;
        size_t got = fread(stream->buffer + length, 1, wanted, stream->file);
        if (got < wanted) {
            stream->source_done = true;
            if (ferror(stream->file)) {
                stream->source_failed = true;
                note_failure(stream);
            }
        }
        length += got;
        if (stream->text) {
            const void* ctrl_z = memchr(stream->buffer, CTRL_Z, length);
            if (ctrl_z != nullptr) {
                length = static_cast<const uint8_t*>(ctrl_z) - stream->buffer;
                stream->source_done = true;
            }
            length = translate_line_ends(stream, length);
        }
    }
    stream->end = length;
    if (length == 0) {
        if (stream->source_failed) {
            stream->error = true;
        } else {
            stream->eof = true;
        }
        return false;
    }
    return true;
}

bool available(Stream* stream) {
    return stream->start < stream->end || fill(stream);
}

void flush(Stream* stream) {
    if (stream->end > 0 && !stream->error &&
        fwrite(stream->buffer, 1, stream->end, stream->file) != stream->end) {
        stream->error = true;
        note_failure(stream);
    }
    stream->end = 0;
}

void put_bytes(Stream* stream, const uint8_t* data, size_t length) {
    while (length > 0) {
        if (stream->end == STREAM_BUFFER_BYTES) {
            flush(stream);
        }
        size_t room = STREAM_BUFFER_BYTES - stream->end;
        size_t take = length < room ? length : room;
        memcpy(stream->buffer + stream->end, data, take);
        stream->end += take;
        data += take;
        length -= take;
    }
}

}  // namespace

bool stream_open(Stream* stream, const char* name, StreamMode mode) {
    bool writing = mode == WRITE_TEXT || mode == WRITE_BINARY;
    FILE* file = fopen(name, writing ? "wb" : "rb");
    if (file == nullptr) {
        return false;
    }
    // The stream does its own buffering: the file's own buffer would only copy every byte twice.
    setvbuf(file, nullptr, _IONBF, 0);
    stream->file = file;
    stream->text = mode == READ_TEXT || mode == WRITE_TEXT;
    stream->writing = writing;
    stream->source_done = false;
    stream->source_failed = false;
    stream->pending_cr = false;
    stream->eof = false;
    stream->error = false;
    stream->error_number = 0;
    stream->start = 0;
    stream->end = 0;
    return true;
}

int32_t stream_getc(Stream* stream) {
    if (!available(stream)) {
        return -1;
    }
    return stream->buffer[stream->start++];
}

size_t stream_read_line(Stream* stream, char* line, size_t size) {
    size_t count = 0;
    while (count + 1 < size && available(stream)) {
        size_t take = stream->end - stream->start;
        if (take > size - 1 - count) {
            take = size - 1 - count;
        }
        const uint8_t* from = stream->buffer + stream->start;
        const void* newline = memchr(from, '\n', take);
        if (newline != nullptr) {
            take = static_cast<const uint8_t*>(newline) - from + 1;
        }
        memcpy(line + count, from, take);
        stream->start += take;
        count += take;
        if (newline != nullptr) {
            break;
        }
    }
    line[count] = '\0';
    return count;
}

size_t stream_read(Stream* stream, void* data, size_t length) {
    if (stream->end - stream->start >= length) {
        memcpy(data, stream->buffer + stream->start, length);
        stream->start += length;
        return length;
    }
    uint8_t* to = static_cast<uint8_t*>(data);
    size_t count = 0;
    while (count < length && available(stream)) {
        size_t take = stream->end - stream->start;
        if (take > length - count) {
            take = length - count;
        }
        memcpy(to + count, stream->buffer + stream->start, take);
        stream->start += take;
        count += take;
    }
    return count;
}

void stream_write_slowly(Stream* stream, const void* data, size_t length) {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    if (!stream->text) {
        put_bytes(stream, bytes, length);
        return;
    }
    static const uint8_t CR_LF[2] = {'\r', '\n'};
    while (length > 0) {
        const void* newline = memchr(bytes, '\n', length);
        size_t run = newline != nullptr ? static_cast<const uint8_t*>(newline) - bytes : length;
        put_bytes(stream, bytes, run);
        if (newline == nullptr) {
            return;
        }
        put_bytes(stream, CR_LF, 2);
        bytes += run + 1;
        length -= run + 1;
    }
}

bool stream_close(Stream* stream) {
    if (stream->writing) {
        flush(stream);
    }
    if (fclose(stream->file) != 0 && !stream->error) {
        stream->error = true;
        note_failure(stream);
    }
    stream->file = nullptr;
    return !stream->error;
}

const char* stream_error_text(const Stream* stream) {
    return strerror(stream->error_number);
}
