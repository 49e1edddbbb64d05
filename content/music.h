// The game's five tunes, each a seamless loop with its own character.
#pragma once

#include "content/audio.h"

#include <string>
#include <vector>

struct MusicFile {
    std::string gamePath;
    Sound sound;
};

constexpr int kMusicRate = 22050;

Sound ComposeSad();    // the village: a slow piano lament in A minor
Sound ComposeFuzzy();  // the dungeons: a low drone, a heartbeat and stray bells
Sound ComposeAlone();  // the world map: a lonely flute over open fifths in D dorian
Sound ComposeFlow();   // the forest: rippling harp in three, E major
Sound ComposeBattle(); // battles: driving bass, drums and brass in E minor

std::vector<MusicFile> BuildMusic();
