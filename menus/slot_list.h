// The five save slots as a list, drawn by the title's load page and the
// in-game menu's save and load pages, with a summary of each slot file.
#pragma once

#include "records/records.h"

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
// Why each slot's file was refused when the summaries were read; "" when it was not.
extern const char* SlotRefusals[kSaveSlotCount];

// Read the slot files' summaries into SlotSummaries (a missing or refused file leaves its summary).
void ReadSlotSummaries();
// What slot k's row says: the four summary lines of a saved hero, or only the
// middle line for a free or refused slot.
struct SlotRowText {
    bool Saved = false;
    char Name[48] = {};
    char Hp[32] = {};
    char Mp[32] = {};
    char Time[48] = {};
    char Middle[64] = {};
};
SlotRowText SlotRow(int k);
// Draw the five-slot list in the caller's unit-square coordinates.
void DrawSlotList();
