#include "records/names.h"

#include <cstring>

void CopyName(char* field, size_t fieldSize, const char* text) {
    if (field == nullptr || fieldSize == 0) return;
    size_t length = 0;
    if (text != nullptr)
        while (length + 1 < fieldSize && text[length] != '\0') ++length;
    if (length > 0) std::memmove(field, text, length);
    std::memset(field + length, 0, fieldSize - length);
}

bool NameEquals(const char* field, size_t fieldSize, const char* text) {
    if (text == nullptr) text = "";
    for (size_t i = 0; i < fieldSize; ++i) {
        if (field[i] != text[i]) return false;
        if (field[i] == '\0') return true;
    }
    // The field is full without a terminator: equal only if the text ends here too.
    return text[fieldSize] == '\0';
}
