#include "app/harness_args.h"

#include "app/input_script.h"
#include "records/records.h"
#include "world/level_table.h"
#include "world/story_flags.h"

#include <sstream>

HarnessOptions Harness;

namespace {

// "Ogre,Bat" into the indices of a table's entries of those names; false for
// an unknown name, more than `most`, or none.
template <class Named>
bool ParseNameList(const std::string& text, int32_t count, size_t most, Named named,
                   std::vector<int32_t>* kinds) {
    std::stringstream list(text);
    std::string name;
    kinds->clear();
    while (std::getline(list, name, ',')) {
        int32_t found = -1;
        for (int32_t k = 0; k < count; ++k)
            if (named(k, name.c_str())) found = k;
        if (found < 0 || kinds->size() == most) return false;
        kinds->push_back(found);
    }
    return !kinds->empty();
}

// "Ice,Kintos" into Warp template indices, at most a holder's worth.
bool ParseWarps(const std::string& text, std::vector<int32_t>* kinds) {
    return ParseNameList(
        text, kWarpTemplateCount, kWarpHolderSlots,
        [](int32_t k, const char* name) { return NameEquals(WarpTemplate(k).Name, name); }, kinds);
}

// "Ogre,Bat" into monster template indices, at most a battle's three.
bool ParseBattle(const std::string& text, std::vector<int32_t>* kinds) {
    return ParseNameList(
        text, kMonsterTemplateCount, 3,
        [](int32_t k, const char* name) { return NameEquals(MonsterTemplates[k].Name, name); }, kinds);
}

bool ParseFrameFile(const std::string& text, FrameFile* out) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos || colon + 1 >= text.size()) return false;
    out->path = text.substr(colon + 1);
    return ParseScriptCount(text.substr(0, colon), &out->frame) && out->frame > 0;
}

} // namespace

bool ParseHarnessArgs(int argc, char** argv, std::string* error) {
    Harness = HarnessOptions();
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
            if (!ParseScriptCount(argv[++i], &Harness.quitAfter) || Harness.quitAfter == 0) {
                *error = std::string("--quit-after wants a frame count, not \"") + argv[i] + "\"";
                return false;
            }
        } else if (arg == "--level" && hasValue) {
            uint32_t level = 0;
            if (!ParseScriptCount(argv[++i], &level) || level >= static_cast<uint32_t>(kLevelTotal)) {
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
            if (!ParseScriptCount(argv[++i], &fury) || fury > 100) {
                *error = std::string("--fury wants a bar from 0 to 100, not \"") + argv[i] + "\"";
                return false;
            }
            Harness.fury = static_cast<int32_t>(fury);
        } else if (arg == "--story" && hasValue) {
            uint32_t scenes = 0;
            if (!ParseScriptCount(argv[++i], &scenes) || scenes > static_cast<uint32_t>(kStoryFlagCount)) {
                *error = "--story wants a scene count from 0 to " + std::to_string(kStoryFlagCount) +
                         ", not \"" + argv[i] + "\"";
                return false;
            }
            Harness.story = static_cast<int32_t>(scenes);
        } else if (arg == "--encounter-steps" && hasValue) {
            if (!ParseScriptCount(argv[++i], &Harness.encounterSteps) || Harness.encounterSteps == 0) {
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

bool HarnessScripted() {
    return Harness.fixedStep || Harness.timedemo || !Harness.inputFile.empty() || !Harness.shots.empty() ||
           !Harness.states.empty() || Harness.quitAfter != 0 || Harness.startLevel >= 0;
}

bool HarnessSteppedClock() {
    return Harness.fixedStep;
}
