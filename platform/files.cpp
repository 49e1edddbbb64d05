#include "platform/platform.h"

#include <cerrno>
#include <cstring>
#include <string>

void ToHostPath(const char* gamePath, char* out, size_t outSize) {
    if (out == nullptr || outSize == 0) return;
    size_t length = 0;
    if (gamePath != nullptr) {
        for (; gamePath[length] != '\0' && length + 1 < outSize; ++length)
            out[length] = gamePath[length] == '\\' ? '/' : gamePath[length];
    }
    out[length] = '\0';
}

FILE* OpenGameFile(const char* gamePath, const char* mode) {
    if (gamePath == nullptr || mode == nullptr) {
        errno = EINVAL;
        return nullptr;
    }
    // Sized to the name, so a long name is never cut into the name of another file.
    std::string hostPath(std::strlen(gamePath) + 1, '\0');
    ToHostPath(gamePath, hostPath.data(), hostPath.size());
    return std::fopen(hostPath.c_str(), mode);
}
