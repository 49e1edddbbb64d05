// Level-ups, Warp growth, the spell lists and the Swarp bonus.
#include "records/records.h"
#include "tests/unit/test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

class Growth : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRecords();
        SwarpBonus = SwarpRecord{};
    }
};

void SetWarp(int holder, int slot, int32_t templateIndex) {
    Hero.WarpHolders[holder][slot] = WarpTemplate(templateIndex);
}

// The victory screen's loop.
void PayExperience(int32_t exp) {
    Hero.Exp += exp;
    while (Hero.NextLevelExp < Hero.Exp) LevelUp();
}

// One level-up from where the hero stands.
void LevelOnce() {
    Hero.Exp = Hero.NextLevelExp;
    LevelUp();
}

} // namespace

TEST_F(Growth, SixtyExperienceFromANewGameGivesLevelTwo) {
    PayExperience(60);
    const HeroRecord& h = Hero;
    EXPECT_EQ((Figures{h.Level, h.Exp, h.NextLevelExp, h.MaxHP, h.MaxMP, h.Attack, h.Defense, h.Dexterity,
                       h.MagicDefense, h.Luck}),
              (Figures{2, 10, 100, 523, 51, 10, 12, 8, 6, 21}));
    EXPECT_EQ((Figures{h.HP, h.MP}), (Figures{500, 50})); // a level-up does not heal
    // A large reward levels several times, doubling the threshold each time.
    ResetHero(Hero);
    PayExperience(50 + 100 + 200 + 1);
    EXPECT_EQ((Figures{h.Level, h.Exp, h.NextLevelExp}), (Figures{4, 1, 400}));
}

TEST_F(Growth, LevelUpNeedsTheThresholdAndVictoryNeedsMore) {
    Hero.Exp = 49;
    LevelUp();
    EXPECT_EQ(Hero.Level, 1);
    Hero.Exp = 50;
    LevelUp(); // reached: one step when asked directly
    EXPECT_EQ((Figures{Hero.Level, Hero.Exp}), (Figures{2, 0}));
    ResetHero(Hero);
    PayExperience(50); // the victory loop wants strictly more
    EXPECT_EQ(Hero.Level, 1);
}

TEST_F(Growth, CapsOnHpLuckAndMpGrowth) {
    // Max HP stops at 9999 but the stats it feeds still grow; MP stops once HP is past 999.
    Hero.MaxHP = 9999;
    Hero.MaxMP = 390;
    LevelOnce();
    EXPECT_EQ((Figures{Hero.MaxHP, Hero.MaxMP, Hero.Attack, Hero.Defense, Hero.MagicDefense}),
              (Figures{9999, 390, 8 + 9999 / 200, 10 + 9999 / 200, 5 + 9999 / 400}));
    Hero.MaxHP = 9998; // still grows, past 9999
    LevelOnce();
    EXPECT_EQ(Hero.MaxHP, 9998 + 465);

    Hero.Luck = 99;
    for (int i = 0; i < 2; ++i) {
        LevelOnce();
        EXPECT_EQ(Hero.Luck, 100);
    }

    Hero.MaxHP = 977; // grows to 1022: MP no longer does, whatever it is
    Hero.MaxMP = 10;
    LevelOnce();
    EXPECT_EQ((Figures{Hero.MaxHP, Hero.MaxMP}), (Figures{1022, 10}));
    Hero.MaxHP = 955; // grows to exactly 999: MP no longer grows
    Hero.MaxMP = 390;
    LevelOnce();
    EXPECT_EQ((Figures{Hero.MaxHP, Hero.MaxMP}), (Figures{999, 390}));
    Hero.MaxHP = 954; // grows to 998, still below 999
    LevelOnce();
    EXPECT_EQ((Figures{Hero.MaxHP, Hero.MaxMP}), (Figures{998, 400}));
}

TEST_F(Growth, DamagedThresholdsCannotLevelForever) {
    Hero.NextLevelExp = 0;
    Hero.Exp = 10;
    int steps = 0;
    for (; Hero.NextLevelExp < Hero.Exp && steps < 100; ++steps) LevelUp();
    EXPECT_LT(steps, 100);

    Hero.NextLevelExp = INT_MAX / 2 + 1;
    Hero.Exp = INT_MAX;
    LevelUp();
    EXPECT_EQ(Hero.NextLevelExp, INT_MAX); // saturates instead of wrapping negative
    Hero.MaxHP = INT_MAX - 5;
    Hero.Exp = INT_MAX;
    LevelUp();
    EXPECT_GT(Hero.MaxHP, 0);
}

TEST_F(Growth, WarpsGrowOneLevelPerBattleUpToTheirMaximum) {
    SetWarp(0, 0, WarpIce);
    SetWarp(1, 7, WarpFire);
    const WarpRecord& ice = Hero.WarpHolders[0][0];
    GrowWarps(1000); // exactly at the threshold: waits
    EXPECT_EQ(ice.WarpLevel, 1);
    GrowWarps(1);
    for (const WarpRecord* warp : {&Hero.WarpHolders[0][0], &Hero.WarpHolders[1][7]}) // exp kept, not spent
        EXPECT_EQ((Figures{warp->WarpLevel, warp->WarpExp, warp->NextWarpExp}), (Figures{2, 1001, 4000}));
    GrowWarps(100000); // far past two thresholds, still one level
    EXPECT_EQ((Figures{ice.WarpLevel, ice.NextWarpExp}), (Figures{3, 16000}));
    GrowWarps(100000); // at the maximum: exp and threshold go on, the level does not
    EXPECT_EQ((Figures{ice.WarpLevel, ice.WarpExp, ice.NextWarpExp}), (Figures{3, 201001, 64000}));

    // Only set Warps in usable slots grow.
    SetWarp(0, 1, WarpIce);
    Hero.WarpHolders[0][1].Present = 0; // stone in a slot not forged
    Hero.WarpHolders[0][2].Present = 1; // usable but empty
    Hero.WarpHolders[0][2].WarpExp = 5;
    GrowWarps(2000);
    EXPECT_EQ(
        (Figures{Hero.WarpHolders[0][1].WarpExp, Hero.WarpHolders[0][2].WarpExp, Hero.WarpBag[0].WarpExp}),
        (Figures{0, 5, 0})); // the bag does not learn
}

TEST_F(Growth, SpellListsFollowHolderThenSlotOrder) {
    SetWarp(1, 0, WarpIce);
    SetWarp(0, 5, WarpFire);
    SetWarp(0, 2, WarpKintos);
    SetWarp(1, 3, WarpFire);
    Hero.WarpHolders[1][3].WarpLevel = 3;
    SetWarp(0, 6, WarpIce);
    Hero.WarpHolders[0][6].Present = 0; // not usable: skipped
    RebuildSpellLists();

    ASSERT_EQ(LastSpellIndex, 2);
    EXPECT_STREQ(SpellList[0].Name, "Fire"); // holder 0 slot 5
    EXPECT_STREQ(SpellList[1].Name, "Ice");  // holder 1 slot 0
    EXPECT_STREQ(SpellList[2].Name, "Fire"); // holder 1 slot 3
    EXPECT_EQ(SpellList[2].WarpLevel, 3);
    EXPECT_STREQ(SpellList[2].SpellName[2], "Fire3");
    EXPECT_EQ(SpellList[1].MpCost[1], 25);
    EXPECT_EQ(SpellList[0].Name, Hero.WarpHolders[0][5].Name); // refers into the hero
    ASSERT_EQ(LastSummonIndex, 0);
    EXPECT_STREQ(SummonList[0].Name, "Kintos");
    EXPECT_EQ(SummonList[0].MpCost[0], 40);
    // Entries past the last are blank.
    EXPECT_STREQ(SpellList[3].Name, "");
    EXPECT_STREQ(SpellList[3].SpellName[0], "");
    EXPECT_EQ((Figures{SpellList[3].WarpLevel, SpellList[3].MpCost[2]}), (Figures{0, 0}));
    EXPECT_FALSE(AllTargets);

    // Taken out again, they are forgotten.
    for (WarpRecord& warp : Hero.WarpHolders[0]) warp = WarpRecord{};
    for (WarpRecord& warp : Hero.WarpHolders[1]) warp = WarpRecord{};
    SetWarp(0, 1, WarpMegaAll);
    RebuildSpellLists();
    EXPECT_TRUE(AllTargets);
    Hero.WarpHolders[0][1] = WarpRecord{};
    RebuildSpellLists();
    EXPECT_EQ((Figures{LastSpellIndex, LastSummonIndex}), (Figures{-1, -1}));
    EXPECT_STREQ(SpellList[0].Name, "");
    EXPECT_STREQ(SummonList[0].Name, "");
    EXPECT_FALSE(AllTargets);
}

TEST_F(Growth, SupportFlagsNeedTheirNamesAndLevels) {
    SetWarp(0, 0, WarpMegaAll);
    RebuildSpellLists();
    EXPECT_TRUE(AllTargets);
    EXPECT_FALSE(HasMegaAll2 || HasMegaAll3);
    EXPECT_EQ(LastSpellIndex, -1); // support Warps are not cast

    Hero.WarpHolders[0][0].WarpLevel = 3;
    RebuildSpellLists();
    EXPECT_TRUE(HasMegaAll2);
    EXPECT_TRUE(HasMegaAll3);

    WarpRecord& quadra = Hero.WarpHolders[1][4];
    quadra = WarpTemplate(WarpMegaAll);
    CopyName(quadra.Name, "Quadra");
    CopyName(quadra.SpellName[0], "Quadra");
    CopyName(quadra.SpellName[1], "Quadra2");
    CopyName(quadra.SpellName[2], "Quadra3");
    quadra.WarpLevel = 2;
    RebuildSpellLists();
    EXPECT_TRUE(HasQuadra);
    EXPECT_TRUE(HasQuadra2);
    EXPECT_FALSE(HasQuadra3);
}

TEST_F(Growth, DamagedHolderNamesAreCutInsideTheirFields) {
    SetWarp(0, 0, WarpIce);
    std::memset(Hero.WarpHolders[0][0].Name, 'N', 10);
    std::memset(Hero.WarpHolders[0][0].SpellName[2], 'S', 10);
    Hero.WarpHolders[0][0].WarpLevel = 40;
    RebuildSpellLists();
    ASSERT_EQ(LastSpellIndex, 0);
    EXPECT_EQ(std::strlen(SpellList[0].Name), 9u);
    EXPECT_EQ(std::strlen(SpellList[0].SpellName[2]), 9u);
    EXPECT_EQ(SpellList[0].WarpLevel, 3);
}

TEST_F(Growth, SwarpBonusSumsOnlyForgedSlots) {
    Hero.SwordSlots[0] = SwarpTable[SwarpDefender];
    Hero.SwordSlots[1] = SwarpTable[SwarpGunner];
    Hero.SwordSlots[1].Open = 1;
    Hero.SwordSlots[2] = SwarpTable[SwarpTunner];
    Hero.SwordSlots[2].Open = 0; // a stone lying in an unforged slot lends nothing
    BuildSwarpBonus();
    const SwarpRecord& b = SwarpBonus;
    EXPECT_EQ((Figures{b.AddAttack, b.AddDefense, b.AddLuck, b.AddMaxHP, b.Open}),
              (Figures{11, 3, 50, 100, 1}));
    EXPECT_STREQ(b.Name, "");

    ApplySwarpStats(true);
    EXPECT_EQ((Figures{Hero.Attack, Hero.Luck}), (Figures{19, 70}));
    ApplySwarpStats(false);
    EXPECT_EQ((Figures{Hero.Attack, Hero.Luck, Hero.Defense}), (Figures{8, 20, 10}));
    // The next battle starts from a fresh sum.
    Hero.SwordSlots[1] = SwarpRecord{};
    BuildSwarpBonus();
    EXPECT_EQ(SwarpBonus.AddAttack, 3);
}
// Entering and leaving a battle must not cost the hero points: a full bar
// stays full and a part-filled one comes back as it was.
TEST_F(Growth, MaxStatsKeepTheFillAndRoundTripLosingNothing) {
    const struct {
        int32_t bonusHp, bonusMp, maxHp, hp, maxMp, mp;
        int32_t hpIn, mpIn; // in battle; -1: only "full stays full"
        bool comesBack;
    } cases[] = {
        {100, 50, 500, 250, 50, 25, 300, 50, true},
        {100, 50, 550, 550, 51, 51, -1, -1, true},
        {100, 50, 523, 519, 51, 17, -1, -1, true},
        {100, 50, 550, 275, 50, 33, -1, -1, true},
        {100, 50, 523, 523, 60, 1, -1, -1, true},
        {100, 50, 80, 40, 0, 0, 90, 0, true},  // dropping below 100 does not wipe him out
        {100, 50, 0, 5, 0, 3, 100, 50, false}, // nothing to measure against: a full bar
        {0, 0, 50, 50, 0, 0, 50, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hp << "/" << c.maxHp << " " << c.mp << "/" << c.maxMp);
        SwarpBonus.AddMaxHP = c.bonusHp;
        SwarpBonus.AddMaxMP = c.bonusMp;
        Hero.MaxHP = c.maxHp;
        Hero.HP = c.hp;
        Hero.MaxMP = c.maxMp;
        Hero.MP = c.mp;
        ApplySwarpMaxStats(true);
        EXPECT_EQ(Hero.MaxHP, c.maxHp + c.bonusHp);
        EXPECT_EQ(Hero.MaxMP, c.maxMp + c.bonusMp);
        EXPECT_LE(Hero.HP, Hero.MaxHP);
        if (c.hpIn >= 0) {
            EXPECT_EQ(Hero.HP, c.hpIn);
            EXPECT_EQ(Hero.MP, c.mpIn);
        } else if (c.hp == c.maxHp) {
            EXPECT_EQ(Hero.HP, Hero.MaxHP);
        }
        if (!c.comesBack) continue;
        ApplySwarpMaxStats(false);
        EXPECT_EQ(Hero.MaxHP, c.maxHp);
        EXPECT_EQ(Hero.MaxMP, c.maxMp);
        EXPECT_EQ(Hero.HP, c.hp);
        EXPECT_EQ(Hero.MP, c.mp);
    }
}

TEST_F(Growth, MaxStatsSurviveHugeFigures) {
    SwarpBonus.AddMaxHP = INT_MAX;
    SwarpBonus.AddMaxMP = INT_MAX;
    Hero.MaxHP = INT_MAX;
    Hero.HP = INT_MAX;
    Hero.MaxMP = INT_MAX;
    Hero.MP = -7;
    ApplySwarpMaxStats(true);
    EXPECT_EQ(Hero.MaxHP, INT_MAX);
    EXPECT_GE(Hero.HP, 0);
    EXPECT_LE(Hero.HP, Hero.MaxHP);
    EXPECT_EQ(Hero.MP, 0);
}
