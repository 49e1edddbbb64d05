// The hero record, the held items and the battle lists, with the hero's
// new-game values.
#include "records/records.h"

namespace {

HeroRecord NewGameHero() {
    HeroRecord hero{};
    ResetHero(hero);
    return hero;
}

struct SkillStart {
    const char* name;
    int32_t furyPercent;
    int32_t level;
};

constexpr SkillStart kSkillStarts[kSkillCount] = {
    {"Angel Crush", 50, 1},
    {"Holy Slice", 60, 2},
    {"Meteor Shower", 80, 3},
    {"Meta Slash", 100, 4},
};

template <size_t N>
void Terminate(char (&field)[N]) {
    field[N - 1] = '\0';
}

void Terminate(SwarpRecord& swarp) {
    Terminate(swarp.Name);
}

void Terminate(WarpRecord& warp) {
    Terminate(warp.Name);
    for (auto& spell : warp.SpellName) Terminate(spell);
}

} // namespace

HeroRecord Hero = NewGameHero();
ItemRecord ItemTable[kItemCount] = {};
ItemRecord HeldItems[kItemCount] = {};

CVector3 HeroBattlePos = {4.0f, 0.0f, 10.0f};
CVector3 HeroBattleHome = {4.0f, 0.0f, 10.0f};

SpellEntry SpellList[kSpellListSize] = {};
SpellEntry SummonList[kSummonListSize] = {};
int32_t LastSpellIndex = -1;
int32_t LastSummonIndex = -1;
bool AllTargets = false;
bool HasMegaAll2 = false;
bool HasMegaAll3 = false;
bool HasQuadra = false;
bool HasQuadra2 = false;
bool HasQuadra3 = false;

SwarpRecord SwarpBonus = {};

void InitHero(HeroRecord& hero, int32_t attack, int32_t dexterity, int32_t luck, int32_t defense,
              int32_t magicDefense) {
    hero.Attack = attack;
    hero.Dexterity = dexterity;
    hero.Luck = luck;
    hero.Defense = defense;
    hero.MagicDefense = magicDefense;

    for (int i = 0; i < kSkillCount; ++i) {
        SkillRecord& skill = hero.Skills[i];
        skill = SkillRecord{};
        CopyName(skill.Name, kSkillStarts[i].name);
        skill.FuryPercent = kSkillStarts[i].furyPercent;
        skill.SkillLevel = kSkillStarts[i].level;
        skill.Learned = i == 0 ? 1 : 0;
        skill.Selected = i == 0 ? 1 : 0;
    }

    // Only the first sword slot comes forged; the smith forges the rest.
    for (int i = 0; i < kSwordSlotCount; ++i) {
        hero.SwordSlots[i] = SwarpRecord{};
        hero.SwordSlots[i].Open = i == 0 ? 1 : 0;
    }
    for (auto& swarp : hero.SwarpBag) {
        swarp = SwarpRecord{};
        swarp.Open = 1;
    }
    for (int h = 0; h < kWarpHolderCount; ++h)
        for (int s = 0; s < kWarpHolderSlots; ++s) {
            hero.WarpHolders[h][s] = WarpRecord{};
            hero.WarpHolders[h][s].Present = (h == 0 && s == 0) ? 1 : 0;
        }
    for (auto& warp : hero.WarpBag) {
        warp = WarpRecord{};
        warp.Present = 1;
    }
    hero.WarpBag[0] = WarpTemplate(WarpIce);
}

void ResetHero(HeroRecord& hero) {
    hero = HeroRecord{};
    CopyName(hero.Name, "Deduvavi");
    hero.HP = 500;
    hero.MaxHP = 500;
    hero.MP = 50;
    hero.MaxMP = 50;
    hero.Level = 1;
    hero.Exp = 0;
    hero.NextLevelExp = 50;
    hero.Gold = 100;
    hero.AttackTimer = 0;
    hero.FuryBar = 0;
    hero.Dead = 0;
    hero.DeathSink = 0.05f;
    InitHero(hero, 8, 6, 20, 10, 5);
}

int32_t SelectedSkillIndex(const HeroRecord& hero) {
    for (int i = 0; i < kSkillCount; ++i)
        if (hero.Skills[i].Selected) return i;
    return 0;
}

void TerminateNames(HeroRecord& hero) {
    Terminate(hero.Name);
    for (auto& skill : hero.Skills) Terminate(skill.Name);
    for (auto& swarp : hero.SwordSlots) Terminate(swarp);
    for (auto& swarp : hero.SwarpBag) Terminate(swarp);
    for (auto& holder : hero.WarpHolders)
        for (auto& warp : holder) Terminate(warp);
    for (auto& warp : hero.WarpBag) Terminate(warp);
}

void TerminateNames(ItemRecord& item) {
    Terminate(item.Name);
    Terminate(item.Description);
}
