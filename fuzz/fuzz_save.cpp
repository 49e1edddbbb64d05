// Any bytes as a slot file: refused, or loaded with every value the game
// indexes tables with inside its table; then the summary and spell lists of
// what was loaded.
#include "app/game_state.h"
#include "battle/records.h"
#include "menus/save_file.h"
#include "menus/slot_list.h"
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
    Check(DecodeSaveSummary(data, size, SlotSummaries[0].Hero,
                            reinterpret_cast<int32_t(&)[3]>(SlotSummaries[0].Hours)));
    SlotRefusals[0] = "";
    (void)SlotRow(0);
    return 0;
}
