#include "battle/battle_slots.h"

MonsterRecord BattleSlots[kBattleSlotCount] = {};
