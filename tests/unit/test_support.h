// Small helpers shared by the unit tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Several figures compared in one check, in the order listed.
using Figures = std::vector<int32_t>;

// A fresh empty directory for one test, removed by the next run.
std::string MakeTempDir(const std::string& name);
// Write bytes to a file, creating its parent directories.
void WriteFile(const std::string& path, const std::string& bytes);
// Read a whole file; empty when it does not exist.
std::string ReadFile(const std::string& path);
// Every regular file below a directory, sorted.
std::vector<std::string> ListFiles(const std::string& dir);

// The game's tables filled and the hero back to a new game's, as the boot
// leaves them.
void ResetRecords();

// Whether an X display is there for the GL tests; without one they skip.
bool HaveDisplay();
// Start the platform and open a windowed game window of this size and colour
// depth; false without a display or when it cannot be made. The caller makes
// the context.
bool OpenTestWindow(const char* title, int width, int height, int bits);
// Release the context and window OpenTestWindow's caller made.
void CloseTestWindow();

// Runs the test body inside a directory and returns to the old one after.
class ScopedWorkingDir {
  public:
    explicit ScopedWorkingDir(const std::string& dir);
    ~ScopedWorkingDir();

  private:
    std::string previous_;
};
