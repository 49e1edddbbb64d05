// The one dialogue box everything the hero reads in the field goes through: a
// speaker's name and up to four lines. Talking, chest finds, refusals and story
// pages fill the buffer; the field frame draws it while DialogueOpen is set.
// The smaller message box names an exit's destination and the battle's news.
#pragma once

#include "assets/text2d.h"
#include "world/level_table.h"

#include <cstdint>

constexpr int kDialogueTextCount = 5;
constexpr int kDialogueTextSize = 70;

struct DialogueRecord {
    char Text[kDialogueTextCount][kDialogueTextSize]; // speaker, then lines 1 to 4
};
// A villager's name and lines are copied into it as one block of the same shape.
static_assert(sizeof(DialogueRecord) == sizeof(VillagerRecord::Name) + sizeof(VillagerRecord::Lines));
static_assert(kDialogueTextSize == kVillagerTextSize && kDialogueTextCount == 1 + kVillagerLineCount);

extern DialogueRecord DialogueBuffer;

// The hero's own name, used as the speaker of his remarks.
extern const char* const HeroSpeaker;
// What he says at an exit the story does not let him take yet.
extern const char* const RefusalLine;

// Fill a buffer from texts; null or missing lines give the empty text.
void FillDialogue(DialogueRecord& buffer, const char* speaker, const char* line1, const char* line2 = nullptr,
                  const char* line3 = nullptr, const char* line4 = nullptr);
// Copy a villager's name and four lines, keeping every text terminated.
void CopyVillagerDialogue(DialogueRecord& buffer, const VillagerRecord& villager);
// Fill the buffer with the refusal and open the box.
void ShowRefusal();
// Open the dialogue box, with its sound when it was closed.
void OpenDialogue();

// Where the dialogue box prints text k (0 speaker, 1..4 lines) and where the
// message box prints its line, for a screen of width w and height h.
TextPoint DialogueTextPosition(int32_t text, int32_t w, int32_t h);
TextPoint MessageTextPosition(int32_t w, int32_t h);

// Draw the panel along the bottom with the buffer's five texts.
void DrawDialogueBox(DialogueRecord buffer);
// Draw the one-line box near the top, moved by (dx, dy) pixels.
void DrawMessageBox(const char* text, int32_t dx, int32_t dy);
