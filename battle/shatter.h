// The opening of every battle: the field's last picture, copied into a
// texture, breaks into 26 triangles that spin away one after another.
#pragma once

#include "battle/battle_state.h"

// Frames until the last piece has started to fly.
constexpr int kShatterFrames = 195;

// Draw one frame of the shatter; true once it has played out.
bool DrawShatter(ShatterRecord& shatter);
// Every piece back in place, for the next battle.
void ResetShatter(ShatterRecord& shatter);
