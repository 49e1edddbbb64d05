// Counting steps toward random battles and filling the battle slots.
#include "assets/game_state.h"
#include "records/battle_slots.h"
#include "records/records.h"
#include "tests/unit/shipped_levels.h"
#include "tests/unit/test_support.h"
#include "world/encounters.h"
#include "world/level_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

class FieldEncounters : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildShippedLevels();
        StepCounter = 0;
        StepsToEncounter = 100;
        EncounterPending = 0;
        ScriptedBattle = 0;
        EncounterSeeded = 1;
        for (MonsterRecord& slot : BattleSlots) slot = MonsterRecord{};
    }
    static void ExpectEmpty(int slot) {
        const MonsterRecord& m = BattleSlots[slot];
        EXPECT_TRUE(m.HP == 0 && m.Dead == 1 && m.DeathSink == 5.0f) << slot;
    }
    static void ExpectAt(int slot, float x) {
        const MonsterRecord& m = BattleSlots[slot];
        EXPECT_EQ((std::vector<float>{m.Position.x, m.Position.z, m.Home.x, m.Home.z}),
                  (std::vector<float>{x, 20, x, 20}))
            << slot;
    }
    static int Live() {
        int live = 0;
        for (const MonsterRecord& slot : BattleSlots) live += slot.Dead == 0;
        return live;
    }
};

TEST_F(FieldEncounters, TheHundredthDungeonStepAsksForABattle) {
    CurrentLevel = LevelVoruduDungeon;
    for (int i = 0; i < 99; ++i) CountStep();
    EXPECT_EQ(StepCounter, 99);
    EXPECT_EQ(EncounterPending, 0);
    ScriptedBattle = 1;
    CountStep();
    // A random battle draws its own monsters.
    EXPECT_EQ((Figures{EncounterPending, ScriptedBattle, StepCounter}), (Figures{1, 0, 0}));
    EXPECT_TRUE(StepsToEncounter >= 100 && StepsToEncounter <= 299) << StepsToEncounter;
}

TEST_F(FieldEncounters, LevelsWithoutRandomBattlesNeitherCountNorReset) {
    CurrentLevel = LevelWorldMap;
    for (int i = 0; i < 42; ++i) CountStep();
    for (int level : {0, 3, 4, 6}) {
        CurrentLevel = level;
        for (int i = 0; i < 500; ++i) CountStep();
        EXPECT_EQ(StepCounter, 42) << level;
    }
    EXPECT_EQ(EncounterPending, 0);
    CurrentLevel = LevelDamnedDungeon;
    CountStep();
    EXPECT_EQ(StepCounter, 43) << "the count carries over to the next level with battles";
    CurrentLevel = 99; // no such level
    CountStep();
    EXPECT_EQ(StepCounter, 43);
}

TEST_F(FieldEncounters, RandomBattlesDrawOneToThreeOfTheLevelsKinds) {
    CurrentLevel = LevelDamnedDungeon; // Dungeon of the Damned: Scorpions and Spikes only
    std::set<int> counts;
    std::set<std::string> names;
    for (int i = 0; i < 200; ++i) {
        SetupEncounter();
        const int n = Live();
        counts.insert(n);
        for (int s = 0; s < n; ++s) {
            names.insert(BattleSlots[s].Name);
            EXPECT_TRUE(BattleSlots[s].HP == BattleSlots[s].MaxHP && BattleSlots[s].HP > 0) << s;
        }
        for (int s = n; s < kBattleSlotCount; ++s) ExpectEmpty(s);
        // One stands in the middle, two at the ends, three at the ends and the middle.
        const float places[4][3] = {{}, {4}, {8, 0}, {8, 4, 0}};
        for (int s = 0; s < n && n <= 3; ++s) ExpectAt(s, places[n][s]);
    }
    EXPECT_EQ(counts, (std::set<int>{1, 2, 3}));
    EXPECT_EQ(names,
              (std::set<std::string>{MonsterRoster[MonsterScorpion].Name, MonsterRoster[MonsterSpike].Name}));
}

TEST_F(FieldEncounters, ALevelWithoutKindsDrawsNoMonsters) {
    CurrentLevel = LevelRoadPass;
    SetupEncounter();
    for (int s = 0; s < kBattleSlotCount; ++s) ExpectEmpty(s);
    LevelTable[2].MonsterKinds = {-1, 99};
    LevelTable[2].MonsterKindCount = 50; // longer than its list
    CurrentLevel = LevelWorldMap;
    for (int i = 0; i < 20; ++i) {
        SetupEncounter();
        EXPECT_EQ(Live(), 0);
    }
}

TEST_F(FieldEncounters, ScriptedBattlesCopyTheirMonstersIntoThePlaces) {
    const MonsterRecord& ogre = MonsterTemplates[MonsterOgre];
    const MonsterRecord& bat = MonsterTemplates[MonsterBat];
    const MonsterRecord& toad = MonsterTemplates[MonsterToad];

    StartScriptedBattle(&ogre, &ogre, nullptr, 2);
    EXPECT_EQ((Figures{EncounterPending, ScriptedBattle}), (Figures{1, 1}));
    EXPECT_STREQ(BattleSlots[0].Name, ogre.Name);
    EXPECT_STREQ(BattleSlots[1].Name, ogre.Name);
    ExpectAt(0, 8.0f);
    ExpectAt(1, 0.0f);
    ExpectEmpty(2);

    StartScriptedBattle(&MonsterTemplates[MonsterLimbus], nullptr, nullptr, 1);
    EXPECT_STREQ(BattleSlots[0].Name, MonsterTemplates[MonsterLimbus].Name);
    ExpectAt(0, 4.0f);
    for (int s : {1, 2}) ExpectEmpty(s);

    StartScriptedBattle(&ogre, &bat, &toad, 3);
    EXPECT_STREQ(BattleSlots[0].Name, ogre.Name);
    EXPECT_STREQ(BattleSlots[1].Name, bat.Name) << "three monsters fill the middle slot too";
    EXPECT_STREQ(BattleSlots[2].Name, toad.Name);
    for (int s = 0; s < 3; ++s) ExpectAt(s, 8.0f - 4.0f * static_cast<float>(s));
    EXPECT_EQ(Live(), 3);

    // Missing monsters give empty slots rather than a crash.
    StartScriptedBattle(nullptr, nullptr, nullptr, 3);
    EXPECT_EQ(Live(), 0);
}

} // namespace
