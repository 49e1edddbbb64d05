// The Kintos summon: the creature rises behind the monsters, three rocks fall
// on them one after another while the flight holds its fourth key, and it
// sinks again once they have struck. It always strikes every living monster.
#include "assets/camera_script.h"
#include "assets/loaded_assets.h"
#include "assets/sound_effects.h"
#include "battle/battle_state.h"
#include "battle/effects.h"
#include "records/battle_slots.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int32_t kLastFrame = 34;
const CVector3 kKintosAt = {4.0f, 0.0f, 35.0f};
const CVector3 kRockAt[3] = {{4.0f, 0.0f, 20.0f}, {0.0f, 0.0f, 20.0f}, {8.0f, 0.0f, 20.0f}};

void DrawPosed(Model3D& model, const Animation& anim, int32_t frame, const CVector3& at) {
    ApplyAnimationFrame(model, anim, frame);
    glPushMatrix();
    glTranslatef(at.x, at.y, at.z);
    DrawModel3D(model);
    glPopMatrix();
}

// The rocks in turn, one frame each; true once the third has landed.
bool DropRocks() {
    int32_t* frame = AttackMove.RockFrame;
    for (int i = 0; i < 3; ++i) {
        if (frame[i] >= kLastFrame) continue;
        // The first waits for the flight to stand at its fourth key.
        if (i == 0 && CameraKeyIndex != 3) return false;
        if (frame[i] == 0) PlayEffect(SoundEffect::Rocks);
        DrawPosed(RockModel, RockAnim, frame[i], kRockAt[i]);
        frame[i] += 1;
        return i == 2 && frame[i] >= kLastFrame;
    }
    return true;
}

} // namespace

void EndSummon() {
    AttackMove = AttackMoveRecord{};
    HeroActing = ShowDamage = ShowAllDamage = 0;
    ClearSpellFlags();
}

void SummonKintos(const SpellCast& cast) {
    HeroActing = 1;
    AttackMoveRecord& m = AttackMove;
    if (!m.MoveStarted) {
        char script[32];
        std::snprintf(script, sizeof script, "Scripts\\Kintos%d.scp", std::rand() % 2);
        StartCameraScript(script);
        m.MoveStarted = 1;
    }
    if (m.MoveFrame >= 0) DrawPosed(KintosModel, KintosAnim, m.MoveFrame, kKintosAt);
    if (!m.StageA) {
        if (m.MoveFrame < kLastFrame)
            m.MoveFrame += 1;
        else
            m.StageA = 1;
    } else if (!ShowDamage) {
        if (DropRocks()) ShowDamage = 1;
    } else if (m.MoveFrame > -1) {
        m.MoveFrame -= 1; // Kintos sinks
    }

    if (ShowDamage) {
        ShowAllDamage = 1;
        if (!m.MoveHit) {
            for (int i = 0; i < kBattleSlotCount; ++i) {
                MonsterRecord& slot = BattleSlots[i];
                DamageShown[i] =
                    SlotLiving(slot) ? KintosDamage(cast.attack, cast.dexterity, slot.MagicDefense) : 0;
                if (SlotLiving(slot)) TakeHP(slot.HP, DamageShown[i]);
            }
            if (cast.heroMP) SpendMP(*cast.heroMP, cast.entry.MpCost[0]);
            m.MoveHit = 1;
        }
    }

    if (!CameraScriptPlaying) EndSummon();
}
