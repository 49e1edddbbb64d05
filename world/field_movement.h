// The keyboard step of field mode: walking forward and back along the camera's
// view with the walk animation, and turning the hero with the camera orbiting
// him. Keys are read as held, not as presses, so walking is smooth.
#pragma once

#include <cstdint>

// The walk animation's frames.
constexpr int32_t kWalkFrameCount = 35;
// 3 degrees in radians: the camera orbits by the angle the hero turns.
constexpr float kTurnRadians = 0.05235988f;
constexpr float kTurnDegrees = 3.0f;

// The walk frame last put into the hero's model.
extern int32_t WalkFrame;

void WalkForward();
void WalkBackward();
void TurnLeft();
void TurnRight();
// Read the walking keys and act on each that is held, in a fixed order.
void FieldMovement();
