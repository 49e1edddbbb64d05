// The physical attack: the attacker walks along x to the target's x while its
// attack animation plays, strikes once at the last frame, and walks back.
// The same routine serves the hero and the monsters.
#pragma once

#include "assets/animation.h"
#include "assets/model3d.h"
#include "assets/vector.h"
#include "battle/battle_state.h"

#include <cstdint>

// The rolled value before defence: base = attack x 6 + dexterity x 4, raised
// by the spread roll when the luck roll is at most the luck, else lowered by it.
int32_t PhysicalValue(int32_t attack, int32_t dexterity, int32_t luck, int32_t luckRoll, int32_t spreadRoll);
// How far a roll may spread: a tenth of the base, 0 when there is none.
int32_t PhysicalSpread(int32_t attack, int32_t dexterity);
// Roll the value with the C library generator, seeded from the tick counter.
int32_t RollPhysicalValue(int32_t attack, int32_t dexterity, int32_t luck);
// What gets past the defence; a blow never heals.
int32_t DamageAfterDefense(int64_t value, int32_t defense);
// The fury bar after the hero took this damage, with the selected skill's
// percentage: full once he has lost that share of his maximum HP.
int32_t FuryAfterDamage(int32_t furyBar, int32_t damage, int32_t furyPercent, int32_t maxHP);

struct AttackRoles {
    CVector3* attackerPos;
    const CVector3* home;
    const CVector3* targetPos;
    Model3D* model;
    const Animation* anim;
    bool spark;        // flare the ring at the target
    bool targetIsHero; // his fury bar fills from the blow
    uint8_t* busy;
    uint8_t* command; // cleared when the attacker is back home
    int32_t* targetHP;
    int32_t attack, dexterity, luck;
    int32_t targetDefense;
};

// One frame of the attack in progress.
void PhysicalAttack(AttackMoveRecord& move, const AttackRoles& roles);
