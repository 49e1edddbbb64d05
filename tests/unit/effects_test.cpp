// The staged actions played frame by frame without a window, on camera
// flights written for the test: what each strike takes, that it lands and
// costs MP exactly once, that every scene ends with its flags down, and the
// menu refusing what has no scene.
#include "assets/camera_script.h"
#include "assets/loaded_assets.h"
#include "battle/battle_flow.h"
#include "battle/battle_state.h"
#include "battle/command_menu.h"
#include "battle/effects.h"
#include "records/battle_slots.h"
#include "records/records.h"
#include "tests/unit/test_support.h"
#include "world/encounters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Every slot's HP.
Figures SlotHp() {
    return {BattleSlots[0].HP, BattleSlots[1].HP, BattleSlots[2].HP};
}

std::string Keys(const std::vector<int>& steps) {
    std::string text;
    for (size_t i = 0; i < steps.size(); ++i)
        text += std::to_string(i) + " 4,4,3,4,1,20,0,1,0," + std::to_string(steps[i]) + "\n";
    return text;
}

class Effects : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = MakeTempDir("effects");
        for (int i = 0; i < 3; ++i)
            WriteFile(dir_ + "/Scripts/Ice" + std::to_string(i) + ".scp", Keys({1, 5, 5, 50}));
        WriteFile(dir_ + "/Scripts/Fire.scp", Keys({1, 5, 5, 20}));
        for (int i = 0; i < 2; ++i)
            WriteFile(dir_ + "/Scripts/Kintos" + std::to_string(i) + ".scp", Keys({1, 20, 20, 150, 10}));
        WriteFile(dir_ + "/Scripts/AngelCrush.scp", Keys({1, 10, 10}));
        cwd_ = std::make_unique<ScopedWorkingDir>(dir_);

        ResetRecords();
        BattleSlots[0] = MonsterTemplates[MonsterOgre]; // Defense 5, MagicDefense 5
        BattleSlots[1] = MonsterTemplates[MonsterBat];  // 3, 3
        BattleSlots[2] = MonsterTemplates[MonsterToad]; // 8, 5
        PlaceMonsters(3);
        TargetMonster = &BattleSlots[1];
        AttackMove = AttackMoveRecord{};
        HeroActing = FuryCommand = FuryReady = ShowDamage = ShowAllDamage = 0;
        ClearSpellFlags();
        CameraScriptPlaying = false;
        CameraKeyIndex = 0;
        HeroAngelCrushAnim = Animation{};
        HeroAngelCrushAnim.frames.resize(35);
        HeroBattlePos = HeroBattleHome;
    }
    void TearDown() override { cwd_.reset(); }

    void Choose(int32_t warp, int32_t column = 0) {
        SpellEntry entry;
        const WarpRecord stone = WarpTemplate(warp);
        for (int i = 0; i < 3; ++i) {
            entry.SpellName[i] = WarpTable[warp].SpellName[i];
            entry.MpCost[i] = stone.MpCost[i];
        }
        entry.WarpLevel = 3;
        ASSERT_TRUE(ChooseSpell(entry, column));
    }

    // Frames as the battle runs them, until the flag drops; counts the frames
    // in which some slot's HP or the hero's MP changed.
    int Play(const uint8_t& flag, const std::function<void()>& frame, int* hpChanges = nullptr,
             int* mpChanges = nullptr) {
        int frames = 0;
        while (flag && frames < 2000) {
            const int32_t hp[3] = {BattleSlots[0].HP, BattleSlots[1].HP, BattleSlots[2].HP};
            const int32_t mp = Hero.MP;
            UpdateCameraScript();
            frame();
            ++frames;
            if (hpChanges &&
                (hp[0] != BattleSlots[0].HP || hp[1] != BattleSlots[1].HP || hp[2] != BattleSlots[2].HP))
                ++*hpChanges;
            if (mpChanges && mp != Hero.MP) ++*mpChanges;
        }
        return frames;
    }

    std::string dir_;
    std::unique_ptr<ScopedWorkingDir> cwd_;
};

TEST_F(Effects, TheDamageRulesNeverHealAndNeverWrap) {
    // The new hero: Attack 8, Dexterity 6; then defences above the strike give 0, not a heal.
    EXPECT_EQ((Figures{IceDamage(8, 5), FireDamage(8, 5), KintosDamage(8, 6, 5), FuryDamage(71, 5)}),
              (Figures{75, 91, 355, 198}));
    EXPECT_EQ((Figures{IceDamage(1, 500), FireDamage(1, 500), KintosDamage(1, 1, 500), FuryDamage(3, 5),
                       FuryDamage(INT32_MIN, INT32_MAX)}),
              (Figures{0, 0, 0, 0, 0}));
    EXPECT_EQ(KintosDamage(INT32_MAX, INT32_MAX, INT32_MIN), INT32_MAX);
}

TEST_F(Effects, IceStrikesItsTargetOnceWithItsMagicDefenceAndMegaAllEveryLivingSlot) {
    Choose(WarpIce);
    int hits = 0, spends = 0;
    Play(
        IceCast, [] { RunSpellScene(); }, &hits, &spends);
    EXPECT_EQ((Figures{hits, spends, Hero.MP, DamageShown[0]}), (Figures{1, 1, 45, 77}));
    EXPECT_EQ(SlotHp(), (Figures{150, 100 - 77, 200})); // the Bat: 80 - MagicDefense 3
    EXPECT_EQ((Figures{HeroActing, ShowDamage, AttackMove.MoveFrame}), (Figures{0, 0, 0}));

    // With MegaAll each living slot takes 80 - its Defense in its own entry;
    // the one already down is left alone.
    BattleSlots[1].HP = 100;
    BattleSlots[2].Dead = 1;
    AllTargets = true;
    Choose(WarpIce);
    hits = spends = 0;
    Play(
        IceCast, [] { RunSpellScene(); }, &hits, &spends);
    AllTargets = false;
    EXPECT_EQ((Figures{hits, spends, Hero.MP, ShowAllDamage}), (Figures{1, 1, 40, 0}));
    EXPECT_EQ(SlotHp(), (Figures{150 - 75, 100 - 77, 200}));
    EXPECT_EQ((Figures{DamageShown[0], DamageShown[1], DamageShown[2]}), (Figures{75, 77, 0}));
}

TEST_F(Effects, IceWithoutItsFlightStillEnds) {
    std::filesystem::remove_all(dir_ + "/Scripts");
    Choose(WarpIce);
    const int frames = Play(IceCast, [] { RunSpellScene(); });
    EXPECT_LT(frames, 100);
    EXPECT_EQ(BattleSlots[1].HP, 23);
}

TEST_F(Effects, FireLandsAtTheThirdKeyAndEndsWithItsFlight) {
    AllTargets = true;
    Choose(WarpFire);
    int hits = 0, spends = 0;
    const int frames = Play(
        FireCast, [] { RunSpellScene(); }, &hits, &spends);
    AllTargets = false;
    // The start, then the flight's 1 + 5 + 5 + 20 steps.
    EXPECT_EQ((Figures{frames, hits, spends, Hero.MP, HeroActing, ShowAllDamage}),
              (Figures{1 + 31, 1, 1, 43, 0, 0}));
    EXPECT_EQ(SlotHp(), (Figures{150 - 91, 100 - 93, 200 - 88}));
}

TEST_F(Effects, KintosStrikesEveryLivingSlotOnceTheThirdRockHasFallen) {
    Choose(WarpKintos);
    int hits = 0, spends = 0;
    int struck = -1, frame = 0;
    Play(
        KintosCast,
        [&] {
            SummonKintos(HeroSpellCast());
            ++frame;
            if (struck < 0 && BattleSlots[0].HP != 150) struck = frame;
        },
        &hits, &spends);
    // The rocks wait for key index 3 (after 1 + 20 + 20 steps), then fall 34 frames each.
    EXPECT_EQ((Figures{hits, spends, Hero.MP, struck, HeroActing}), (Figures{1, 1, 10, 41 + 3 * 34, 0}));
    // Dexterity 6 x 20 + Attack 8 x 30 = 360, less each one's MagicDefense.
    EXPECT_EQ(SlotHp(), (Figures{150 - 355, 100 - 357, 200 - 355}));
    EXPECT_TRUE(AttackMove.SpinAngle == 10.0f);
    EXPECT_TRUE(AttackMove.BurstScale == 1.1f);
}

TEST_F(Effects, AKintosFlightThatNeverStandsAtItsFourthKeyEndsWithoutAStrike) {
    for (int i = 0; i < 2; ++i)
        WriteFile(dir_ + "/Scripts/Kintos" + std::to_string(i) + ".scp", Keys({1, 60, 20}));
    Choose(WarpKintos);
    int hits = 0;
    Play(
        KintosCast, [] { SummonKintos(HeroSpellCast()); }, &hits);
    EXPECT_EQ((Figures{hits, Hero.MP, HeroActing}), (Figures{0, 50, 0}));
}

TEST_F(Effects, TheFurySkillStrikesOnceAndEmptiesTheBar) {
    Hero.FuryBar = 100;
    FuryReady = FuryCommand = 1;
    int hits = 0;
    Play(
        FuryCommand, [] { FuryStrike(); }, &hits);
    EXPECT_EQ(hits, 1);
    // Three times the blow of 66..78 past the Bat's Defense 3 (the roll is seeded by the clock).
    EXPECT_GE(DamageShown[0], 3 * 63);
    EXPECT_LE(DamageShown[0], 3 * 75);
    EXPECT_EQ(BattleSlots[1].HP, 100 - DamageShown[0]);
    EXPECT_EQ((Figures{Hero.FuryBar, FuryReady, HeroActing}), (Figures{0, 0, 0}));
    EXPECT_EQ(HeroBattlePos.x, HeroBattleHome.x);
    // The next explosion grows from 0.1.
    EXPECT_FLOAT_EQ(AttackMove.BurstScale, 0.1f);

    // A leap missing from the data still comes to its end.
    HeroAngelCrushAnim = Animation{};
    FuryReady = FuryCommand = 1;
    EXPECT_LT(Play(FuryCommand, [] { FuryStrike(); }), 200);
}

TEST_F(Effects, TheFuryBurstKeepsItsSizeAndSpinFromOneBattleToTheNext) {
    Hero.FuryBar = 100;
    FuryReady = FuryCommand = 1;
    Play(FuryCommand, [] { FuryStrike(); });
    AttackMove.SpinAngle = 30.0f;
    ExitBattle();
    EXPECT_EQ((std::vector<float>{AttackMove.SpinAngle, AttackMove.BurstScale}),
              (std::vector<float>{30.0f, 0.1f}));

    // A battle lost while the explosion spins ends the skill as its own end
    // would, with nothing of it left under way.
    FuryReady = FuryCommand = 1;
    for (int frame = 0; frame < 500 && AttackMove.SpinAngle < 100.0f; ++frame) {
        UpdateCameraScript();
        FuryStrike();
    }
    ASSERT_EQ(AttackMove.StageB, 1);
    LeaveLostBattle();
    EXPECT_EQ((std::vector<float>{AttackMove.SpinAngle, AttackMove.BurstScale}),
              (std::vector<float>{10.0f, 0.1f}));
    EXPECT_EQ(
        (Figures{AttackMove.StageB, AttackMove.MoveStarted, AttackMove.MoveFrame, FuryCommand, HeroActing}),
        (Figures{0, 0, 0, 0, 0}));
}

TEST_F(Effects, TheMenuRefusesSpellsAndSummonRowsWithoutAScene) {
    Hero.WarpHolders[0][0] = WarpTemplate(WarpIce);
    Hero.WarpHolders[0][0].WarpLevel = 2; // "Ice2" is in reach but has no scene
    Hero.WarpHolders[0][1] = WarpTemplate(WarpKintos);
    RebuildSpellLists();
    BattleRunning = MenuOpen = 1;
    ResetCommandMenu();
    MenuOpen = 1;
    CommandCursor = 1; // Magic
    BattleMenuOk();    // the list opens
    SpellColumn = 1;
    BattleMenuOk();
    EXPECT_EQ((Figures{TargetSelect, MenuOpen}), (Figures{0, 1}));
    SpellColumn = 0;
    BattleMenuOk();
    BattleMenuOk();
    EXPECT_EQ((Figures{IceCast, MenuOpen}), (Figures{1, 0}));

    ClearSpellFlags();
    MenuOpen = 1;
    CommandCursor = 2; // Summon
    BattleMenuOk();
    SummonRow = 1; // past the one summon
    BattleMenuOk();
    EXPECT_EQ((Figures{TargetSelect, MenuOpen}), (Figures{0, 1}));
    SummonRow = 0;
    BattleMenuOk();
    BattleMenuOk();
    EXPECT_EQ((Figures{KintosCast, SpellInUse.MpCost[0]}), (Figures{1, 40}));
    ClearSpellFlags();
    BattleRunning = 0;
}

TEST_F(Effects, AFullFuryBarTurnsTheAttackIntoTheSkill) {
    BattleRunning = MenuOpen = 1;
    ResetCommandMenu();
    MenuOpen = 1;
    FuryReady = 1;
    BattleMenuOk();
    BattleMenuOk();
    EXPECT_EQ((Figures{FuryCommand, AttackCommand}), (Figures{1, 0}));
    FuryCommand = FuryReady = BattleRunning = 0;
}

} // namespace
