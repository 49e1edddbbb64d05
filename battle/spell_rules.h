// What every spell scene shares: the spell the menu chose, the damage each
// strike deals, and the figures a cast is made of.
#pragma once

#include "assets/vector.h"
#include "records/records.h"

#include <cstdint>

// The spell or summon the menu confirmed, and the column of the spell used.
extern SpellEntry SpellInUse;
extern int32_t SpellInUseColumn;

// Whether a spell or summon name has a scene; one without cannot be chosen.
bool SpellHasScene(const char* name);
// Remember the chosen spell and raise its cast flag; false when it has no scene.
bool ChooseSpell(const SpellEntry& entry, int32_t column);

// What each strike takes from its target. A spell never heals: an amount the
// defence outweighs deals 0.
int32_t IceDamage(int32_t attack, int32_t defense);
int32_t FireDamage(int32_t attack, int32_t defense);
int32_t KintosDamage(int32_t attack, int32_t dexterity, int32_t magicDefense);
// The fury skill: three times what the rolled blow gets past the defence.
int32_t FuryDamage(int32_t rolledValue, int32_t defense);

struct SpellCast {
    CVector3 targetHome;
    int32_t* heroMP;
    int32_t* targetHP;
    int32_t attack;
    int32_t dexterity;
    int32_t targetMagicDefense;
    SpellEntry entry;
    int32_t column;
    bool allTargets; // "MegaAll" is set
};

// Shared by the scenes: hit points lowered without wrapping, the slots a
// spread spell strikes, and the MP a cast costs.
void TakeHP(int32_t& hp, int32_t damage);
bool SlotLiving(const MonsterRecord& slot);
void SpendMP(int32_t& mp, int32_t cost);

// The cast the hero's figures, `TargetMonster` and `SpellInUse` make now.
SpellCast HeroSpellCast();
