#include "platform/folders_internal.h"
#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

FILE* OpenGameFile(const char* gamePath, const char* mode) {
    if (gamePath == nullptr || mode == nullptr) {
        errno = EINVAL;
        return nullptr;
    }
    return std::fopen(HostPath(gamePath).c_str(), mode);
}

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
