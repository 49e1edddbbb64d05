// The game's sound effects: short one-shot sounds, synthesised from fixed
// seeds, one for every effect the game names, all at an even loudness.
#pragma once

#include "assets/sound_effects.h"
#include "content/audio.h"

#include <string>
#include <vector>

struct SoundFile {
    std::string gamePath;
    Sound sound;
};

constexpr int kSoundRate = 22050;

// The sound of one effect, levelled.
Sound SynthesiseEffect(SoundEffect effect);
// Every effect of the game's table with its file name.
std::vector<SoundFile> BuildSounds();
