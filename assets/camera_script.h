// Scripted camera flights (.scp): up to ten keys, each a full camera and the
// number of game frames taken to reach it from the key before. Playback moves
// the one Camera by equal steps, one per game frame, and clears
// CameraScriptPlaying when the last key is reached.
#pragma once

#include "assets/vector.h"

#include <cstddef>
#include <cstdint>

struct CameraKey {
    CVector3 Position;
    CVector3 ViewPoint;
    CVector3 UpVector;
    int32_t Steps; // frames taken to get here from the previous key
};
static_assert(sizeof(CameraKey) == 40);
static_assert(offsetof(CameraKey, ViewPoint) == 12);
static_assert(offsetof(CameraKey, UpVector) == 24);
static_assert(offsetof(CameraKey, Steps) == 36);

constexpr int32_t kCameraKeyCount = 10;

extern CameraKey CameraKeys[kCameraKeyCount];
extern int32_t CameraLastKey;  // index of the last key line read
extern int32_t CameraKeyIndex; // the key being moved towards
extern int32_t CameraStepCount;
extern CameraKey CameraFromKey; // where the current move started
extern bool CameraScriptPlaying;

// Read key lines from an .scp text held in memory into a cleared table. Reading
// ends at the first line that does not give all eleven values or whose index is
// outside the table. Returns the number of key lines stored.
int32_t ParseCameraScript(const char* text, size_t size, CameraKey (&keys)[kCameraKeyCount],
                          int32_t& lastKey);

// Clear the key table and read a script file into it; a missing file leaves it cleared.
void LoadCameraScript(const char* fileName);
// Load a script, put the camera on its first key and start playing.
void StartCameraScript(const char* fileName);
// Move the camera one step from `from` towards `to`; returns the from key for the next step.
CameraKey PlayCameraStep(CameraKey from, CameraKey to);
// One game frame of the playing script, if any.
void UpdateCameraScript();
