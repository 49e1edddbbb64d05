// Fixed-length text fields, as the records and save files hold them.
#pragma once

#include <cstddef>

// Copy a text into a fixed field: never past the field, always terminated, and
// the rest of the field zeroed so saved records carry no stale bytes. A null
// source gives the empty text.
void CopyName(char* field, size_t fieldSize, const char* text);
template <size_t N>
void CopyName(char (&field)[N], const char* text) {
    CopyName(field, N, text);
}
// A fixed field read as text even when a loaded save left it unterminated:
// true when its first byte is the terminator.
inline bool NameIsEmpty(const char* field) {
    return field[0] == '\0';
}
// Compare a field with a text without reading past the field.
bool NameEquals(const char* field, size_t fieldSize, const char* text);
template <size_t N>
bool NameEquals(const char (&field)[N], const char* text) {
    return NameEquals(field, N, text);
}
