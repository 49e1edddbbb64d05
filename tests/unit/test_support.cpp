#include "tests/unit/test_support.h"

#include "platform/platform.h"
#include "records/records.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// CTest runs every case as a process of its own, in parallel: each process gets
// its own folders, and takes them away when it ends.
struct ProcessTempDirs {
    std::vector<fs::path> made;
    ~ProcessTempDirs() {
        std::error_code ignored;
        for (const fs::path& dir : made) fs::remove_all(dir, ignored);
    }
};
ProcessTempDirs TempDirs;

} // namespace

std::string MakeTempDir(const std::string& name) {
    fs::path dir = fs::temp_directory_path() /
                   ("aurelant_test_" + name + "_" + std::to_string(static_cast<long>(getpid())));
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    fs::create_directories(dir);
    if (std::find(TempDirs.made.begin(), TempDirs.made.end(), dir) == TempDirs.made.end())
        TempDirs.made.push_back(dir);
    return dir.string();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    fs::path p(path);
    if (p.has_parent_path()) fs::create_directories(p.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::vector<std::string> ListFiles(const std::string& dir) {
    std::vector<std::string> files;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file()) files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

ScopedWorkingDir::ScopedWorkingDir(const std::string& dir) : previous_(fs::current_path().string()) {
    fs::current_path(dir);
}

ScopedWorkingDir::~ScopedWorkingDir() {
    fs::current_path(previous_);
}

bool HaveDisplay() {
    return std::getenv("DISPLAY") != nullptr;
}

bool OpenTestWindow(const char* title, int width, int height, int bits) {
    return HaveDisplay() && InitPlatform(true) &&
           OpenGameWindow(title, 0, 0, width, height, false, {bits, bits, true});
}

void CloseTestWindow() {
    if (!HaveDisplay()) return;
    DeleteRenderContext();
    CloseGameWindow();
    ShutdownPlatform();
}

void ResetRecords() {
    InitItemTable();
    InitStoneTables();
    InitMonsterTables();
    ResetHero(Hero);
}
