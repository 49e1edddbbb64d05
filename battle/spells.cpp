// The Ice and Fire spells: a pentagram turning under the hero while the camera
// flies round, then the strike.
#include "assets/camera_script.h"
#include "assets/loaded_assets.h"
#include "assets/sound_effects.h"
#include "battle/battle_state.h"
#include "battle/effects.h"
#include "battle/particles.h"
#include "records/battle_slots.h"
#include "world/dialogue.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

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
