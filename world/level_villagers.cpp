// The people of Vorudu and Mistilia and what they say. Deduvavi has just come
// up from the dungeon below his village with the old sword; the way on leads
// over the plains and the forest to Mistilia and the dark dungeon beyond it.
#include "world/level_table.h"

namespace {

constexpr const char* kHealPrompt = "(Press 'Y' for HP/MP Recovery)";

} // namespace

extern constexpr VillagerStart VillagerStarts[] = {
    {LevelVorudu,
     "Umos",
     {-4.8f, 0.0f, 18.8f},
     90.0f,
     ServiceTalk,
     {"Deduvavi! You came up from the old dungeon?", "Nobody has dared go down there. Be careful.", nullptr,
      nullptr},
     0,
     -1,
     -1},
    {LevelVorudu,
     "Tempor",
     {63.1f, 0.0f, -50.7f},
     0.0f,
     ServiceTalk,
     {"That sword chose you. It slept a hundred years.", "Set Swarps into its blade for their strength.",
      "Cross the plains and forest east to Mistilia.", "What shakes Vorudu lies in the dungeon past it."},
     0,
     -1,
     -1},
    {LevelVorudu,
     "Honus",
     {100.5f, 0.0f, -31.5f},
     0.0f,
     ServiceHealer,
     {"I tend the sick of Vorudu. Let me see your wounds.", kHealPrompt, nullptr, nullptr},
     0,
     -1,
     -1},
    {LevelVorudu,
     "Secretosus",
     {110.98742f, 0.0f, 29.82f},
     0.0f,
     ServiceHealer,
     {"Psst... A smith from Mistilia once hid a rare", "Swarp here, in a chest, before he died. Look",
      "up on the rise to the south, behind the last house.", "They say it makes its bearer a wall. Hurry!"},
     0,
     -1,
     -1},
    {LevelMistilia,
     "Hensus",
     {-55.54f, 1.52f, 89.34f},
     90.0f,
     ServiceHealer,
     {"Welcome to Mistilia. The road from Vorudu is long.", "Rest here; my herbs will put you right.",
      kHealPrompt, nullptr},
     0,
     -1,
     -1},
    {LevelMistilia,
     "Kimon",
     {74.87f, 9.22f, 33.34f},
     270.0f,
     ServiceSwarpSmith,
     {"Here are my Services:", "1)Forge one more Swarp->800G", "2)Buy Gunner(Swarp)->500G",
      "(Press the number of youre choice)"},
     500,
     -1,
     SwarpGunner},
    {LevelMistilia,
     "Wumon",
     {-55.18f, 7.27f, 6.83f},
     90.0f,
     ServiceWarpShop,
     {"Here are my Services:", "1)Forge one more Warp->1000G", "2)Buy Ether(item)->200G",
      "(Press the number of youre choice)"},
     200,
     ItemEther,
     -1},
    {LevelMistilia,
     "Timson",
     {61.46f, 15.61f, -95.23f},
     270.0f,
     ServiceTalk,
     {"Kimon the smith forges new Swarp slots.", "Wumon forges Warp holder slots and sells Ether.",
      "Hensus by the gate heals anyone, free of charge.", "Gather your strength before the dark dungeon."},
     0,
     -1,
     -1},
};

namespace {

constexpr size_t TextLength(const char* text) {
    size_t length = 0;
    if (text != nullptr)
        while (text[length] != '\0') ++length;
    return length;
}

// Every text has to fit its 70-character field with the terminator.
constexpr bool TextsFit() {
    for (const VillagerStart& villager : VillagerStarts) {
        if (TextLength(villager.name) >= kVillagerTextSize) return false;
        for (const char* line : villager.lines)
            if (TextLength(line) >= kVillagerTextSize) return false;
    }
    return true;
}
static_assert(TextsFit(), "a villager's text is longer than 69 characters");

} // namespace

extern const size_t VillagerStartCount = sizeof(VillagerStarts) / sizeof(VillagerStarts[0]);
