// Story progress: flag k is set when story scene k has finished. The exits read
// it to decide whether the hero may leave, and it is saved with the game.
#pragma once

#include <cstdint>

// Named after the scene that sets them.
enum StoryFlag : int {
    StorySwordFound = 0,     // the sword in the dungeon below Vorudu, and its first battle
    StoryTemporHeard = 1,    // Tempor's tale in Vorudu
    StoryForestSpot = 2,     // the spot in the Forgotten Forest
    StoryBehemothBeaten = 3, // the Behemoth of the forest
    StoryTimsonHeard = 4,    // Timson's tale in Mistilia
    StoryLimbusFought = 5,   // the last battle, in the Dungeon of the Damned
};
constexpr int kStoryFlagCount = 6;

extern uint8_t StoryFlags[kStoryFlagCount];
