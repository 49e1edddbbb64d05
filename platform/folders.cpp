#include "platform/folders_internal.h"
#include "platform/platform.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

GameFolders Folders; // all empty until the game chooses: the working folder

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string XdgFolder(EnvironmentLookup env, const char* variable, const char* underHome) {
    const char* value = env(variable);
    // Relative values are invalid and ignored, as unset ones are.
    if (value != nullptr && value[0] == '/') return value;
    const char* home = env("HOME");
    return std::string(home != nullptr ? home : "") + "/" + underHome;
}

// mkdir -p; new folders are the player's own.
void MakeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0700);
    mkdir(path.c_str(), 0700);
}

bool CopyFile(const std::string& from, const std::string& to) {
    FILE* in = std::fopen(from.c_str(), "rb");
    if (in == nullptr) return false;
    FILE* out = std::fopen(to.c_str(), "wbx");
    bool copied = out != nullptr;
    char buffer[4096];
    for (size_t n; copied && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
        copied = std::fwrite(buffer, 1, n, out) == n;
    copied = copied && !std::ferror(in);
    std::fclose(in);
    if (out != nullptr && std::fclose(out) != 0) copied = false;
    // Half a file would stand in for the player's settings from now on.
    if (out != nullptr && !copied) std::remove(to.c_str());
    return copied;
}

const char* LookUpEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] != '\0') return value;
    if (std::string(name) != "HOME") return nullptr;
    const passwd* user = getpwuid(getuid());
    return user != nullptr ? user->pw_dir : nullptr;
}

std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "";
    const std::string exe(path, static_cast<size_t>(length));
    return exe.substr(0, exe.rfind('/'));
}

std::string WorkingFolder() {
    char path[PATH_MAX];
    return getcwd(path, sizeof path) != nullptr ? path : "";
}

} // namespace

GameFolders ResolveGameFolders(const std::string& exeFolder, const std::string& workFolder,
                               EnvironmentLookup env) {
    if (IsFile(workFolder + "/Game.cfg") || IsFolder(workFolder + "/Levels")) return {};
    GameFolders folders;
    folders.data = exeFolder + "/../share/aurelant";
    if (!IsFolder(folders.data) && IsFolder(exeFolder + "/data")) folders.data = exeFolder + "/data";
    folders.config = XdgFolder(env, "XDG_CONFIG_HOME", ".config") + "/aurelant";
    // ./play kept everything here, so its saves are where the saves belong.
    folders.saves = XdgFolder(env, "XDG_DATA_HOME", ".local/share") + "/aurelant";
    folders.state = XdgFolder(env, "XDG_STATE_HOME", ".local/state") + "/aurelant";
    return folders;
}

void PrepareGameFolders(const GameFolders& folders) {
    if (folders.config.empty()) return;
    for (const std::string* folder : {&folders.config, &folders.saves, &folders.state}) MakeFolders(*folder);
    const std::string config = folders.config + "/Game.cfg";
    // Copied rather than moved: ./play goes on reading its own.
    if (!IsFile(config) && IsFile(folders.saves + "/Game.cfg")) CopyFile(folders.saves + "/Game.cfg", config);
}

void UseGameFolders(const GameFolders& folders) {
    Folders = folders;
}

void ChooseGameFolders() {
    const GameFolders folders = ResolveGameFolders(ExecutableFolder(), WorkingFolder(), LookUpEnvironment);
    PrepareGameFolders(folders);
    UseGameFolders(folders);
}

bool PlayerFilesInHomeFolders() {
    return !Folders.config.empty();
}

std::string HostPath(const char* gamePath) {
    std::string path = gamePath != nullptr ? gamePath : "";
    for (char& c : path)
        if (c == '\\') c = '/';
    if (path.empty() || path[0] == '/') return path;
    const std::string* folder = &Folders.data;
    // Game.cfg is written beside itself and moved over, so its temporary file lives with it.
    if (path == "Game.cfg" || path == "Game.cfg.tmp")
        folder = &Folders.config;
    else if (path == "Log.txt")
        folder = &Folders.state;
    else if (path == "Save" || path.starts_with("Save/"))
        folder = &Folders.saves;
    return folder->empty() ? path : *folder + "/" + path;
}
