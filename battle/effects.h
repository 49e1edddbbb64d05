// The staged actions: the fury skill (a dash, a pause in mid-air under a
// spinning burst, and an explosion over the monster), the Ice and Fire spells
// (a pentagram turning under the hero while the camera flies round) and the
// Kintos summon (a creature rises behind the monsters and three rocks fall).
// Each is a per-frame routine the battle calls while its flag is set; it keeps
// HeroActing set while it lasts, deals its damage once and clears its flags.
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

// One frame of each scene.
void FuryStrike();
void CastIce(const SpellCast& cast);
void CastFire(const SpellCast& cast);
void SummonKintos(const SpellCast& cast);
// One frame of whichever spell flag is set.
void RunSpellScene();
// Each scene's last frame: its flags down and the burst left for the next fury.
void EndFury();
void EndSpell();
void EndSummon();
// End the scene under way at once, as its last frame would.
void EndSceneNow();
