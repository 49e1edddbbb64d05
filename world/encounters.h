// Random encounters: every walking step in a level with random battles counts
// toward a drawn threshold; reaching it asks for a battle, which the field frame
// starts. The monsters are drawn into the battle slots only when it does. Story
// scenes fill the same slots with fixed monsters instead.
#pragma once

#include "records/records.h"

#include <cstdint>

extern int32_t StepCounter;
extern int32_t StepsToEncounter;
extern uint8_t EncounterSeeded;
// A battle is wanted; the field frame hands over to it.
extern uint8_t EncounterPending;
// The slots were filled by a story scene and must not be drawn at random.
extern uint8_t ScriptedBattle;

// Count one walking step in the current level.
void CountStep();
// Draw one to three monsters of the current level's kinds into the slots.
void SetupEncounter();
// Put the monsters of a battle of count 1, 2 or 3 at their places.
void PlaceMonsters(int32_t count);
// Fill the slots with copies of fixed monsters (null beyond the count) and ask for the battle.
void StartScriptedBattle(const MonsterRecord* first, const MonsterRecord* second, const MonsterRecord* third,
                         int32_t count);
// A slot the battle treats as a monster already gone.
void EmptyBattleSlot(MonsterRecord& slot);
