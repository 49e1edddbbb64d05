// Battles run under the harness and read back frame by frame: a fight is a
// run whose every recorded frame's state can be searched for the moment
// something happened, then replayed with shots of those moments (the stepped
// clock makes a battle repeat exactly).
#pragma once

#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

using State = std::map<std::string, std::string>;

// OK every `every` frames from `from` to `to`: enough to attack whenever the menu is up.
inline std::string OkEvery(int from, int to, int every) {
    std::string script;
    for (int f = from; f <= to; f += every) script += std::to_string(f) + " press X\n";
    return script;
}

struct Fight {
    std::string dir;
    GameRun run;
    std::vector<State> states; // states[i] is frame first + i * step
    int first = 0;
    int step = 1;

    const State& At(int frame) const {
        static const State none;
        const int i = (frame - first) / step;
        return frame < first || i >= static_cast<int>(states.size()) ? none : states[static_cast<size_t>(i)];
    }
    int Last() const { return first + step * (static_cast<int>(states.size()) - 1); }
    // The first recorded frame at or after `from` whose state passes the test; -1 when none.
    int Find(const std::function<bool(const State&)>& test, int from = 0) const {
        for (size_t i = 0; i < states.size(); ++i) {
            const int frame = first + static_cast<int>(i) * step;
            if (frame >= from && test(states[i])) return frame;
        }
        return -1;
    }
    std::string Shot(int frame) const { return dir + "/f" + std::to_string(frame) + ".png"; }
};

inline Fight RunFight(const std::string& name, std::vector<std::string> args, const std::string& script,
                      int frames, int step, const std::vector<int>& shots = {},
                      const std::string& config = "", int screenWidth = 1024, int screenHeight = 768) {
    Fight fight;
    fight.dir = PrepareGameDir(name, true, config);
    fight.first = 4;
    fight.step = step;
    args.insert(args.begin(), "--fixed-step");
    AddStates(args, fight.first, frames, step);
    for (int frame : shots)
        args.insert(args.end(), {"--shot", std::to_string(frame) + ":f" + std::to_string(frame) + ".png"});
    args.insert(args.end(), {"--quit-after", std::to_string(frames + 1)});
    fight.run = RunGameIn(fight.dir, args, script, screenWidth, screenHeight);
    for (int frame = fight.first; frame <= frames; frame += step) {
        State state = ReadState(StatePath(fight.dir, frame));
        if (state.empty()) break; // the game ended earlier
        fight.states.push_back(std::move(state));
    }
    return fight;
}

inline bool HasLine(const std::vector<std::string>& lines, const std::string& text) {
    for (const std::string& line : lines)
        if (line == text) return true;
    return false;
}
