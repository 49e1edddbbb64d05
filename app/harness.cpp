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

// The first field frame of a run that skips part of the story marks those scenes done.
void PlaceStartStory() {
    static bool placed = false;
    if (placed || Harness.story == 0 || GameMode != ModeField) return;
    placed = true;
    for (int32_t k = 0; k < Harness.story && k < kStoryFlagCount; ++k) StoryFlags[k] = 1;
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

bool LoadHarnessScript(std::string* error) {
    Events.clear();
    NextEvent = 0;
    StartLevelPlaced = false;
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
