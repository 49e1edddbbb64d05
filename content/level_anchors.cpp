// Where the game puts villagers, chests, exits and story places in each level,
// read from its own level table, so a level is built around them.
#include "content/levels_common.h"

#include "records/records.h"
#include "world/story_places.h"

const std::vector<LevelRecord>& GameLevels() {
    static const std::vector<LevelRecord> table = [] {
        LevelTable.clear();
        AppendDefaultLevels();
        InitItemTable();
        InitStoneTables();
        BuildLevelTable();
        return LevelTable;
    }();
    return table;
}

std::vector<LevelAnchor> LevelAnchors(int32_t level) {
    std::vector<LevelAnchor> out;
    const std::vector<LevelRecord>& levels = GameLevels();
    if (level < 0 || static_cast<size_t>(level) >= levels.size()) return out;
    const LevelRecord& here = levels[static_cast<size_t>(level)];
    for (int32_t i = 0; i < here.VillagerCount && i < static_cast<int32_t>(here.Villagers.size()); ++i)
        out.push_back({AnchorVillager, here.Villagers[static_cast<size_t>(i)].Position, 3.0f});
    for (int32_t i = 0; i < here.ChestCount && i < static_cast<int32_t>(here.Chests.size()); ++i)
        out.push_back({AnchorChest, here.Chests[static_cast<size_t>(i)].Position, 3.0f});
    for (int32_t i = 0; i < here.ExitCount && i < static_cast<int32_t>(here.Exits.size()); ++i)
        out.push_back({AnchorExit, here.Exits[static_cast<size_t>(i)].Trigger, 5.0f});
    for (const LevelRecord& from : levels)
        for (int32_t i = 0; i < from.ExitCount && i < static_cast<int32_t>(from.Exits.size()); ++i)
            if (from.Exits[static_cast<size_t>(i)].TargetLevel == level)
                out.push_back({AnchorArrival, from.Exits[static_cast<size_t>(i)].ArrivalPosition, 0.0f});
    if (level == kNewGameLevel) out.push_back({AnchorNewGame, kNewGameHero, 0.0f});
    for (const StoryPlace& place : StoryPlaces) {
        if (place.level != level) continue;
        const int32_t kind = place.kind == StoryTrigger  ? AnchorStoryTrigger
                             : place.kind == StoryFigure ? AnchorStoryFigure
                                                         : AnchorStoryHero;
        out.push_back({kind, place.position, place.halfWidth});
    }
    return out;
}

bool AnchorFixesFloor(const LevelAnchor& a) {
    return a.kind != AnchorExit && a.kind != AnchorStoryTrigger;
}

float AnchorFloor(const LevelAnchor& a) {
    switch (a.kind) {
    case AnchorArrival:
    case AnchorNewGame:
    case AnchorStoryHero:
        return a.position.y - 0.2f;
    default:
        return a.position.y;
    }
}

std::string AnchorLabel(const LevelAnchor& a, int32_t index) {
    static const char* names[] = {"villager",       "chest",         "exit",         "arrival",
                                  "new-game start", "story trigger", "story figure", "story hero spot"};
    const char* name = a.kind >= 0 && a.kind <= AnchorStoryHero ? names[a.kind] : "anchor";
    char at[96];
    std::snprintf(at, sizeof at, " %d at (%.2f, %.2f, %.2f)", index, a.position.x, a.position.y,
                  a.position.z);
    return std::string(name) + at;
}
