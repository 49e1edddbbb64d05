// Where the game's files live on disk. The game names its files as it always
// has ("Game.cfg", "Log.txt", "Save/Slot1.sav", "Levels\\Vorudu.m3d"); this is
// the one place that turns such a name into a path on the disk.
#pragma once

#include <string>

// Each kind of file has its folder; an empty folder is the working folder.
struct GameFolders {
    std::string data;   // everything the game reads and never writes
    std::string config; // Game.cfg
    std::string saves;  // the folder that holds Save/
    std::string state;  // Log.txt
};

// Reads an environment variable: null when it is not set.
using EnvironmentLookup = const char* (*)(const char* name);

// A working folder that holds Game.cfg or the data is a game folder: the game
// started there keeps every file in it. Otherwise the data lies beside the
// executable (../share/aurelant once installed, data/ in a build tree) and the
// player's files go to the XDG folders, $XDG_CONFIG_HOME, $XDG_DATA_HOME and
// $XDG_STATE_HOME, each below $HOME when unset, empty or not absolute.
GameFolders ResolveGameFolders(const std::string& exeFolder, const std::string& workFolder,
                               EnvironmentLookup env);
// Create the player's folders, and give the config folder the Game.cfg that
// ./play kept beside the saves when it has none of its own yet.
void PrepareGameFolders(const GameFolders& folders);
// Use these folders for every game path from now on.
void UseGameFolders(const GameFolders& folders);
// The path on disk of a game path; an absolute path stays as it is.
std::string HostPath(const char* gamePath);
