// The three monsters a battle fights, filled by random encounters and story scenes.
#pragma once

#include "records/records.h"

constexpr int kBattleSlotCount = 3;

extern MonsterRecord BattleSlots[kBattleSlotCount];
