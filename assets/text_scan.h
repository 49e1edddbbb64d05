// Formatted input over a text held in memory, with the rules the game's text
// files are written for: white space in a pattern matches any run of white
// space (none included), every other pattern character must match literally,
// and %d, %f and %s read a number, a float or one word after skipping white
// space. A directive that does not match stops the scan and leaves the input
// at the character that failed, so the next pattern is tried at the same place.
//
// Unlike the C library, the scanner never reads past its buffer, needs no
// terminator, and costs time in proportion to what it consumes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TextScan {
  public:
    TextScan(const char* data, size_t size) : cursor_(data), end_(data + size) {}

    // Scan with a pattern of literals, white space and the directives %d (int32_t*),
    // %f (float*) and %Ns (char* of at least N + 1 bytes; N is required).
    // Returns the number of values stored, or -1 when the input ended before the first.
    int Scan(const char* pattern, ...) __attribute__((format(scanf, 2, 3)));

    bool AtEnd() const { return cursor_ >= end_; }
    size_t Remaining() const { return static_cast<size_t>(end_ - cursor_); }

  private:
    void SkipSpace();
    const char* cursor_;
    const char* end_;
};

// Read a whole file named by the game's path; false when it cannot be opened.
bool ReadGameFile(const char* gamePath, std::vector<char>& bytes);
