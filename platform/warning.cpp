#include "platform/platform.h"

#include <cstdarg>

void PlatformWarning(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::fputs("aurelant: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    va_end(args);
}
