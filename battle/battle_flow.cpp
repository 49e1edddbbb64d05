#include "battle/battle_flow.h"

#include "assets/camera.h"
#include "assets/camera_script.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/log.h"
#include "assets/sound_effects.h"
#include "battle/battle_state.h"
#include "battle/command_menu.h"
#include "battle/effects.h"
#include "battle/shatter.h"
#include "battle/victory.h"
#include "records/battle_slots.h"
#include "world/encounters.h"
#include "world/field_camera.h"
#include "world/field_common.h"
#include "world/field_frame.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

// Every action flag down and the shared move record at its first values: a
// battle may end with a blow still on its way back. The fury burst's size and
// spin are the one thing carried into the next battle, as a scene cut short
// by the battle's end would have left them.
void ResetActions() {
    EndSceneNow();
    AttackMoveRecord next;
    next.SpinAngle = AttackMove.SpinAngle;
    next.BurstScale = AttackMove.BurstScale;
    AttackMove = next;
    HeroActing = AttackCommand = ItemCommand = FuryCommand = FuryReady = 0;
    ClearSpellFlags();
    ItemInUse = nullptr;
    ShowDamage = ShowAllDamage = ShowHeal = 0;
    for (MonsterRecord& slot : BattleSlots) slot.Acting = slot.Ready = 0;
}

// What both ways out share.
void ResetBattle() {
    ScriptedBattle = 0;
    CameraScriptPlaying = false;
    CameraKeyIndex = 0;
    glEnable(GL_CULL_FACE);
    for (MonsterRecord& slot : BattleSlots) {
        slot.Dead = 0;
        slot.HP = slot.MaxHP;
        slot.MP = slot.MaxMP;
        slot.DeathSink = 0.05f;
        slot.Position = slot.Home;
    }
    BattleRunning = 0;
    ResetCommandMenu();
    ResetVictory();
    ResetActions();
    ApplyAnimationFrame(HeroModel, HeroWalkAnim, 0);
    IntroStarted = 0;
    ResetShatter(ShatterState);
    HeroBattlePos = HeroBattleHome;
}

constexpr float kSinkStep = 0.05f;

// Whether this frame's step takes the sink past a shallow depth that every
// sink, from the hero's 0 or a monster's 0.05, crosses once at its start.
bool SinkBegins(float deathSink) {
    constexpr float depth = 0.075f;
    return deathSink < depth && deathSink + kSinkStep >= depth;
}

} // namespace

void StartBattle() {
    AppendLog("Entering Battle Mode");
    CaptureScreen(BattleCaptureTexture, BattleCaptureSize(), BattleCaptureSize());
    ShatterState.Texture = &BattleCaptureTexture;
    EncounterPending = 0;
    GameMode = ModeBattle;
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    SavedFieldCamera = Camera;
    PositionCamera(Camera, -3, 3, 0, -3, 3, -6, 0, 1, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    PlayMusic("Music/Battle.wav");
    PlayEffect(SoundEffect::Shatter);
    glDisable(GL_CULL_FACE);
    if (!ScriptedBattle) SetupEncounter();
    SumBattleRewards();
    LendSwarpStats();
}

void LendSwarpStats() {
    BuildSwarpBonus();
    ApplySwarpStats(true);
    ApplySwarpMaxStats(true);
    RebuildSpellLists();
}

void ReturnSwarpStats() {
    ApplySwarpStats(false);
}

bool SlotMayAttack(int i) {
    if (i < 0 || i >= kBattleSlotCount) return false;
    const MonsterRecord& slot = BattleSlots[i];
    const bool othersIdle =
        !BattleSlots[(i + 1) % kBattleSlotCount].Acting && !BattleSlots[(i + 2) % kBattleSlotCount].Acting;
    return slot.Ready && !HeroActing && slot.HP > 0 && othersIdle && !Hero.Dead;
}

void ExitBattle() {
    AppendLog("Exiting Battle Mode");
    const LevelRecord* level = LevelAt(CurrentLevel);
    PlayMusic(level ? level->Music : nullptr);
    ResetBattle();
    GameMode = ModeField;
    Camera = SavedFieldCamera;
    ReturnSwarpStats();
}

void LeaveLostBattle() {
    ResetBattle();
}

const LevelRecord* BeginArenaFrame() {
    glClearColor(0.2f, 0.5f, 1.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(Camera.Position.x, Camera.Position.y, Camera.Position.z, Camera.ViewPoint.x, Camera.ViewPoint.y,
              Camera.ViewPoint.z, Camera.UpVector.x, Camera.UpVector.y, Camera.UpVector.z);
    ExtractFrustum(ViewFrustum);
    UpdateCameraScript();
    const LevelRecord* level = LevelAt(CurrentLevel);
    glEnable(GL_LIGHT1);
    if (level) DrawModel3D(level->BattleGround);
    glDisable(GL_LIGHT1);
    return level;
}

void DrawCombatant(Model3D& model, const CVector3& position, const Animation& idle, uint8_t busy, int32_t hp,
                   uint8_t& dead, float& deathSink, int32_t& idleFrame) {
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    if (hp < 1) {
        ApplyAnimationFrame(model, idle, 0);
        glTranslatef(0, -deathSink, 0);
        if (SinkBegins(deathSink))
            PlayEffect(&deathSink == &Hero.DeathSink ? SoundEffect::Defeat : SoundEffect::MonsterSink);
        deathSink += kSinkStep;
        if (deathSink > 5.0f) dead = 1;
    }
    idleFrame += 1;
    if (idleFrame >= static_cast<int32_t>(idle.frames.size()) || idleFrame < 0) idleFrame = 0;
    if (hp >= 1 && !busy) ApplyAnimationFrame(model, idle, idleFrame);
    DrawModel3D(model);
    glPopMatrix();
}

void RestoreFromItem(HeroRecord& hero, const ItemRecord& item) {
    hero.HP = SaturatingAdd(hero.HP, item.HpRestore);
    if (hero.HP > hero.MaxHP) hero.HP = hero.MaxHP;
    hero.MP = SaturatingAdd(hero.MP, item.MpRestore);
    if (hero.MP > hero.MaxMP) hero.MP = hero.MaxMP;
}
