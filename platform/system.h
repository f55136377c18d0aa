// What the programs need from the operating system. One implementation per system:
// system_posix.cc, system_windows.cc.
#pragma once

#include <cstdint>

// Decides the process's code page (its lead bytes) once, before any text is handled.
void platform_start();

// Writes the directory that holds the table file into directory, NUL-terminated, and returns its
// length. Returns 0 when the system gives no directory, and a length of size or more (with
// nothing usable written) when the directory does not fit.
uint32_t platform_table_directory(char* directory, uint32_t size);

// Separator between a directory and a file name.
extern const char PLATFORM_PATH_SEPARATOR;

// Shows the user a message that needs attention before the process ends.
void platform_show_message(const char* caption, const char* text);
