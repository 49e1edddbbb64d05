// Story progress: flag k is set when story scene k has finished. The exits read
// it to decide whether the hero may leave, and it is saved with the game.
#pragma once

#include <cstdint>

constexpr int kStoryFlagCount = 6;

extern uint8_t StoryFlags[kStoryFlagCount];
