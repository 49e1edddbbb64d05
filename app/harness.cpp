#include "app/harness.h"

#include "app/state_snapshot.h"
#include "assets/game_state.h"
#include "assets/quit.h"
#include "platform/platform.h"
#include "records/records.h"
#include "world/encounters.h"
#include "world/level_change.h"
#include "world/level_table.h"
#include "world/story_flags.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

HarnessOptions Harness;
uint32_t FramesRun = 0;

namespace {

std::vector<ScriptEvent> Events;
size_t NextEvent = 0;
struct Release {
    uint32_t frame;
    int key;
    bool pad; // key is a PadButton
};
std::vector<Release> Releases;

using Clock = std::chrono::steady_clock;
Clock::time_point FrameStart;
std::vector<double> FrameMilliseconds;
// Processor time of the timed frames, every thread of the game's together: on
// a shared machine it moves far less than the wall clock does.
double FrameCpuMilliseconds = 0;
std::clock_t FrameCpuStart = 0;
bool StartLevelPlaced = false;

// The first field frame of a run that asked for a level lands the hero there.
void PlaceStartLevel() {
    if (StartLevelPlaced || Harness.startLevel < 0 || GameMode != ModeField) return;
    StartLevelPlaced = true;
    if (CurrentLevel == Harness.startLevel) return;
    if (!ArriveInLevel(Harness.startLevel))
        std::fprintf(stderr, "--level %d: no exit leads there; staying in level %d\n", Harness.startLevel,
                     CurrentLevel);
}

// The first field frame of a run that asked for a battle asks for it, as a story scene would.
void PlaceStartBattle() {
    static bool placed = false;
    if (placed || Harness.battle.empty() || GameMode != ModeField) return;
    placed = true;
    const MonsterRecord* chosen[3] = {};
    for (size_t i = 0; i < Harness.battle.size() && i < 3; ++i)
        chosen[i] = &MonsterTemplates[Harness.battle[i]];
    StartScriptedBattle(chosen[0], chosen[1], chosen[2], static_cast<int32_t>(Harness.battle.size()));
}

// The first field frame of a run that asked for Warps or a fury bar gives them to the hero.
void PlaceStartStones() {
    static bool placed = false;
    if (placed || GameMode != ModeField) return;
    placed = true;
    for (size_t i = 0; i < Harness.warps.size() && i < kWarpHolderSlots; ++i)
        Hero.WarpHolders[0][i] = WarpTemplate(Harness.warps[i]);
    if (Harness.fury >= 0) Hero.FuryBar = Harness.fury;
}

// "Ice,Kintos" into Warp template indices; false for an unknown name or too many.
bool ParseWarps(const std::string& text, std::vector<int32_t>* kinds) {
    std::stringstream list(text);
    std::string name;
    kinds->clear();
    while (std::getline(list, name, ',')) {
        int32_t found = -1;
        for (int32_t k = 0; k < kWarpTemplateCount; ++k)
            if (NameEquals(WarpTemplate(k).Name, name.c_str())) found = k;
        if (found < 0 || kinds->size() == static_cast<size_t>(kWarpHolderSlots)) return false;
        kinds->push_back(found);
    }
    return !kinds->empty();
}

// The first field frame of a run that skips part of the story marks those scenes done.
void PlaceStartStory() {
    static bool placed = false;
    if (placed || Harness.story == 0 || GameMode != ModeField) return;
    placed = true;
    for (int32_t k = 0; k < Harness.story && k < kStoryFlagCount; ++k) StoryFlags[k] = 1;
}

// "Ogre,Bat" into template indices; false for an unknown name or more than three.
bool ParseBattle(const std::string& text, std::vector<int32_t>* kinds) {
    std::stringstream list(text);
    std::string name;
    kinds->clear();
    while (std::getline(list, name, ',')) {
        int32_t found = -1;
        for (int32_t k = 0; k < kMonsterTemplateCount; ++k)
            if (NameEquals(MonsterTemplates[k].Name, name.c_str())) found = k;
        if (found < 0 || kinds->size() == 3) return false;
        kinds->push_back(found);
    }
    return !kinds->empty();
}

bool ParseUnsigned(const std::string& text, uint32_t* value) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    *value = static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

bool ParseSigned(const std::string& text, int* value) {
    const bool negative = !text.empty() && text[0] == '-';
    uint32_t magnitude = 0;
    if (!ParseUnsigned(negative ? text.substr(1) : text, &magnitude)) return false;
    *value = negative ? -static_cast<int>(magnitude) : static_cast<int>(magnitude);
    return true;
}

bool ParseFrameFile(const std::string& text, FrameFile* out) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos || colon + 1 >= text.size()) return false;
    out->path = text.substr(colon + 1);
    return ParseUnsigned(text.substr(0, colon), &out->frame) && out->frame > 0;
}

void Deliver(const ScriptEvent& event) {
    switch (event.action) {
    case ScriptAction::Press:
        PostPlatformMessage({MessageType::KeyDown, event.key, 0});
        break;
    case ScriptAction::Hold:
        PostPlatformMessage({MessageType::KeyDown, event.key, 0});
        SetScriptedKey(event.key, true);
        Releases.push_back({event.frame + static_cast<uint32_t>(event.count), event.key, false});
        break;
    case ScriptAction::Click: {
        static const MessageType buttons[3] = {MessageType::LeftButtonDown, MessageType::RightButtonDown,
                                               MessageType::MiddleButtonDown};
        PostPlatformMessage({buttons[event.key], 0, 0});
        break;
    }
    case ScriptAction::Move:
        NudgeCursor(event.dx, event.dy);
        break;
    case ScriptAction::PadPlug:
        PlugVirtualPad();
        break;
    case ScriptAction::PadUnplug:
        UnplugVirtualPad();
        break;
    case ScriptAction::PadHold:
        SetVirtualPadButton(static_cast<PadButton>(event.key), true);
        Releases.push_back({event.frame + static_cast<uint32_t>(event.count), event.key, true});
        break;
    case ScriptAction::PadStick:
        SetVirtualPadStick(static_cast<PadStick>(event.key), event.dx, event.dy);
        break;
    case ScriptAction::Hide:
    case ScriptAction::Show:
        ShowGameWindow(event.action == ScriptAction::Show);
        break;
    case ScriptAction::Resize:
        ResizeGameWindow(event.dx, event.dy);
        break;
    case ScriptAction::AltEnter:
        ToggleFullScreen();
        break;
    }
}

// The pad lines: "pad plug", "pad unplug", "pad press B", "pad hold B FRAMES", "pad stick left|right X Y".
bool ParsePadLine(const std::vector<std::string>& w, ScriptEvent* event) {
    if (w.size() == 3 && w[2] == "plug") {
        event->action = ScriptAction::PadPlug;
        return true;
    }
    if (w.size() == 3 && w[2] == "unplug") {
        event->action = ScriptAction::PadUnplug;
        return true;
    }
    uint32_t count = 1;
    if ((w.size() == 4 && w[2] == "press") ||
        (w.size() == 5 && w[2] == "hold" && ParseUnsigned(w[4], &count) && count > 0)) {
        event->action = ScriptAction::PadHold;
        event->key = ScriptPadButton(w[3]);
        event->count = static_cast<int>(count);
        return event->key >= 0;
    }
    if (w.size() == 6 && w[2] == "stick" && (w[3] == "left" || w[3] == "right")) {
        event->action = ScriptAction::PadStick;
        event->key = static_cast<int>(w[3] == "left" ? PadStick::Left : PadStick::Right);
        return ParseSigned(w[4], &event->dx) && ParseSigned(w[5], &event->dy);
    }
    return false;
}

void WriteSnapshots() {
    for (const FrameFile& state : Harness.states) {
        if (state.frame != FramesRun) continue;
        FILE* file = std::fopen(state.path.c_str(), "w");
        if (!file) {
            PlatformWarning("cannot write state snapshot %s", state.path.c_str());
            continue;
        }
        WriteStateSnapshot(file);
        std::fclose(file);
    }
}

} // namespace

int ScriptKeyCode(const std::string& name) {
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= 'A' && c <= 'Z') return c;
        if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
        if (c >= '0' && c <= '9') return c;
        return 0;
    }
    static const struct {
        const char* name;
        int key;
    } named[] = {{"Up", KeyUp},         {"Down", KeyDown},   {"Left", KeyLeft},  {"Right", KeyRight},
                 {"Escape", KeyEscape}, {"Enter", KeyEnter}, {"Space", KeySpace}};
    for (const auto& entry : named)
        if (name == entry.name) return entry.key;
    return 0;
}

int ScriptPadButton(const std::string& name) {
    static const char* const names[] = {"south", "east", "west", "north", "back", "start",
                                        "lb",    "rb",   "up",   "down",  "left", "right"};
    for (size_t i = 0; i < sizeof names / sizeof names[0]; ++i)
        if (name == names[i]) return static_cast<int>(i);
    return -1;
}

bool ParseInputScript(const std::string& text, std::vector<ScriptEvent>& events, std::string* error) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty()) continue;

        ScriptEvent event = {0, ScriptAction::Press, 0, 0, 0, 0};
        bool ok = w.size() >= 2 && ParseUnsigned(w[0], &event.frame) && event.frame > 0;
        if (ok && w[1] == "press" && w.size() == 3) {
            event.key = ScriptKeyCode(w[2]);
            ok = event.key != 0;
        } else if (ok && w[1] == "hold" && w.size() == 4) {
            event.action = ScriptAction::Hold;
            event.key = ScriptKeyCode(w[2]);
            uint32_t count = 0;
            ok = event.key != 0 && ParseUnsigned(w[3], &count) && count > 0;
            event.count = static_cast<int>(count);
        } else if (ok && w[1] == "click" && w.size() == 3) {
            event.action = ScriptAction::Click;
            event.key = w[2] == "left" ? 0 : w[2] == "right" ? 1 : w[2] == "middle" ? 2 : -1;
            ok = event.key >= 0;
        } else if (ok && w[1] == "move" && w.size() == 4) {
            event.action = ScriptAction::Move;
            ok = ParseSigned(w[2], &event.dx) && ParseSigned(w[3], &event.dy);
        } else if (ok && (w[1] == "hide" || w[1] == "show") && w.size() == 2) {
            event.action = w[1] == "hide" ? ScriptAction::Hide : ScriptAction::Show;
        } else if (ok && w[1] == "resize" && w.size() == 4) {
            event.action = ScriptAction::Resize;
            ok = ParseSigned(w[2], &event.dx) && ParseSigned(w[3], &event.dy) && event.dx > 0 && event.dy > 0;
        } else if (ok && w[1] == "altenter" && w.size() == 2) {
            event.action = ScriptAction::AltEnter;
        } else if (ok && w[1] == "pad") {
            ok = ParsePadLine(w, &event);
        } else {
            ok = false;
        }
        if (!ok) {
            if (error)
                *error = "input script line " + std::to_string(number) + ": cannot read \"" + line + "\"";
            return false;
        }
        events.push_back(event);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
    return true;
}

bool ParseHarnessArgs(int argc, char** argv, std::string* error) {
    Harness = HarnessOptions();
    StartLevelPlaced = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--windowed") {
            Harness.windowed = true;
        } else if (arg == "--fixed-step") {
            Harness.fixedStep = true;
        } else if (arg == "--timedemo") {
            Harness.timedemo = true;
            Harness.fixedStep = true;
        } else if (arg == "--plain-draw") {
            Harness.plainDraw = true;
        } else if (arg == "--bare-frame") {
            Harness.bareFrame = true;
        } else if (arg == "--fill-frame") {
            Harness.fillFrame = true;
        } else if (arg == "--overdraw") {
            Harness.overdraw = true;
        } else if (arg == "--input" && hasValue) {
            Harness.inputFile = argv[++i];
        } else if ((arg == "--shot" || arg == "--state") && hasValue) {
            FrameFile file;
            if (!ParseFrameFile(argv[++i], &file)) {
                *error = arg + " wants FRAME:PATH, not \"" + argv[i] + "\"";
                return false;
            }
            (arg == "--shot" ? Harness.shots : Harness.states).push_back(file);
        } else if (arg == "--quit-after" && hasValue) {
            if (!ParseUnsigned(argv[++i], &Harness.quitAfter) || Harness.quitAfter == 0) {
                *error = std::string("--quit-after wants a frame count, not \"") + argv[i] + "\"";
                return false;
            }
        } else if (arg == "--level" && hasValue) {
            uint32_t level = 0;
            if (!ParseUnsigned(argv[++i], &level) || level >= static_cast<uint32_t>(kLevelTotal)) {
                *error = "--level wants a level from 0 to " + std::to_string(kLevelTotal - 1) + ", not \"" +
                         argv[i] + "\"";
                return false;
            }
            Harness.startLevel = static_cast<int32_t>(level);
        } else if (arg == "--battle" && hasValue) {
            if (!ParseBattle(argv[++i], &Harness.battle)) {
                *error = std::string("--battle wants one to three monster names such as Ogre,Bat, not \"") +
                         argv[i] + "\"";
                return false;
            }
        } else if (arg == "--warps" && hasValue) {
            if (!ParseWarps(argv[++i], &Harness.warps)) {
                *error = std::string("--warps wants Warp names such as Ice,MegaAll,Kintos, not \"") +
                         argv[i] + "\"";
                return false;
            }
        } else if (arg == "--fury" && hasValue) {
            uint32_t fury = 0;
            if (!ParseUnsigned(argv[++i], &fury) || fury > 100) {
                *error = std::string("--fury wants a bar from 0 to 100, not \"") + argv[i] + "\"";
                return false;
            }
            Harness.fury = static_cast<int32_t>(fury);
        } else if (arg == "--story" && hasValue) {
            uint32_t scenes = 0;
            if (!ParseUnsigned(argv[++i], &scenes) || scenes > static_cast<uint32_t>(kStoryFlagCount)) {
                *error = "--story wants a scene count from 0 to " + std::to_string(kStoryFlagCount) +
                         ", not \"" + argv[i] + "\"";
                return false;
            }
            Harness.story = static_cast<int32_t>(scenes);
        } else if (arg == "--encounter-steps" && hasValue) {
            if (!ParseUnsigned(argv[++i], &Harness.encounterSteps) || Harness.encounterSteps == 0) {
                *error = std::string("--encounter-steps wants a step count, not \"") + argv[i] + "\"";
                return false;
            }
        } else {
            *error = "unknown or incomplete argument \"" + arg + "\"";
            return false;
        }
    }
    // A timedemo always ends, even without a script that quits.
    if (Harness.timedemo && Harness.quitAfter == 0) Harness.quitAfter = 900;
    return true;
}

bool LoadHarnessScript(std::string* error) {
    Events.clear();
    NextEvent = 0;
    if (Harness.inputFile.empty()) return true;
    std::ifstream in(Harness.inputFile, std::ios::binary);
    if (!in) {
        *error = "cannot open input script " + Harness.inputFile;
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    return ParseInputScript(text.str(), Events, error);
}

bool HarnessScripted() {
    return Harness.fixedStep || Harness.timedemo || !Harness.inputFile.empty() || !Harness.shots.empty() ||
           !Harness.states.empty() || Harness.quitAfter != 0 || Harness.startLevel >= 0;
}

bool HarnessSteppedClock() {
    return Harness.fixedStep;
}

void HarnessBeforeFrame() {
    ++FramesRun;
    PlaceStartLevel();
    PlaceStartStones();
    PlaceStartStory();
    PlaceStartBattle();
    for (const FrameFile& shot : Harness.shots)
        if (shot.frame == FramesRun) RequestScreenshot(shot.path.c_str());
    FrameStart = Clock::now();
    FrameCpuStart = std::clock();
}

void HarnessAfterFrame() {
    if (Harness.timedemo && FramesRun > 1) {
        FrameMilliseconds.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - FrameStart).count());
        FrameCpuMilliseconds += 1000.0 * static_cast<double>(std::clock() - FrameCpuStart) / CLOCKS_PER_SEC;
    }
    WriteSnapshots();

    for (auto it = Releases.begin(); it != Releases.end();) {
        if (it->frame <= FramesRun) {
            if (it->pad)
                SetVirtualPadButton(static_cast<PadButton>(it->key), false);
            else
                SetScriptedKey(it->key, false);
            it = Releases.erase(it);
        } else {
            ++it;
        }
    }
    while (NextEvent < Events.size() && Events[NextEvent].frame <= FramesRun) Deliver(Events[NextEvent++]);

    if (Harness.quitAfter != 0 && FramesRun == Harness.quitAfter) QuitSequence();
}

void HarnessAtExit() {
    if (!Harness.timedemo) return;
    std::vector<double> times = FrameMilliseconds;
    double total = 0;
    for (double t : times) total += t;
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    const double mean = n ? total / n : 0;
    const double p95 = n ? times[std::min(n - 1, (n * 95 + 99) / 100 - 1)] : 0;
    const double worst = n ? times.back() : 0;
    std::printf("timedemo: %zu frames in %.3f s, mean %.3f ms, p95 %.3f ms, worst %.3f ms, cpu %.3f ms\n", n,
                total / 1000.0, mean, p95, worst, n ? FrameCpuMilliseconds / n : 0);
    std::fflush(stdout);
}
