// The battle mode's frame: the arena, the opening shatter and intro flight, the
// gauges, one action at a time, the menu, and the hero's fall when he loses.
#include "assets/camera.h"
#include "assets/camera_script.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/scene_scale.h"
#include "assets/screen_area.h"
#include "assets/sound_effects.h"
#include "battle/battle_flow.h"
#include "battle/battle_numbers.h"
#include "battle/battle_state.h"
#include "battle/command_menu.h"
#include "battle/effects.h"
#include "battle/particles.h"
#include "battle/physical_attack.h"
#include "battle/shatter.h"
#include "platform/platform.h"
#include "records/battle_slots.h"
#include "world/dialogue.h"
#include "world/field_camera.h"
#include "world/field_common.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The intro is over: its camera flight starts and every gauge gets a random head start.
void BeginIntro(const LevelRecord* level) {
    char script[64];
    std::snprintf(script, sizeof script, "%.*s%d.scp", static_cast<int>(sizeof level->BattleIntroScript),
                  level ? level->BattleIntroScript : "", std::rand() % 3);
    StartCameraScript(script);
    IntroStarted = 1;
    Hero.AttackTimer = std::rand() % 100;
    HeroGaugeWidth = static_cast<float>(Hero.AttackTimer * (LayoutArea.width / 1050.0));
    const unsigned tick = GetTickCount();
    const unsigned seeds[kBattleSlotCount] = {tick, tick + 1, tick / 2};
    for (int i = 0; i < kBattleSlotCount; ++i) {
        std::srand(seeds[i]);
        BattleSlots[i].AttackTimer = std::rand() % 100;
    }
}

bool AnySlotActing() {
    for (const MonsterRecord& slot : BattleSlots)
        if (slot.Acting) return true;
    return false;
}

bool AllSlotsDead() {
    for (const MonsterRecord& slot : BattleSlots)
        if (!slot.Dead) return false;
    return true;
}

void ShowNumbers() {
    if (HeroActing && ShowDamage) {
        if (ShowAllDamage)
            ShowDamageAll();
        else if (TargetMonster)
            ShowDamageAt(TargetMonster->Position);
    }
    if (HeroActing && ShowHeal) ShowHealAt(HeroBattleHome);
    if (AnySlotActing() && ShowDamage) ShowDamageAt(HeroBattlePos);
}

// The lowest ready slot attacks first; the others wait their turn.
void RunMonsters() {
    for (int i = 0; i < kBattleSlotCount; ++i) {
        MonsterRecord& slot = BattleSlots[i];
        if (SlotMayAttack(i) && slot.Model && slot.AttackAnim) {
            const AttackRoles roles = {&slot.Position,  &slot.Home,  &HeroBattlePos, slot.Model,
                                       slot.AttackAnim, false,       true,           &slot.Acting,
                                       &slot.Ready,     &Hero.HP,    slot.Attack,    slot.Dexterity,
                                       slot.Luck,       Hero.Defense};
            PhysicalAttack(AttackMove, roles);
        }
        if (slot.Model && slot.IdleAnim)
            DrawCombatant(*slot.Model, slot.Position, *slot.IdleAnim, slot.Acting, slot.HP, slot.Dead,
                          slot.DeathSink, slot.Frame);
    }
}

void RunHeroAttack() {
    if (!AttackCommand || AnySlotActing() || Hero.HP <= 0 || !TargetMonster) return;
    MonsterRecord& target = *TargetMonster;
    const AttackRoles roles = {
        &HeroBattlePos, &HeroBattleHome, &target.Position, &HeroModel,     &HeroAttackAnim,
        true,           false,           &HeroActing,      &AttackCommand, &target.HP,
        Hero.Attack,    Hero.Dexterity,  Hero.Luck,        target.Defense};
    PhysicalAttack(AttackMove, roles);
}

void RunHeroSpecials() {
    if (AnySlotActing() || Hero.HP <= 0) return;
    if (ItemCommand) UseItemAction();
    if (FuryCommand) FuryStrike();
    if (AnySpellCast()) RunSpellScene();
}

void ShowDefeat() {
    if (Hero.DeathSink > 5.0f) DrawMessageBox("Game Over...", 0, 0);
    if (Hero.DeathSink > 10.0f) DefeatFinished = 1;
}

} // namespace

void FillMonsterGauges() {
    if (!BattleRunning || HeroActing || AnySlotActing()) return;
    for (MonsterRecord& slot : BattleSlots) {
        slot.AttackTimer += 1;
        if (slot.AttackTimer == 100) {
            slot.Ready = 1;
            slot.AttackTimer = 0;
        }
    }
}

void UseItemAction() {
    if (!ItemInUse) {
        ItemCommand = 0;
        return;
    }
    HeroActing = 1;
    if (!AttackMove.MoveStarted) {
        AttackMove.MoveStarted = 1;
        PlayEffect(SoundEffect::ItemUse);
        EmitSparkle(ItemInUse->ColorR, ItemInUse->ColorG, ItemInUse->ColorB);
    }
    ApplyAnimationFrame(HeroModel, HeroUseItemAnim, AttackMove.MoveFrame);
    glPushMatrix();
    glTranslatef(HeroBattleHome.x, HeroBattleHome.y, HeroBattleHome.z);
    DrawParticles(ParticleTexture, false);
    glPopMatrix();

    const int32_t frames = static_cast<int32_t>(HeroUseItemAnim.frames.size());
    if (!AttackMove.MoveReturning) {
        if (AttackMove.MoveFrame < frames - 1)
            AttackMove.MoveFrame += 1;
        else {
            AttackMove.MoveReturning = 1;
            ShowHeal = 1;
        }
        return;
    }
    AttackMove.MoveFrame -= 1;
    if (AttackMove.MoveFrame > -1) return;
    ItemCommand = HeroActing = ShowHeal = ShowDamage = 0;
    AttackMove.MoveReturning = AttackMove.MoveStarted = 0;
    AttackMove.MoveFrame = 0;
    RestoreFromItem(Hero, *ItemInUse);
    ItemInUse->Count -= 1;
}

void BattleFrame() {
    const LevelRecord* level = BeginArenaFrame();
    if (!IntroStarted && DrawShatter(ShatterState)) BeginIntro(level);
    if (IntroStarted && !CameraScriptPlaying) BattleRunning = 1;

    ShowNumbers();
    // Print them now at full size; a smaller scene would end with the first
    // glyph and leave the combatants to be drawn over it at full size.
    if (!ScaledScenePending()) PrintShownNumbers();
    FillMonsterGauges();
    if (AllSlotsDead()) GameMode = ModeVictory;
    RunMonsters();
    RunHeroAttack();
    DrawCombatant(HeroModel, HeroBattlePos, HeroBattleStayAnim, HeroActing, Hero.HP, Hero.Dead,
                  Hero.DeathSink, HeroIdleFrame);
    RunHeroSpecials();
    PrintShownNumbers();
    if (BattleRunning) BattleMenuFrame();
    if (Hero.FuryBar > 99) FuryReady = 1;
    if (Hero.HP < 0) Hero.HP = 0;
    ShowDefeat();
    SwapScreenBuffer();
}
