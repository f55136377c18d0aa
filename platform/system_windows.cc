// Windows: the table lies in the system directory, the code page is the system's ANSI code page,
// and the missing-table message is a message box.
#include <windows.h>

#include "platform/multibyte.h"
#include "platform/system.h"

const char PLATFORM_PATH_SEPARATOR = '\\';

void platform_start() {
    CPINFO info;
    LeadByteRange ranges[MAX_LEADBYTES / 2];
    uint32_t count = 0;
    if (GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1) {
        // LeadByte holds pairs of first and last byte, ended by a pair of zeros.
        for (uint32_t i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
            ranges[count++] = {info.LeadByte[i], info.LeadByte[i + 1]};
        }
    }
    set_lead_bytes(ranges, count);
}

uint32_t platform_table_directory(char* directory, uint32_t size) {
    return GetSystemDirectoryA(directory, size);
}

void platform_show_message(const char* caption, const char* text) {
    MessageBoxA(nullptr, text, caption, 0);
}
