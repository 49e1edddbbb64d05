#include "battle/physical_attack.h"

#include "assets/loaded_assets.h"
#include "assets/saturate.h"
#include "assets/sound_effects.h"
#include "battle/particles.h"
#include "platform/platform.h"
#include "records/records.h"

#include <algorithm>
#include <cstdlib>

namespace {

int64_t PhysicalBase(int32_t attack, int32_t dexterity) {
    return static_cast<int64_t>(attack) * 6 + static_cast<int64_t>(dexterity) * 4;
}

} // namespace

int32_t PhysicalSpread(int32_t attack, int32_t dexterity) {
    // A base under 10 has no tenth to spread by: such a blow always lands as rolled.
    return Saturate(std::max<int64_t>(PhysicalBase(attack, dexterity) / 10, 0));
}

int32_t PhysicalValue(int32_t attack, int32_t dexterity, int32_t luck, int32_t luckRoll, int32_t spreadRoll) {
    const int64_t base = PhysicalBase(attack, dexterity);
    return Saturate(luckRoll <= luck ? base + spreadRoll : base - spreadRoll);
}

int32_t RollPhysicalValue(int32_t attack, int32_t dexterity, int32_t luck) {
    std::srand(GetTickCount());
    const int32_t luckRoll = std::rand() % 100;
    const int32_t spread = PhysicalSpread(attack, dexterity);
    const int32_t spreadRoll = spread > 0 ? std::rand() % spread : 0;
    return PhysicalValue(attack, dexterity, luck, luckRoll, spreadRoll);
}

int32_t DamageAfterDefense(int64_t value, int32_t defense) {
    return Saturate(std::max<int64_t>(value - defense, 0));
}

int32_t FuryAfterDamage(int32_t furyBar, int32_t damage, int32_t furyPercent, int32_t maxHP) {
    if (static_cast<int64_t>(damage) + furyBar > 99) return 100;
    // The share of MaxHP that fills the bar; a skill asking for all of it
    // (100 per cent) fills it on losing MaxHP, and with no HP to measure by
    // any blow fills it.
    int64_t percent = furyPercent % 100;
    if (percent <= 0 && furyPercent > 0) percent = 100;
    const int64_t q = percent * maxHP / 100;
    if (q <= 0) return damage > 0 ? 100 : furyBar;
    const double gain = damage / (static_cast<double>(q) / 100.0);
    return Saturate(std::min<int64_t>(furyBar + static_cast<int64_t>(gain), 100));
}

void PhysicalAttack(AttackMoveRecord& move, const AttackRoles& roles) {
    *roles.busy = 1;
    if (!move.MoveStarted) {
        std::srand(GetTickCount());
        move.MoveStep = (roles.targetPos->x - roles.attackerPos->x) / 35.0f;
        move.MoveStarted = 1;
        if (!roles.targetIsHero) PlayEffect(SoundEffect::Swing);
    }
    ApplyAnimationFrame(*roles.model, *roles.anim, move.MoveFrame);
    const int32_t frames = static_cast<int32_t>(roles.anim->frames.size());

    if (!move.MoveReturning && move.MoveFrame < frames - 1) {
        move.MoveFrame += 1;
        roles.attackerPos->x += move.MoveStep;
        return;
    }

    if (roles.spark) DrawHitSpark(*roles.targetPos, RingTexture);
    ShowDamage = 1;
    move.MoveReturning = 1;
    if (!move.MoveHit) {
        const int32_t value = RollPhysicalValue(roles.attack, roles.dexterity, roles.luck);
        const int32_t damage = DamageAfterDefense(value, roles.targetDefense);
        if (damage > 0) *roles.targetHP = Saturate(static_cast<int64_t>(*roles.targetHP) - damage);
        DamageShown[0] = damage;
        move.MoveHit = 1;
        PlayEffect(BlowEffect(damage, roles.targetIsHero));
        if (roles.targetIsHero) {
            const SkillRecord& skill = Hero.Skills[SelectedSkillIndex(Hero)];
            Hero.FuryBar = FuryAfterDamage(Hero.FuryBar, damage, skill.FuryPercent, Hero.MaxHP);
        }
    }

    if (move.MoveFrame > -1) {
        move.MoveFrame -= 1;
        roles.attackerPos->x -= move.MoveStep;
    }
    if (move.MoveFrame == -1) {
        ResetSpark();
        *roles.busy = 0;
        move.MoveReturning = 0;
        ShowDamage = 0;
        move.MoveHit = 0;
        move.MoveStarted = 0;
        *roles.command = 0;
        move.MoveFrame = 0;
        *roles.attackerPos = *roles.home;
    }
}
