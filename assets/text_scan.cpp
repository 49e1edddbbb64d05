#include "assets/text_scan.h"

#include "platform/platform.h"

#include <cctype>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cmath>
#include <cstdlib>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

} // namespace

void TextScan::SkipSpace() {
    while (cursor_ < end_ && IsSpace(*cursor_)) ++cursor_;
}

int TextScan::Scan(const char* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    int stored = 0;
    bool converted = false; // a directive was reached with input left, even if it failed
    const char* p = pattern;
    while (*p) {
        if (IsSpace(*p)) {
            while (IsSpace(*p)) ++p;
            SkipSpace();
            continue;
        }
        if (*p != '%') {
            if (cursor_ >= end_ || *cursor_ != *p) break;
            ++cursor_;
            ++p;
            continue;
        }
        ++p;
        size_t width = 0;
        while (std::isdigit(static_cast<unsigned char>(*p))) width = width * 10 + static_cast<size_t>(*p++ - '0');
        const char kind = *p++;
        SkipSpace();
        if (cursor_ >= end_) break;
        converted = true;
        if (kind == 'd') {
            const char* start = cursor_;
            if (*start == '+' && start + 1 < end_ && std::isdigit(static_cast<unsigned char>(start[1]))) ++start;
            int32_t value = 0;
            auto [next, error] = std::from_chars(start, end_, value);
            if (error != std::errc() || next == start) break;
            cursor_ = next;
            *va_arg(args, int32_t*) = value;
        } else if (kind == 'f') {
            const char* start = cursor_;
            if (*start == '+' && start + 1 < end_ && (std::isdigit(static_cast<unsigned char>(start[1])) || start[1] == '.'))
                ++start;
            float value = 0.0f;
            auto [next, error] = std::from_chars(start, end_, value);
            if (next == start) break;
            // Out-of-range values still consume their digits, as the C library does.
            if (error == std::errc::result_out_of_range) value = (*start == '-') ? -HUGE_VALF : HUGE_VALF;
            cursor_ = next;
            *va_arg(args, float*) = value;
        } else if (kind == 's' && width > 0) {
            char* out = va_arg(args, char*);
            size_t n = 0;
            while (cursor_ < end_ && !IsSpace(*cursor_) && n < width) out[n++] = *cursor_++;
            out[n] = '\0';
        } else {
            break; // a pattern this scanner does not know
        }
        ++stored;
    }
    va_end(args);
    if (stored == 0 && !converted && cursor_ >= end_) return -1;
    return stored;
}

bool ReadGameFile(const char* gamePath, std::vector<char>& bytes) {
    FILE* file = OpenGameFile(gamePath, "rb");
    if (!file) return false;
    bytes.clear();
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    std::fclose(file);
    return true;
}
