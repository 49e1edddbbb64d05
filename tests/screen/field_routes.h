// Walking routes through the shipped levels for the field screen tests, and
// small readers for what the snapshots print.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

// From the title: New Game is chosen after frame 3, field mode runs from frame 4.
inline const char* const kNewGameScript = "2 press Up\n3 press X\n";

// One leg of a route: a mouse turn (pixels to the right, 0 for none) and then
// that many frames of walking forward.
struct Leg {
    int turn;
    int steps;
};

// Appends the legs to script from frame on and returns the frame after which
// the hero has taken his last step.
inline int AddWalk(std::string& script, int frame, std::initializer_list<Leg> legs) {
    for (const Leg& leg : legs) {
        if (leg.turn != 0) script += std::to_string(frame++) + " move " + std::to_string(leg.turn) + " 0\n";
        script += std::to_string(frame) + " hold Up " + std::to_string(leg.steps) + "\n";
        frame += leg.steps;
    }
    return frame;
}

// The dungeon from the new-game spot along the corridor's middle into the exit
// square (166 steps, the box starts sliding in on about the 156th).
inline int AddDungeonToExit(std::string& script) {
    return AddWalk(script, 4, {{2356, 53}, {-522, 56}, {-65, 32}, {1208, 25}});
}
// OK given in the dungeon's exit, late enough for the box to be in view even
// at 480 pixels (31 frames of sliding); the fade lasts 52 frames from here.
constexpr int kDungeonExitOk = 195;
// A few frames after the arrival in Vorudu, where the village routes start.
constexpr int kVoruduStart = 252;

// Vorudu from the dungeon's arrival point, along the road.
inline int AddVoruduToUmos(std::string& script) {
    return AddWalk(script, kVoruduStart, {{45, 263}, {-44, 300}, {1014, 50}});
}
inline int AddVoruduToHonus(std::string& script) {
    return AddWalk(script, kVoruduStart, {{45, 263}, {-44, 300}, {-83, 300}, {109, 240}, {-1538, 180}});
}

// New game, out of the dungeon and into Vorudu.
inline std::string ScriptIntoVorudu() {
    std::string script = kNewGameScript;
    AddDungeonToExit(script);
    script += std::to_string(kDungeonExitOk) + " press X\n";
    return script;
}

struct Vec3 {
    double x = NAN, y = NAN, z = NAN;
};

inline Vec3 ParseVec3(const std::string& text) {
    Vec3 v;
    if (std::sscanf(text.c_str(), "%lf %lf %lf", &v.x, &v.y, &v.z) != 3) return Vec3{};
    return v;
}

// A float as the snapshot prints it.
inline std::string Printed(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}
inline std::string Printed(float x, float y, float z) {
    return Printed(x) + " " + Printed(y) + " " + Printed(z);
}

// Routes about the field walk on past the dungeon's 100th step without its battle.
inline void WalkPastBattles(std::vector<std::string>& args) {
    args.insert(args.end(), {"--encounter-steps", "100000"});
}

// "--state" arguments for every frame from first to last, into s<frame>.txt.
inline void AddStates(std::vector<std::string>& args, int first, int last, int every = 1) {
    for (int frame = first; frame <= last; frame += every) {
        args.push_back("--state");
        args.push_back(std::to_string(frame) + ":s" + std::to_string(frame) + ".txt");
    }
}

inline std::string StatePath(const std::string& dir, int frame) {
    return dir + "/s" + std::to_string(frame) + ".txt";
}

inline int IntOf(const std::map<std::string, std::string>& state, const std::string& name) {
    const auto found = state.find(name);
    return found == state.end() ? -99999 : std::atoi(found->second.c_str());
}
