#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

std::string HostPath(const char* gamePath) {
    std::string hostPath(std::strlen(gamePath) + 1, '\0');
    ToHostPath(gamePath, hostPath.data(), hostPath.size());
    hostPath.resize(std::strlen(hostPath.c_str()));
    return hostPath;
}

} // namespace

bool SyncGameFile(FILE* file) {
    if (file == nullptr || std::fflush(file) != 0) return false;
    return fsync(fileno(file)) == 0;
}

bool SyncGameFolder(const char* gamePath) {
    if (gamePath == nullptr) return false;
    const int folder = open(HostPath(gamePath).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder < 0) return false;
    const bool synced = fsync(folder) == 0;
    return close(folder) == 0 && synced;
}

bool RenameGameFile(const char* fromGamePath, const char* toGamePath) {
    if (fromGamePath == nullptr || toGamePath == nullptr) return false;
    return std::rename(HostPath(fromGamePath).c_str(), HostPath(toGamePath).c_str()) == 0;
}

bool RemoveGameFile(const char* gamePath) {
    return gamePath != nullptr && std::remove(HostPath(gamePath).c_str()) == 0;
}

bool MakeGameFolder(const char* gamePath) {
    if (gamePath == nullptr) return false;
    const std::string hostPath = HostPath(gamePath);
    if (mkdir(hostPath.c_str(), 0755) == 0) return true;
    struct stat info {};
    return errno == EEXIST && stat(hostPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
