// The test and replay harness, built into the game: scripted input that goes
// through the same window procedure as real input, a stepped clock, PNG shots
// and plain-text state snapshots of given frames, and the timedemo.
//
// Frames are counted from 1, the boot frame. An event of frame N is delivered
// after frame N has been drawn (and after its shot and snapshot), so frame
// N + 1 is the first to show what it did.
#pragma once

#include "app/harness_args.h"
#include "app/input_script.h"

#include <cstdint>
#include <string>

extern uint32_t FramesRun;

// Load the input script named on the command line; false (with the reason) when it is bad.
bool LoadHarnessScript(std::string* error);

// Prepare the frame about to run (shots, timing).
void HarnessBeforeFrame();
// Finish the frame just run (snapshots, scripted input, quitting).
void HarnessAfterFrame();
// Print what the harness owes at exit (the timedemo line).
void HarnessAtExit();
