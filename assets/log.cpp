#include "assets/log.h"

#include "platform/platform.h"

#include <cstdarg>
#include <cstdio>

const char* LogFileName = "Log.txt";

void CreateLog() {
    FILE* file = OpenGameFile(LogFileName, "w");
    if (!file) return;
    std::fputs("Aurelant - QEV3 Log File ;\n", file);
    std::fclose(file);
}

void AppendLog(const char* format, ...) {
    FILE* file = OpenGameFile(LogFileName, "a+");
    if (!file) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fputc('\n', file);
    std::fclose(file);
}
