// The test and replay harness, built into the game: scripted input that goes
// through the same window procedure as real input, a stepped clock, PNG shots
// and plain-text state snapshots of given frames, and the timedemo.
//
// Frames are counted from 1, the boot frame. An event of frame N is delivered
// after frame N has been drawn (and after its shot and snapshot), so frame
// N + 1 is the first to show what it did.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ScriptAction {
    Press,
    Hold,
    Click,
    Move,
    PadPlug,
    PadUnplug,
    PadHold,
    PadStick,
    Hide,
    Show,
    Resize,
    AltEnter
};

struct ScriptEvent {
    uint32_t frame;
    ScriptAction action;
    int key;    // Press, Hold: virtual key; Click: 0 left, 1 right, 2 middle; PadHold: PadButton; PadStick:
                // PadStick
    int count;  // Hold, PadHold: frames held
    int dx, dy; // Move; PadStick: the stick's x and y
};

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
extern uint32_t FramesRun;

// Read the command line into Harness; false (with the reason) for a bad one.
bool ParseHarnessArgs(int argc, char** argv, std::string* error);
// Read an input script; false with the failing line number in the reason.
bool ParseInputScript(const std::string& text, std::vector<ScriptEvent>& events, std::string* error);
// Turn a key name of the script into a virtual key; 0 when unknown.
int ScriptKeyCode(const std::string& name);
// Turn a pad button name of the script into its PadButton number; -1 when unknown.
int ScriptPadButton(const std::string& name);
// Load the input script named on the command line; false (with the reason) when it is bad.
bool LoadHarnessScript(std::string* error);

// Tell whether any harness flag asks for an unattended run.
bool HarnessScripted();
// Tell whether the clock moves by fixed steps.
bool HarnessSteppedClock();

// Prepare the frame about to run (shots, timing).
void HarnessBeforeFrame();
// Finish the frame just run (snapshots, scripted input, quitting).
void HarnessAfterFrame();
// Print what the harness owes at exit (the timedemo line).
void HarnessAtExit();
