// The harness's command line: the flags of an unattended, scripted or timed
// run, read once at start into Harness.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FrameFile {
    uint32_t frame;
    std::string path;
};

struct HarnessOptions {
    bool windowed = false;
    bool fixedStep = false;
    bool timedemo = false;
    bool plainDraw = false; // every level object drawn, seen or not, in the plain order
    bool bareFrame = false; // every frame after the boot only clears and swaps
    bool fillFrame = false; // every frame after the boot shades each pixel once, as the field's ground
    bool overdraw = false;  // field frames count the fragments each pixel takes, printed at exit
    uint32_t quitAfter = 0;
    int32_t startLevel = -1;     // placed there once the field first runs; -1 leaves the new game's start
    uint32_t encounterSteps = 0; // steps to the first random battle; 0 keeps the game's own
    std::vector<int32_t> battle; // monster kinds of a battle started on the first field frame
    std::vector<int32_t> warps;  // Warp kinds set into the first holder on the first field frame
    int32_t fury = -1;           // the fury bar on the first field frame; -1 leaves it
    int32_t story = 0;           // story scenes 0..story-1 marked done on the first field frame
    std::string inputFile;
    std::vector<FrameFile> shots;
    std::vector<FrameFile> states;
};

extern HarnessOptions Harness;

// Read the command line into Harness; false (with the reason) for a bad one.
bool ParseHarnessArgs(int argc, char** argv, std::string* error);
// Tell whether any harness flag asks for an unattended run.
bool HarnessScripted();
// Tell whether the clock moves by fixed steps.
bool HarnessSteppedClock();
