// The magic stones as they exist before anyone carries them: Swarps for the
// sword and Warps for the holders. Chests and shops hand out copies.
#include "records/records.h"

SwarpRecord SwarpTable[kSwarpTemplateCount] = {};
WarpRecord WarpTable[kWarpTemplateCount] = {};

namespace {

struct SwarpStart {
    const char* name;
    int32_t r, g, b;
    int32_t attack, defense, dexterity, luck, magicDefense, maxHP, maxMP;
};

constexpr SwarpStart kSwarpStarts[kSwarpTemplateCount] = {
    {"Sling", 255, 255, 255, 5, 0, 0, 0, 0, 0, 0},
    {"Tunner", 255, 0, 0, 3, 3, 0, 0, 0, 0, 0},
    {"Gunner", 255, 0, 0, 8, 0, 0, 0, 0, 0, 0},
    {"Defender", 0, 0, 255, 3, 3, 3, 50, 3, 100, 50},
};

struct WarpStart {
    const char* name;
    const char* spells[3];
    int32_t r, g, b;
    int32_t nextExp;
    int32_t mpCost[3];
    int32_t kind;
};

constexpr WarpStart kWarpStarts[kWarpTemplateCount] = {
    {"Ice", {"Ice", "Ice2", "Ice3"}, 0, 255, 0, 1000, {5, 25, 50}, WarpMagic},
    {"Fire", {"Fire", "Fire2", "Fire3"}, 0, 255, 0, 1000, {7, 35, 65}, WarpMagic},
    {"MegaAll", {"MegaAll", "MegaAll2", "MegaAll3"}, 0, 0, 255, 2000, {0, 0, 0}, WarpSupport},
    {"Kintos", {"Kintos", "", ""}, 255, 0, 0, 5000, {40, 70, 120}, WarpSummon},
};

SwarpRecord SwarpTemplate(int32_t index) {
    const SwarpStart& start = kSwarpStarts[index];
    SwarpRecord swarp{};
    CopyName(swarp.Name, start.name);
    swarp.Open = 1;
    swarp.ColorR = start.r;
    swarp.ColorG = start.g;
    swarp.ColorB = start.b;
    swarp.AddAttack = start.attack;
    swarp.AddDefense = start.defense;
    swarp.AddDexterity = start.dexterity;
    swarp.AddLuck = start.luck;
    swarp.AddMagicDefense = start.magicDefense;
    swarp.AddMaxHP = start.maxHP;
    swarp.AddMaxMP = start.maxMP;
    return swarp;
}

} // namespace

WarpRecord WarpTemplate(int32_t index) {
    if (index < 0 || index >= kWarpTemplateCount) return WarpRecord{};
    const WarpStart& start = kWarpStarts[index];
    WarpRecord warp{};
    warp.Present = 1;
    CopyName(warp.Name, start.name);
    for (int i = 0; i < 3; ++i) {
        CopyName(warp.SpellName[i], start.spells[i]);
        warp.MpCost[i] = start.mpCost[i];
    }
    warp.ColorR = start.r;
    warp.ColorG = start.g;
    warp.ColorB = start.b;
    warp.WarpLevel = 1;
    warp.MaxWarpLevel = 3;
    warp.WarpExp = 0;
    warp.NextWarpExp = start.nextExp;
    warp.Kind = start.kind;
    return warp;
}

void InitStoneTables() {
    for (int i = 0; i < kSwarpTemplateCount; ++i) SwarpTable[i] = SwarpTemplate(i);
    for (int i = 0; i < kWarpTemplateCount; ++i) WarpTable[i] = WarpTemplate(i);
}
