#include "battle/spell_rules.h"

#include "assets/saturate.h"
#include "battle/battle_state.h"
#include "records/battle_slots.h"

#include <algorithm>
#include <cstring>

SpellEntry SpellInUse;
int32_t SpellInUseColumn = 0;

namespace {

int32_t Floored(int64_t amount) {
    return Saturate(std::max<int64_t>(amount, 0));
}

} // namespace

bool SpellHasScene(const char* name) {
    return name && (std::strcmp(name, "Ice") == 0 || std::strcmp(name, "Fire") == 0 ||
                    std::strcmp(name, "Kintos") == 0);
}

bool ChooseSpell(const SpellEntry& entry, int32_t column) {
    if (column < 0 || column > 2) return false;
    const char* name = entry.SpellName[column];
    if (!SpellHasScene(name)) return false;
    SpellInUse = entry;
    SpellInUseColumn = column;
    if (std::strcmp(name, "Ice") == 0) IceCast = 1;
    if (std::strcmp(name, "Fire") == 0) FireCast = 1;
    if (std::strcmp(name, "Kintos") == 0) KintosCast = 1;
    return true;
}

int32_t IceDamage(int32_t attack, int32_t defense) {
    return Floored(static_cast<int64_t>(attack) * 10 - defense);
}

int32_t FireDamage(int32_t attack, int32_t defense) {
    return Floored(static_cast<int64_t>(attack) * 12 - defense);
}

int32_t KintosDamage(int32_t attack, int32_t dexterity, int32_t magicDefense) {
    return Floored(static_cast<int64_t>(dexterity) * 20 + static_cast<int64_t>(attack) * 30 - magicDefense);
}

int32_t FuryDamage(int32_t rolledValue, int32_t defense) {
    return Floored((static_cast<int64_t>(rolledValue) - defense) * 3);
}

void TakeHP(int32_t& hp, int32_t damage) {
    hp = Saturate(static_cast<int64_t>(hp) - damage);
}

bool SlotLiving(const MonsterRecord& slot) {
    return !slot.Dead && slot.HP > 0;
}

void SpendMP(int32_t& mp, int32_t cost) {
    mp = Saturate(std::max<int64_t>(static_cast<int64_t>(mp) - cost, 0));
}

SpellCast HeroSpellCast() {
    MonsterRecord& target = TargetMonster ? *TargetMonster : BattleSlots[0];
    return {target.Home,         &Hero.MP,   &target.HP,       Hero.Attack, Hero.Dexterity,
            target.MagicDefense, SpellInUse, SpellInUseColumn, AllTargets};
}
