// The seven monster kinds, their looks, and the roster random battles draw
// from. "Limbus" only ever appears in the last story battle, so the roster
// stops before it.
#include "assets/animation.h"
#include "records/battle_slots.h"
#include "records/records.h"

Model3D MonsterModels[kMonsterTemplateCount];
Animation MonsterIdleAnims[kMonsterTemplateCount];
Animation MonsterAttackAnims[kMonsterTemplateCount];

namespace {

struct MonsterStart {
    const char* name;
    int32_t maxHP, maxMP;
    int32_t attack, defense, dexterity, luck, magicDefense;
    int32_t expReward, goldReward, warpExpReward;
    CVector3 position;
};

constexpr MonsterStart kMonsterStarts[kMonsterTemplateCount] = {
    {"Ogre", 150, 30, 4, 5, 2, 50, 5, 20, 50, 2, {4, 0, 20}},
    {"Bat", 100, 20, 2, 3, 2, 30, 3, 10, 30, 1, {8, 0, 20}},
    {"Toad", 200, 10, 2, 8, 2, 60, 5, 15, 20, 2, {0, 0, 20}},
    {"Behemoth", 1000, 100, 12, 30, 8, 60, 20, 200, 300, 10, {0, 0, 0}},
    {"Scorpion", 600, 100, 6, 10, 4, 40, 10, 50, 70, 5, {0, 0, 0}},
    {"Spike", 400, 80, 4, 7, 3, 30, 8, 40, 50, 4, {0, 0, 0}},
    {"Limbus", 5000, 100, 15, 50, 12, 80, 30, 1000, 2000, 100, {0, 0, 0}},
};

MonsterRecord MonsterTemplate(int index) {
    const MonsterStart& start = kMonsterStarts[index];
    MonsterRecord monster{};
    CopyName(monster.Name, start.name);
    monster.Model = &MonsterModels[index];
    monster.IdleAnim = &MonsterIdleAnims[index];
    monster.AttackAnim = &MonsterAttackAnims[index];
    monster.Frame = 0;
    monster.HP = start.maxHP;
    monster.MaxHP = start.maxHP;
    monster.MP = start.maxMP;
    monster.MaxMP = start.maxMP;
    monster.ExpReward = start.expReward;
    monster.GoldReward = start.goldReward;
    monster.WarpExpReward = start.warpExpReward;
    monster.AttackTimer = 0;
    monster.Attack = start.attack;
    monster.Defense = start.defense;
    monster.Dexterity = start.dexterity;
    monster.Luck = start.luck;
    monster.MagicDefense = start.magicDefense;
    monster.DeathSink = 0.05f;
    monster.Position = start.position;
    monster.Home = start.position;
    return monster;
}

} // namespace

MonsterRecord MonsterTemplates[kMonsterTemplateCount] = {
    MonsterTemplate(0), MonsterTemplate(1), MonsterTemplate(2), MonsterTemplate(3),
    MonsterTemplate(4), MonsterTemplate(5), MonsterTemplate(6),
};
MonsterRecord MonsterRoster[kMonsterRosterSize] = {
    MonsterTemplate(0), MonsterTemplate(1), MonsterTemplate(2),
    MonsterTemplate(3), MonsterTemplate(4), MonsterTemplate(5),
};

void InitMonsterTables() {
    for (int i = 0; i < kMonsterTemplateCount; ++i) MonsterTemplates[i] = MonsterTemplate(i);
    for (int i = 0; i < kMonsterRosterSize; ++i) MonsterRoster[i] = MonsterTemplates[i];
    for (int i = 0; i < kBattleSlotCount; ++i) BattleSlots[i] = MonsterRoster[i];
}
