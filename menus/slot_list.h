// The five save slots as a list, drawn by the title's load page and the
// in-game menu's save and load pages, with a summary of each slot file.
#pragma once

#include "battle/records.h"

#include <cstdint>

struct SlotSummary {
    HeroRecord Hero;
    int32_t Hours;
    int32_t Minutes;
    int32_t Seconds;
};
static_assert(sizeof(SlotSummary) == 5292);
static_assert(offsetof(SlotSummary, Hours) == 5280);

constexpr int kSaveSlotCount = 5;

extern SlotSummary SlotSummaries[kSaveSlotCount];
extern uint8_t SlotInfoRead;

// Read the slot files' summaries into SlotSummaries (a missing file leaves its summary).
void ReadSlotSummaries();
// Draw the five-slot list in the caller's unit-square coordinates.
void DrawSlotList();
