#include "world/encounters.h"

#include "assets/game_state.h"
#include "records/battle_slots.h"
#include "world/field_common.h"

#include <cstdlib>

int32_t StepCounter = 0;
int32_t StepsToEncounter = 100;
uint8_t EncounterSeeded = 0;
uint8_t EncounterPending = 0;
uint8_t ScriptedBattle = 0;

void CountStep() {
    const LevelRecord* level = LevelAt(CurrentLevel);
    if (!level || level->RandomBattles == 0) return;
    StepCounter = SaturatingAdd(StepCounter, 1);
    if (StepCounter < StepsToEncounter) return;
    ScriptedBattle = 0;
    EncounterPending = 1;
    StepCounter = 0;
    StepsToEncounter = 100 + std::rand() % 200;
}

void EmptyBattleSlot(MonsterRecord& slot) {
    slot.HP = 0;
    slot.Dead = 1;
    slot.DeathSink = 5.0f;
}

void PlaceMonsters(int32_t count) {
    struct Places {
        CVector3 slot[kBattleSlotCount];
    };
    static const Places places[kBattleSlotCount] = {
        {{{4, 0, 20}}},
        {{{8, 0, 20}, {0, 0, 20}}},
        {{{8, 0, 20}, {4, 0, 20}, {0, 0, 20}}},
    };
    if (count < 1 || count > kBattleSlotCount) return;
    for (int32_t i = 0; i < count; ++i) {
        BattleSlots[i].Position = places[count - 1].slot[i];
        BattleSlots[i].Home = places[count - 1].slot[i];
    }
}

void SetupEncounter() {
    if (EncounterSeeded == 0) {
        // The play clock's seconds: later battles do not repeat the start-up sequence.
        std::srand(static_cast<unsigned>(PlaySeconds));
        EncounterSeeded = 1;
    }
    int32_t n = std::rand() % 4;
    while (n == 0) n = std::rand() % 4;

    const LevelRecord* level = LevelAt(CurrentLevel);
    const size_t kinds = level ? UsedCount(level->MonsterKindCount, level->MonsterKinds.size()) : 0;
    if (kinds == 0) n = 0; // nothing to draw from: every slot stays empty
    for (int32_t i = 0; i < n; ++i) {
        const int32_t kind = level->MonsterKinds[static_cast<size_t>(std::rand()) % kinds];
        if (kind >= 0 && kind < kMonsterRosterSize)
            BattleSlots[i] = MonsterRoster[kind];
        else
            EmptyBattleSlot(BattleSlots[i]);
    }
    for (int32_t i = n; i < kBattleSlotCount; ++i) EmptyBattleSlot(BattleSlots[i]);
    PlaceMonsters(n);
}

void StartScriptedBattle(const MonsterRecord* first, const MonsterRecord* second, const MonsterRecord* third,
                         int32_t count) {
    const MonsterRecord* chosen[kBattleSlotCount] = {first, count >= 2 ? second : nullptr,
                                                     count == 3 ? third : nullptr};
    for (int i = 0; i < kBattleSlotCount; ++i) {
        if (chosen[i])
            BattleSlots[i] = *chosen[i];
        else
            EmptyBattleSlot(BattleSlots[i]);
    }
    PlaceMonsters(count);
    ScriptedBattle = 1;
    EncounterPending = 1;
}
