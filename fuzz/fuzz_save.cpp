// Any bytes as a slot file: refused, or loaded with every value the game
// indexes tables with inside its table; then the summary and spell lists of
// what was loaded.
#include "assets/game_state.h"
#include "menus/save_file.h"
#include "menus/slot_list.h"
#include "records/records.h"
#include "world/level_table.h"
#include "world/story_flags.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

bool Built() {
    InitItemTable();
    InitStoneTables();
    AppendDefaultLevels();
    BuildLevelTable();
    return true;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool built = Built();
    (void)built;
    const int32_t levelBefore = CurrentLevel;
    if (!DecodeSave(data, size)) {
        Check(CurrentLevel == levelBefore && SaveRefusal[0] != '\0');
        return 0;
    }
    Check(CurrentLevel >= 0 && CurrentLevel < LevelCount);
    for (const LevelRecord& level : LevelTable)
        for (const ChestRecord& chest : level.Chests)
            Check(chest.Opened <= 1 && chest.Frame >= 0 && chest.Frame <= 33);
    for (uint8_t flag : StoryFlags) Check(flag <= 1);
    Check(std::memchr(Hero.Name, 0, sizeof Hero.Name) != nullptr);
    RebuildSpellLists();
    int32_t time[3];
    Check(DecodeSaveSummary(data, size, SlotSummaries[0].Hero, time));
    SlotSummaries[0].Seconds = time[0];
    SlotSummaries[0].Minutes = time[1];
    SlotSummaries[0].Hours = time[2];
    SlotRefusals[0] = "";
    (void)SlotRow(0);
    return 0;
}
