// The level table as the game builds it at start-up, for tests that walk its
// real villagers, chests and exits.
#pragma once

#include "records/records.h"
#include "world/level_table.h"

inline void BuildShippedLevels() {
    LevelTable.clear();
    AppendDefaultLevels();
    InitItemTable();
    InitStoneTables();
    BuildLevelTable();
}
