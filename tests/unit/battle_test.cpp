// The battle's arithmetic and its turn rules, without a window: the damage
// roll, the fury bar, who attacks first, the rewards and the Swarps' loan.
#include "assets/game_state.h"
#include "battle/battle_flow.h"
#include "battle/battle_state.h"
#include "battle/command_menu.h"
#include "battle/physical_attack.h"
#include "battle/victory.h"
#include "records/battle_slots.h"
#include "records/records.h"
#include "tests/unit/test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

class Battle : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRecords();
        AttackMove = AttackMoveRecord{};
        HeroActing = 0;
        ShowDamage = 0;
        DamageShown[0] = -1;
    }
};

TEST_F(Battle, TheNewHeroAgainstAnOgreDealsSixtyOneToSeventyThree) {
    const MonsterRecord& ogre = MonsterTemplates[MonsterOgre];
    EXPECT_EQ(PhysicalSpread(Hero.Attack, Hero.Dexterity), 7); // rand() % 7: 0..6
    int low = 1000, high = -1000;
    for (int luckRoll = 0; luckRoll < 100; ++luckRoll)
        for (int spread = 0; spread < 7; ++spread) {
            const int damage = DamageAfterDefense(
                PhysicalValue(Hero.Attack, Hero.Dexterity, Hero.Luck, luckRoll, spread), ogre.Defense);
            low = std::min(low, damage);
            high = std::max(high, damage);
            // Up to his Luck of 20 the roll counts upward.
            if (luckRoll <= 20) {
                EXPECT_GE(damage, 67);
            } else {
                EXPECT_LE(damage, 67);
            }
        }
    EXPECT_EQ(low, 61);
    EXPECT_EQ(high, 73);
    // The game's own roll stays in the same range.
    for (int i = 0; i < 50; ++i) {
        const int value = RollPhysicalValue(Hero.Attack, Hero.Dexterity, Hero.Luck);
        EXPECT_GE(value - ogre.Defense, 61);
        EXPECT_LE(value - ogre.Defense, 73);
    }
}

TEST_F(Battle, AWeakAttackerRollsNoSpreadAndHugeFiguresDoNotWrap) {
    EXPECT_EQ(PhysicalSpread(1, 0), 0);
    EXPECT_EQ(RollPhysicalValue(1, 0, 100), 6);
    EXPECT_EQ(PhysicalValue(INT32_MAX, INT32_MAX, 0, 0, 0), INT32_MAX);
    EXPECT_EQ(DamageAfterDefense(INT32_MIN, INT32_MAX), 0);
}

TEST_F(Battle, ABlowThatCannotPierceShowsZeroAndNeverHeals) {
    Model3D model;
    Animation anim; // no frames: the blow lands on the first frame
    CVector3 pos = {8, 0, 20}, home = pos, target = {4, 0, 10};
    uint8_t busy = 0, command = 1;
    int32_t hp = 40;
    const AttackRoles roles = {&pos,  &home,    &target, &model, &anim, false, false,
                               &busy, &command, &hp,     1,      1,     0,     500};
    PhysicalAttack(AttackMove, roles);
    // Back home at once, every flag of the move down.
    EXPECT_EQ((std::vector<int>{DamageShown[0], hp, busy, command, AttackMove.MoveStarted,
                                AttackMove.MoveFrame, ShowDamage}),
              (std::vector<int>{0, 40, 0, 0, 0, 0, 0}));
}

TEST_F(Battle, AnAttackWalksOutStrikesOnceAndWalksBack) {
    Model3D model;
    Animation anim;
    anim.frames.resize(5);
    CVector3 pos = {8, 0, 20}, home = pos, target = {4, 0, 10};
    uint8_t busy = 0, command = 1;
    int32_t hp = 1000;
    const AttackRoles roles = {&pos,  &home,    &target, &model, &anim, false, true,
                               &busy, &command, &hp,     4,      2,     50,    0};
    Hero.FuryBar = 0;
    int frames = 0, hits = 0;
    int32_t lastHP = hp;
    while (command && frames < 100) {
        PhysicalAttack(AttackMove, roles);
        ++frames;
        if (hp != lastHP) ++hits;
        lastHP = hp;
        if (frames == 4) {
            EXPECT_FLOAT_EQ(pos.x, 8.0f - 4 * 4.0f / 35.0f);
        }
    }
    EXPECT_EQ(frames, 9); // four steps out, the strike with the first step back, four more
    EXPECT_EQ(hits, 1);
    EXPECT_EQ(pos.x, home.x);
    // The hero was the target: his fury bar took the blow.
    EXPECT_GT(Hero.FuryBar, 0);
}

TEST_F(Battle, TheFuryBarFillsFromTheShareOfMaxHpLost) {
    // Angel Crush's 25 per cent of 500 HP: 125 points fill it.
    EXPECT_EQ(FuryAfterDamage(0, 50, 25, 500), 40);
    EXPECT_EQ(FuryAfterDamage(40, 60, 25, 500), 100); // 60 + 40 > 99
    EXPECT_EQ(FuryAfterDamage(95, 4, 25, 500), 98);
    EXPECT_EQ(FuryAfterDamage(94, 5, 25, 500), 98); // never past the full bar
    EXPECT_EQ(FuryAfterDamage(0, 0, 25, 500), 0);
    // Meta Slash's 100 per cent fills it on losing all of MaxHP, not by dividing by zero.
    EXPECT_EQ(FuryAfterDamage(0, 50, 100, 500), 10);
    EXPECT_EQ(FuryAfterDamage(0, 1, 25, 0), 100);
}

TEST_F(Battle, OfTwoMonstersReadyTogetherTheLowerSlotGoesFirst) {
    for (MonsterRecord& slot : BattleSlots) slot = MonsterRoster[MonsterOgre];
    BattleSlots[0].Ready = BattleSlots[1].Ready = 1;
    EXPECT_TRUE(SlotMayAttack(0));
    BattleSlots[0].Acting = 1; // slot 0 has set out
    EXPECT_FALSE(SlotMayAttack(1));
    BattleSlots[0].Acting = 0;
    BattleSlots[0].Ready = 0;
    EXPECT_TRUE(SlotMayAttack(1)); // it kept its turn
    // A slot killed while ready, or a hero already acting or dead, stops it.
    BattleSlots[1].HP = 0;
    EXPECT_FALSE(SlotMayAttack(1));
    BattleSlots[1].HP = 10;
    HeroActing = 1;
    EXPECT_FALSE(SlotMayAttack(1));
    HeroActing = 0;
    Hero.Dead = 1;
    EXPECT_FALSE(SlotMayAttack(1));
    EXPECT_FALSE(SlotMayAttack(3));
}

TEST_F(Battle, TheMonstersGaugesWaitWhileAnyoneActsTheHerosOnlyForHisOwnAction) {
    for (MonsterRecord& slot : BattleSlots) {
        slot = MonsterRoster[MonsterOgre];
        slot.AttackTimer = 98;
    }
    BattleSlots[2].Dead = 1; // a fallen slot's gauge runs on
    const auto timers = [] {
        return std::vector<int32_t>{BattleSlots[0].AttackTimer, BattleSlots[1].AttackTimer,
                                    BattleSlots[2].AttackTimer};
    };
    ScreenWidth = 1024;
    ResetCommandMenu();
    BattleRunning = 1;
    HeroActing = 1;
    FillMonsterGauges();
    StepHeroGauge();
    EXPECT_EQ(timers(), (std::vector<int32_t>{98, 98, 98}));
    EXPECT_EQ(HeroGaugeWidth, 0.0f);
    HeroActing = 0;
    BattleSlots[1].Acting = 1;
    FillMonsterGauges();
    StepHeroGauge();
    EXPECT_EQ(timers(), (std::vector<int32_t>{98, 98, 98}));
    EXPECT_GT(HeroGaugeWidth, 0.0f) << "the hero's gauge fills while a monster attacks";
    BattleSlots[1].Acting = 0;
    FillMonsterGauges();
    EXPECT_EQ(timers(), (std::vector<int32_t>{99, 99, 99}));
    FillMonsterGauges();
    EXPECT_EQ(timers(), (std::vector<int32_t>{0, 0, 0}));
    EXPECT_EQ(BattleSlots[0].Ready + BattleSlots[1].Ready + BattleSlots[2].Ready, 3);
    BattleRunning = 0;
    FillMonsterGauges();
    EXPECT_EQ(timers(), (std::vector<int32_t>{0, 0, 0})) << "not before the intro is over";
}

TEST_F(Battle, AtTenTwentyFourWideTheMenuOpensAfterExactlyAHundredSteps) {
    ScreenWidth = 1024;
    ResetCommandMenu();
    Hero.AttackTimer = 0;
    int frames = 0;
    while (!MenuOpen && frames < 1000) {
        StepHeroGauge();
        ++frames;
    }
    EXPECT_EQ(Hero.AttackTimer, 100);
    EXPECT_EQ(frames, 101); // the hundredth step fills it, the next frame opens the menu
    MenuOpen = 0;
}

TEST_F(Battle, RewardsAreFixedAtTheStartAndPaidInOneOk) {
    BattleSlots[0] = MonsterRoster[MonsterOgre];
    BattleSlots[1] = MonsterRoster[MonsterBat];
    BattleSlots[2] = MonsterRoster[MonsterToad];
    BattleSlots[2].Dead = 1; // an empty slot pays nothing
    SumBattleRewards();
    EXPECT_EQ(BattleGoldReward, 80);
    EXPECT_EQ(BattleExpReward, 30);
    EXPECT_EQ(BattleWarpExpReward, 3);
    BattleSlots[0].Dead = 1; // dying later changes nothing
    EXPECT_EQ(BattleGoldReward, 80);

    // Exp reaching the threshold exactly does not level.
    Hero.Exp = 20;
    Hero.NextLevelExp = 50;
    PayBattleRewards();
    EXPECT_EQ(Hero.Exp, 50);
    EXPECT_EQ(Hero.Level, 1);
    EXPECT_EQ(Hero.Gold, 180);

    // Enough for several levels: each level doubles the threshold.
    BattleExpReward = 400;
    PayBattleRewards();
    EXPECT_EQ(Hero.Level, 4); // 450: -50 -> 400, -100 -> 300, -200 -> 100 < 400
    EXPECT_EQ(Hero.Exp, 100);
    EXPECT_EQ(Hero.NextLevelExp, 400);
}

TEST_F(Battle, TheSwarpsAreLentForTheBattleAndTakenBackExactly) {
    Hero.SwordSlots[0] = SwarpTable[SwarpDefender];
    Hero.SwordSlots[1] = SwarpTable[SwarpGunner];
    Hero.SwordSlots[0].Open = Hero.SwordSlots[1].Open = 1;
    Hero.MaxHP = 550;
    Hero.HP = 550;
    const HeroRecord before = Hero;
    LendSwarpStats();
    EXPECT_GT(Hero.MaxHP, before.MaxHP);
    EXPECT_EQ(Hero.HP, Hero.MaxHP); // a full bar stays full
    EXPECT_GT(Hero.Attack + Hero.Defense + Hero.Luck, before.Attack + before.Defense + before.Luck);
    // The victory takes back HP and MP, the way out the rest.
    ApplySwarpMaxStats(false);
    ReturnSwarpStats();
    EXPECT_EQ(std::memcmp(&Hero, &before, sizeof Hero), 0) << "not every figure came back";
}

TEST_F(Battle, AnItemRestoresUpToTheMaximumOnly) {
    Hero.HP = 450;
    Hero.MP = 10;
    RestoreFromItem(Hero, ItemTable[ItemPotion]);
    EXPECT_EQ(Hero.HP, Hero.MaxHP);
    EXPECT_EQ(Hero.MP, 10);
    RestoreFromItem(Hero, ItemTable[ItemEther]);
    EXPECT_EQ(Hero.MP, Hero.MaxMP);
}

} // namespace
