// The fury skill: the hero leaps at the target, hangs in mid-air at the
// height of the leap under a spinning burst while the camera circles him,
// comes down on it and leaves an explosion spinning over it, then flies back.
// Every skill plays this one scene.
#include "assets/camera_script.h"
#include "assets/loaded_assets.h"
#include "assets/sound_effects.h"
#include "battle/battle_state.h"
#include "battle/effects.h"
#include "battle/particles.h"
#include "battle/physical_attack.h"

#include <GL/gl.h>

namespace {

constexpr int32_t kPauseFrame = 17;
const CVector3 kBurstOffset = {-0.802f, 4.843f, 7.368f};

void DrawExplosion(const CVector3& at) {
    AttackMoveRecord& m = AttackMove;
    glPushMatrix();
    glTranslatef(at.x, at.y, at.z);
    glRotatef(m.SpinAngle, 0, 1, 0);
    glScalef(m.BurstScale, m.BurstScale, m.BurstScale);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    DrawModel3D(ExplosionModel);
    DrawParticles(SparkTexture, true);
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glPopMatrix();
    m.SpinAngle += 10.0f;
    m.BurstScale += 0.1f;
    if (m.SpinAngle >= 720.0f) {
        m.StageB = 0;
        m.StageA = 1;
    }
}

} // namespace

void EndFury() {
    AttackMoveRecord& m = AttackMove;
    HeroActing = m.MoveReturning = ShowDamage = 0;
    m.StageA = m.StageB = m.StageC = m.StageD = 0;
    m.MoveStarted = m.MoveHit = 0;
    FuryReady = FuryCommand = 0;
    ResetSpark();
    m.SpinAngle = 10.0f;
    m.BurstScale = 0.1f;
    m.BurstAlpha = 0.0f;
    m.MoveFrame = 0;
    Hero.FuryBar = 0;
    HeroBattlePos = HeroBattleHome;
}

void FuryStrike() {
    if (!TargetMonster) {
        FuryCommand = 0;
        return;
    }
    MonsterRecord& target = *TargetMonster;
    AttackMoveRecord& m = AttackMove;
    HeroActing = 1;
    if (!m.MoveStarted) {
        m.MoveStarted = 1;
        m.MoveStep = (target.Position.x - HeroBattleHome.x) / 35.0f;
        EmitBurst();
        PlayEffect(SoundEffect::FuryLeap);
    }
    ApplyAnimationFrame(HeroModel, HeroAngelCrushAnim, m.MoveFrame);
    const int32_t last = static_cast<int32_t>(HeroAngelCrushAnim.frames.size()) - 1;

    // At the top of the leap the dash holds while the camera flies round.
    const bool paused = m.MoveFrame == kPauseFrame && !m.StageC;
    if (paused) {
        if (!m.StageD) {
            StartCameraScript("Scripts\\AngelCrush.scp");
            m.StageD = 1;
        } else if (!CameraScriptPlaying) {
            m.StageD = 0;
            m.StageC = 1;
        }
        m.BurstAlpha += 0.1f;
        DrawBurst({HeroBattlePos.x + kBurstOffset.x, HeroBattlePos.y + kBurstOffset.y,
                   HeroBattlePos.z + kBurstOffset.z},
                  m.BurstAlpha, SparkTexture);
    }

    // The explosion starts where the dash ends, even for a dash shorter than
    // the usual 35 frames, so the scene always comes to its end.
    if (!m.StageA && !m.StageB && !m.MoveReturning && m.MoveFrame >= last) {
        m.StageB = 1;
        PlayEffect(SoundEffect::FuryBlast);
    }
    if (m.StageB) DrawExplosion(target.Position);
    if (paused) return;

    if (!m.MoveReturning) {
        if (m.MoveFrame < last) {
            m.MoveFrame += 1;
            HeroBattlePos.x += m.MoveStep;
            return;
        }
        m.MoveReturning = 1;
        ShowDamage = 1;
        if (!m.MoveHit) {
            const int32_t value = RollPhysicalValue(Hero.Attack, Hero.Dexterity, Hero.Luck);
            DamageShown[0] = FuryDamage(value, target.Defense);
            TakeHP(target.HP, DamageShown[0]);
            m.MoveHit = 1;
        }
        return;
    }
    if (m.MoveFrame > 0) {
        m.MoveFrame -= 1;
        HeroBattlePos.x -= m.MoveStep;
    } else if (m.StageA) {
        EndFury();
    }
}
