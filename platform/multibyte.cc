#include "platform/multibyte.h"

#include <cstring>

namespace {

bool LeadBytes[256];
bool AnyLeadBytes = false;

// Value of the character at text, as a lead byte and a second byte would form it.
uint32_t character_value(const char* text, size_t length) {
    uint32_t value = static_cast<uint8_t>(text[0]);
    return length == 2 ? (value << 8) | static_cast<uint8_t>(text[1]) : value;
}

// Number of bytes that a copy of count bytes keeps: a lead byte whose second byte would lie
// beyond count (or is the NUL) is not kept, nor is anything from the first NUL on.
size_t mbs_kept_length(const char* source, size_t count) {
    size_t at = 0;
    while (at < count && source[at] != '\0') {
        if (LeadBytes[static_cast<uint8_t>(source[at])]) {
            if (at + 1 >= count || source[at + 1] == '\0') {
                return at;
            }
            at += 2;
        } else {
            at += 1;
        }
    }
    return at;
}

}  // namespace

size_t character_length(const char* text) {
    return LeadBytes[static_cast<uint8_t>(text[0])] && text[1] != '\0' ? 2 : 1;
}

void set_lead_bytes(const LeadByteRange* ranges, uint32_t count) {
    memset(LeadBytes, 0, sizeof LeadBytes);
    for (uint32_t r = 0; r < count; ++r) {
        for (uint32_t byte = ranges[r].first; byte <= ranges[r].last; ++byte) {
            LeadBytes[byte] = true;
        }
    }
    AnyLeadBytes = count > 0;
}

const char* mbs_find(const char* haystack, const char* needle) {
    if (!AnyLeadBytes) {
        return strstr(haystack, needle);
    }
    size_t needle_length = strlen(needle);
    size_t remaining = strlen(haystack);
    for (const char* at = haystack;;) {
        if (remaining < needle_length) {
            return nullptr;
        }
        if (memcmp(at, needle, needle_length) == 0) {
            return at;
        }
        if (remaining == 0) {
            return nullptr;
        }
        size_t step = character_length(at);
        at += step;
        remaining -= step;
    }
}

int32_t mbs_compare(const char* left, const char* right) {
    // Equal bytes are equal characters: only the characters from the one that holds the first
    // differing byte on decide the order.
    size_t differ = 0;
    while (left[differ] == right[differ] && left[differ] != '\0') {
        ++differ;
    }
    if (left[differ] == right[differ]) {
        return 0;
    }
    size_t at = 0;
    for (;;) {
        size_t step = character_length(left + at);
        if (at + step > differ || step != character_length(right + at)) {
            break;
        }
        at += step;
    }
    left += at;
    right += at;
    for (;;) {
        size_t left_length = character_length(left);
        size_t right_length = character_length(right);
        uint32_t left_value = character_value(left, left_length);
        uint32_t right_value = character_value(right, right_length);
        if (left_value != right_value) {
            return left_value < right_value ? -1 : 1;
        }
        if (left_value == 0) {
            return 0;
        }
        left += left_length;
        right += right_length;
    }
}

size_t mbs_copy_bytes(char* destination, const char* source, size_t count) {
    size_t kept = mbs_kept_length(source, count);
    memcpy(destination, source, kept);
    if (kept < count) {
        memset(destination + kept, 0, count - kept);
    }
    return kept;
}
