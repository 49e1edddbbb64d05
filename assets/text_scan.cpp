#include "assets/text_scan.h"

#include "platform/platform.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cmath>
#include <cstdlib>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Tells a float that is out of range for being too small from one too large:
// the decimal exponent of its first significant digit decides.
bool MagnitudeBelowOne(const char* p, const char* end) {
    if (p < end && (*p == '-' || *p == '+')) ++p;
    int64_t position = 0; // the value is 0.d1d2... x 10^position
    bool significant = false;
    for (; p < end && IsDigit(*p); ++p) {
        if (significant) {
            ++position;
        } else if (*p != '0') {
            significant = true;
            position = 1;
        }
    }
    if (p < end && *p == '.') {
        for (++p; p < end && IsDigit(*p); ++p) {
            if (significant) continue;
            if (*p != '0')
                significant = true;
            else
                --position;
        }
    }
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negative = p < end && *p == '-';
        if (p < end && (*p == '-' || *p == '+')) ++p;
        int64_t exponent = 0;
        for (; p < end && IsDigit(*p); ++p) exponent = std::min<int64_t>(exponent * 10 + (*p - '0'), 1000000);
        position += negative ? -exponent : exponent;
    }
    return position <= 0;
}

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
            // Out-of-range values still consume their digits, as the C library does:
            // too large becomes infinity, too small becomes zero.
            if (error == std::errc::result_out_of_range) {
                const float magnitude = MagnitudeBelowOne(start, next) ? 0.0f : HUGE_VALF;
                value = (*start == '-') ? -magnitude : magnitude;
            }
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
