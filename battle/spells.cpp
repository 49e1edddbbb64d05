// The Ice and Fire spells, and what every spell scene shares: the choice made
// in the menu, the damage rules and the pentagram under the hero.
#include "assets/camera_script.h"
#include "assets/loaded_assets.h"
#include "assets/saturate.h"
#include "assets/sound_effects.h"
#include "records/battle_slots.h"
#include "battle/battle_state.h"
#include "battle/effects.h"
#include "battle/particles.h"
#include "world/dialogue.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

SpellEntry SpellInUse;
int32_t SpellInUseColumn = 0;

namespace {

int32_t Floored(int64_t amount) {
    return Saturate(std::max<int64_t>(amount, 0));
}

void DrawAt(const Model3D& model, const CVector3& at) {
    glPushMatrix();
    glTranslatef(at.x, at.y, at.z);
    DrawModel3D(model);
    glPopMatrix();
}

// Spell light glows in its own colours, whatever the arena's light.
template <class Draw>
void Unlit(Draw draw) {
    const GLboolean lit = glIsEnabled(GL_LIGHTING);
    glDisable(GL_LIGHTING);
    draw();
    if (lit) glEnable(GL_LIGHTING);
}

void DrawPentagram(const Model3D& pentagram) {
    glPushMatrix();
    glTranslatef(HeroBattlePos.x, HeroBattlePos.y + 0.1f, HeroBattlePos.z);
    glRotatef(AttackMove.SpinAngle, 0, 1, 0);
    Unlit([&] { DrawModel3D(pentagram); });
    glPopMatrix();
    AttackMove.SpinAngle += 10.0f;
}

// The one target's home, or every living slot where it stands.
template <class Draw>
void OnTargets(const SpellCast& cast, Draw draw) {
    Unlit([&] {
        if (!cast.allTargets) {
            draw(cast.targetHome);
            return;
        }
        for (const MonsterRecord& slot : BattleSlots)
            if (SlotLiving(slot)) draw(slot.Position);
    });
}

void ShowSpellName(const char* name) {
    glEnable(GL_BLEND);
    DrawMessageBox(name, 0, 0);
}

int32_t CostOf(const SpellCast& cast) {
    return cast.entry.MpCost[std::clamp(cast.column, 0, 2)];
}

// The strike itself: the one target, or every living slot with its own number.
void Strike(const SpellCast& cast, int32_t (*damage)(int32_t, int32_t)) {
    if (cast.allTargets) {
        ShowAllDamage = 1;
        for (int i = 0; i < kBattleSlotCount; ++i) {
            MonsterRecord& slot = BattleSlots[i];
            DamageShown[i] = SlotLiving(slot) ? damage(cast.attack, slot.Defense) : 0;
            if (SlotLiving(slot)) TakeHP(slot.HP, DamageShown[i]);
        }
    } else {
        DamageShown[0] = damage(cast.attack, cast.targetMagicDefense);
        if (cast.targetHP) TakeHP(*cast.targetHP, DamageShown[0]);
    }
    if (cast.heroMP) SpendMP(*cast.heroMP, CostOf(cast));
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

void CastIce(const SpellCast& cast) {
    HeroActing = 1;
    AttackMoveRecord& m = AttackMove;
    if (!m.MoveStarted) {
        char script[32];
        std::snprintf(script, sizeof script, "Scripts\\Ice%d.scp", std::rand() % 3);
        StartCameraScript(script);
        m.MoveStarted = 1;
        PlayEffect(SoundEffect::IceForm);
    }
    DrawPentagram(IcePentagramModel);
    ApplyAnimationFrame(IceModel, IceCrushAnim, m.MoveFrame);
    OnTargets(cast, [](const CVector3& at) { DrawAt(IceModel, {at.x, at.y + 1.0f, at.z}); });
    // The crush waits for the flight's third key; a missing or short script
    // must not keep the spell waiting for ever.
    if ((CameraKeyIndex > 2 || !CameraScriptPlaying) && m.MoveFrame < 34) {
        m.MoveFrame += 1;
        if (m.MoveFrame == 18) {
            PlayEffect(SoundEffect::IceShatter);
            ShowDamage = 1;
            if (!m.MoveHit) Strike(cast, IceDamage);
            m.MoveHit = 1;
        }
    }
    ShowSpellName("Ice");
    if (m.MoveFrame >= 34) EndSpell();
}

void CastFire(const SpellCast& cast) {
    HeroActing = 1;
    AttackMoveRecord& m = AttackMove;
    if (!m.MoveStarted) {
        StartCameraScript("Scripts//Fire.scp");
        EmitBurst();
        m.MoveStarted = 1;
        PlayEffect(SoundEffect::FireBurst);
    }
    DrawPentagram(FirePentagramModel);
    const TextureImage& flame = ExplosionModel.textures[0];
    OnTargets(cast, [&](const CVector3& at) { DrawBurst(at, 1.0f, flame); });
    if (!m.MoveHit && CameraKeyIndex > 2) {
        ShowDamage = 1;
        Strike(cast, FireDamage);
        m.MoveHit = 1;
    }
    // Once it lands, sparks fly from the target.
    if (m.MoveHit) {
        glPushMatrix();
        glTranslatef(cast.targetHome.x, cast.targetHome.y + 1.0f, cast.targetHome.z);
        DrawParticles(SparkTexture, false);
        glPopMatrix();
    }
    ShowSpellName("Fire");
    if (!CameraScriptPlaying) {
        EndSpell();
        ResetSpark();
    }
}

void EndSpell() {
    HeroActing = 0;
    AttackMove.MoveStarted = 0;
    ClearSpellFlags();
    AttackMove.MoveFrame = 0;
    AttackMove.MoveHit = 0;
    ShowDamage = ShowAllDamage = 0;
    AttackMove.SpinAngle = 0.0f;
}

void EndSceneNow() {
    if (FuryCommand) EndFury();
    if (IceCast || FireCast) EndSpell();
    if (KintosCast) EndSummon();
}

void RunSpellScene() {
    const SpellCast cast = HeroSpellCast();
    if (IceCast)
        CastIce(cast);
    else if (FireCast)
        CastFire(cast);
    else if (KintosCast)
        SummonKintos(cast);
}
