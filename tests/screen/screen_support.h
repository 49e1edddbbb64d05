// Runs the real game under Xvfb with scripted input and reads back what it
// left: the exit code, Log.txt, state snapshots and PNG shots.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

struct GameRun {
    int exitCode = -1;
    std::string dir; // the working directory the game ran in
    std::string stdoutText;
    std::string stderrText;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba; // top row first

    const uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int count = 0;
    bool Empty() const { return count == 0; }
};

// A fresh working directory for one run, kept in the build tree for a look
// afterwards; withData links the built game data in.
std::string PrepareGameDir(const std::string& name, bool withData, const std::string& config = "");
// Run the game in dir under an Xvfb screen of this size; script is the --input text ("" for none).
// Sound goes to SDL's dummy driver unless SDL_AUDIODRIVER names another.
GameRun RunGameIn(const std::string& dir, const std::vector<std::string>& args,
                  const std::string& script = "", int screenWidth = 1024, int screenHeight = 768);
// The log's lines.
std::vector<std::string> LogLines(const std::string& dir);
// A state snapshot as name -> rest of line.
std::map<std::string, std::string> ReadState(const std::string& path);
// Whether a snapshot holds each "Name=value" given (a name it lacks reads "");
// a failure names every one that differs.
testing::AssertionResult StateIs(const std::map<std::string, std::string>& state,
                                 std::initializer_list<std::string> expected);
// Read a PNG written by the game; empty image when it cannot be read.
Image ReadPNG(const std::string& path);
// The bounding box of pixels in a region whose colour passes the test.
template <typename Pred>
Box FindPixels(const Image& image, int x0, int y0, int x1, int y1, Pred pred) {
    Box box;
    for (int y = y0; y < y1 && y < image.height; ++y)
        for (int x = x0; x < x1 && x < image.width; ++x) {
            const uint8_t* p = image.At(x, y);
            if (!pred(p[0], p[1], p[2])) continue;
            ++box.count;
            if (x < box.left) box.left = x;
            if (x > box.right) box.right = x;
            if (y < box.top) box.top = y;
            if (y > box.bottom) box.bottom = y;
        }
    return box;
}
// The console panel: a blue that darkens toward its lower edge, never grey or black.
inline bool IsPanelBlue(int r, int g, int b) {
    return b > 30 && b > 2 * r + 10 && b > g + 15;
}
// The white of printed text.
inline bool IsWhite(int r, int g, int b) {
    return r > 200 && g > 200 && b > 200;
}
