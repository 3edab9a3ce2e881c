#pragma once

#include <cstdarg>
#include <cstdio>

// The device library's diagnostic lines: printf-style to standard output, flushed at once so
// that they interleave with other programs' output in a journal; nothing when not enabled.
inline void hvPrint(bool enabled, const char* format, ...) __attribute__((format(printf, 2, 3)));
inline void hvPrint(bool enabled, const char* format, ...) {
    if (!enabled)
        return;
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fflush(stdout);
}
