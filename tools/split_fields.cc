#include "tools/split_fields.h"

#include <cstddef>

#include "platform/multibyte.h"

namespace {

bool is_separator(char byte) {
    return byte == ' ' || byte == '\t';
}

// Copies the field of length bytes into slot number; false when it does not fit. A field of as
// many bytes as the slot still fits when the copy drops a lead byte at its end.
bool store_field(char* slots, uint16_t width, uint16_t slot_count, uint16_t number,
                 const char* field, size_t length) {
    if (number >= slot_count || length > width) {
        return false;
    }
    char* slot = slots + static_cast<size_t>(number) * width;
    size_t kept = mbs_copy_bytes(slot, field, length);
    if (kept >= width) {
        return false;
    }
    slot[kept] = '\0';
    return true;
}

}  // namespace

uint16_t split_fields(const char* line, char* slots, uint16_t width, uint16_t slot_count,
                      bool* overflow) {
    *overflow = false;
    uint16_t count = 0;
    const char* at = line;
    for (;;) {
        while (is_separator(*at)) {
            ++at;
        }
        if (*at == '\0') {
            return count;
        }
        const char* start = at;
        while (*at != '\0' && !is_separator(*at)) {
            ++at;
        }
        if (!store_field(slots, width, slot_count, count, start, static_cast<size_t>(at - start))) {
            *overflow = true;
        }
        if (count < UINT16_MAX) {
            ++count;
        }
    }
}
