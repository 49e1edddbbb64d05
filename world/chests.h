// Treasure chests: OK within reach starts the lid, one animation frame per field
// frame; when it is open the content goes to the hero and he says what he found.
#pragma once

#include "world/level_table.h"

#include <cstdint>

// The last frame shown while the lid is still moving; the next one is the open lid.
constexpr int32_t kChestLastOpeningFrame = 32;

// Start every closed chest of the level within reach of the hero.
void StartOpeningChests(LevelRecord& level);
// One field frame of a chest without drawing it: advance an opening and, when
// the lid is open, announce and hand over the find.
void AdvanceChest(ChestRecord& chest);
// Give the hero what the chest holds. A full bag drops a stone: it is still
// announced, and nothing the hero holds is overwritten.
void HandOverChest(const ChestRecord& chest);
// Fill the dialogue buffer with the hero's words about the find.
void AnnounceChest(const ChestRecord& chest);
// The chest step of the field frame: pose, advance and draw one chest.
void UpdateChest(ChestRecord& chest);
