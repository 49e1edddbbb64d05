#include "records/battle_slots.h"

MonsterRecord BattleSlots[kBattleSlotCount] = {};
