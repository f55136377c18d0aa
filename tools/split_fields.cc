#include "tools/split_fields.h"

#include <cstddef>

#include "platform/multibyte.h"

namespace {

bool is_separator(char byte) {
    return byte == ' ' || byte == '\t';
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
        size_t kept = mbs_kept_length(start, static_cast<size_t>(at - start));
        if (count < slot_count && kept < width) {
            char* slot = slots + static_cast<size_t>(count) * width;
            mbs_copy_bytes(slot, start, kept);
            slot[kept] = '\0';
        } else {
            *overflow = true;
        }
        if (count < UINT16_MAX) {
            ++count;
        }
    }
}
