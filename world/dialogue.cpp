#include "world/dialogue.h"

#include "assets/game_state.h"
#include "assets/sound_effects.h"

#include <cstring>

DialogueRecord DialogueBuffer = {};

const char* const HeroSpeaker = "Deduvavi";
const char* const RefusalLine = "I think I`ve been missing something...";

void FillDialogue(DialogueRecord& buffer, const char* speaker, const char* line1, const char* line2,
                  const char* line3, const char* line4) {
    const char* texts[kDialogueTextCount] = {speaker, line1, line2, line3, line4};
    for (int i = 0; i < kDialogueTextCount; ++i) CopyName(buffer.Text[i], texts[i]);
}

void CopyVillagerDialogue(DialogueRecord& buffer, const VillagerRecord& villager) {
    std::memcpy(buffer.Text[0], villager.Name, kDialogueTextSize);
    for (int i = 0; i < kVillagerLineCount; ++i)
        std::memcpy(buffer.Text[i + 1], villager.Lines[i], kDialogueTextSize);
    // A full field has no room for its terminator; the box prints at most 69 characters.
    for (auto& text : buffer.Text) text[kDialogueTextSize - 1] = '\0';
}

void ShowRefusal() {
    FillDialogue(DialogueBuffer, HeroSpeaker, RefusalLine);
    OpenDialogue();
}

void OpenDialogue() {
    if (!DialogueOpen) PlayEffect(SoundEffect::DialogueOpen);
    DialogueOpen = 1;
}

TextPoint DialogueTextPosition(int32_t text, int32_t w, int32_t h) {
    if (text <= 0) return {static_cast<int32_t>(w / 2.73), static_cast<int32_t>(h - h / 4.2)};
    const int32_t offsets[kVillagerLineCount] = {0, h / 30, h / 15, h / 10};
    const int32_t line = text > kVillagerLineCount ? kVillagerLineCount : text;
    return {w / 20, h - h / 5 + offsets[line - 1]};
}

TextPoint MessageTextPosition(int32_t w, int32_t h) {
    return {static_cast<int32_t>(w / 2.13), static_cast<int32_t>(h / 10.9)};
}
