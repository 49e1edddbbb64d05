// A battle from start to end: the hand-over from the field, the per-frame
// loop that fills the gauges and plays out one action at a time, and the way
// back to the field after a victory or a defeat.
#pragma once

#include "assets/animation.h"
#include "assets/model3d.h"
#include "assets/vector.h"
#include "records/records.h"
#include "world/field_frame.h"

#include <cstdint>

// Take over from the field frame that found a battle asked for.
void StartBattle();
// The battle mode's frame.
void BattleFrame();
// Back to the field after the victory screen.
void ExitBattle();
// Clear what a lost battle left behind before its save is loaded.
void LeaveLostBattle();

// Lend the hero his sword's Swarps for the battle: stats, maximum HP and MP, spells.
void LendSwarpStats();
// Take the five lent stats back; the maximum HP and MP went back when the victory began.
void ReturnSwarpStats();
// One step of the monsters' gauges; they wait while anyone acts.
void FillMonsterGauges();
// Whether slot i may start its attack now: ready, alive, and nobody else acting.
bool SlotMayAttack(int i);

// Clear to the arena's sky, look through the camera, step a playing camera
// script and draw the level's arena; the level, or null when there is none.
const struct LevelRecord* BeginArenaFrame();

// Draw one combatant, idling, acting or sinking once fallen.
void DrawCombatant(Model3D& model, const CVector3& position, const Animation& idle, uint8_t busy, int32_t hp,
                   uint8_t& dead, float& deathSink, int32_t& idleFrame);
// One frame of the hero using `ItemInUse`.
void UseItemAction();
// What an item gives back: each figure raised, never past its maximum.
void RestoreFromItem(HeroRecord& hero, const ItemRecord& item);
