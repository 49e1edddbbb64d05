// The shape of the world as the field, the shops, the chests and the save
// file rely on it.
#include "tests/unit/test_support.h"
#include "world/level_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

class Levels : public ::testing::Test {
  protected:
    void SetUp() override {
        LevelTable.clear();
        LevelCount = 0;
        AppendDefaultLevels();
        ResetRecords();
        BuildLevelTable();
    }
};

int TotalChests() {
    int total = 0;
    for (int i = 0; i < LevelCount; ++i) total += LevelTable[i].ChestCount;
    return total;
}

const VillagerRecord* FindVillager(int level, const char* name) {
    for (const VillagerRecord& villager : LevelTable[level].Villagers)
        if (std::strcmp(villager.Name, name) == 0) return &villager;
    return nullptr;
}

} // namespace

TEST_F(Levels, CountsMatchTheArraysInEveryLevel) {
    ASSERT_EQ(LevelCount, 7);
    ASSERT_EQ(LevelTable.size(), 7u);
    const int villagers[7] = {4, 0, 0, 0, 4, 0, 0};
    const int chests[7] = {2, 1, 0, 2, 2, 6, 0};
    const int exits[7] = {2, 1, 4, 1, 2, 1, 0};
    for (int i = 0; i < 7; ++i) {
        const LevelRecord& level = LevelTable[i];
        EXPECT_EQ((std::vector<size_t>{level.Villagers.size(), level.Chests.size(), level.Exits.size(),
                                       level.MonsterKinds.size()}),
                  (std::vector<size_t>{size_t(villagers[i]), size_t(chests[i]), size_t(exits[i]),
                                       size_t(level.MonsterKindCount)}))
            << i;
        EXPECT_EQ((std::vector<int>{level.VillagerCount, level.ChestCount, level.ExitCount}),
                  (std::vector<int>{villagers[i], chests[i], exits[i]}))
            << i;
        for (int kind : level.MonsterKinds) EXPECT_TRUE(kind >= 0 && kind < kMonsterRosterSize) << i;
        for (const ExitRecord& exit : level.Exits)
            EXPECT_TRUE(exit.TargetLevel >= 0 && exit.TargetLevel < 7) << i;
    }
    // Every slot file holds 5 bytes per chest: 5747 bytes with 13.
    EXPECT_EQ(TotalChests(), 13);
}

TEST_F(Levels, RandomBattlesDrawFromMonstersThatExist) {
    for (int i = 0; i < LevelCount; ++i)
        if (LevelTable[i].RandomBattles) {
            EXPECT_GT(LevelTable[i].MonsterKindCount, 0) << i;
        }
    const LevelRecord& damned = LevelTable[5];
    EXPECT_EQ(damned.MonsterKinds, (std::vector<int>{MonsterScorpion, MonsterSpike}));
    // The last road is quiet: drawing there would divide by its empty roster.
    EXPECT_TRUE(LevelTable[6].MonsterKindCount == 0 && LevelTable[6].RandomBattles == 0);
    EXPECT_STREQ(LevelTable[6].Name, "Pisceria");
}

TEST_F(Levels, ShopsSellCopiesOfTheirGoods) {
    const VillagerRecord* kimon = FindVillager(4, "Kimon");
    ASSERT_NE(kimon, nullptr);
    EXPECT_TRUE(kimon->Service == ServiceSwarpSmith && kimon->Price == 500);
    EXPECT_STREQ(kimon->SaleSwarp.Name, "Gunner");

    const VillagerRecord* wumon = FindVillager(4, "Wumon");
    ASSERT_NE(wumon, nullptr);
    EXPECT_TRUE(wumon->Service == ServiceWarpShop && wumon->Price == 200);
    EXPECT_STREQ(wumon->SaleItem.Name, "Ether");
    EXPECT_EQ(wumon->SaleItem.MpRestore, 100);

    // Later changes to the tables do not reach the shelves.
    ItemTable[ItemEther].Count = 40;
    SwarpTable[SwarpGunner].AddAttack = 0;
    EXPECT_EQ(wumon->SaleItem.Count, 1); // one purchase gives one
    EXPECT_EQ(kimon->SaleSwarp.AddAttack, 8);
}

TEST_F(Levels, VillagersShareOneModelAndTurnOnlyAboutY) {
    for (const LevelRecord& level : LevelTable)
        for (const VillagerRecord& villager : level.Villagers)
            EXPECT_TRUE(villager.Model == &VillagerModel && villager.Rotation.x == 0 &&
                        villager.Rotation.z == 0)
                << villager.Name;
    // Talking copies name and lines as one block of five texts.
    const VillagerRecord& tempor = LevelTable[0].Villagers[1];
    char block[5][70];
    std::memcpy(block, tempor.Name, sizeof block);
    EXPECT_STREQ(block[0], "Tempor");
    EXPECT_STREQ(block[4], tempor.Lines[3]);
}

TEST_F(Levels, EveryStoryLineFitsTheDialogueBox) {
    for (size_t i = 0; i < VillagerStartCount; ++i)
        for (const char* line : VillagerStarts[i].lines) EXPECT_LE(line ? std::strlen(line) : 0, 69u) << line;
    // What the table holds is the whole line, not a cut one.
    for (const LevelRecord& level : LevelTable)
        for (const VillagerRecord& villager : level.Villagers)
            for (const auto& line : villager.Lines) EXPECT_LT(std::strlen(line), 70u);
}

TEST_F(Levels, ChestsCopyTheTemplatesOfTheirBuildTime) {
    const ChestRecord& dungeonPotion = LevelTable[1].Chests[0];
    EXPECT_EQ(dungeonPotion.Content, ChestItem);
    EXPECT_STREQ(dungeonPotion.Item.Name, "Potion");
    // The table's counts, not 1.
    EXPECT_EQ((std::vector<int32_t>{dungeonPotion.Item.Count, LevelTable[4].Chests[1].Item.Count,
                                    LevelTable[5].Chests[3].Item.Count, LevelTable[5].Chests[0].Item.Count}),
              (std::vector<int32_t>{3, 2, 2, 10}));
    EXPECT_STREQ(LevelTable[5].Chests[3].Item.Name, "Elixir");

    const ChestRecord& defender = LevelTable[0].Chests[1];
    EXPECT_TRUE(defender.Content == ChestSwarp && defender.Swarp.AddMaxHP == 100);
    EXPECT_STREQ(defender.Swarp.Name, "Defender");
    const ChestRecord& kintos = LevelTable[5].Chests[5];
    EXPECT_TRUE(kintos.Content == ChestWarp && kintos.Warp.Kind == WarpSummon && kintos.Rotation.y == 270.0f);
    EXPECT_STREQ(kintos.Warp.Name, "Kintos");
    for (const LevelRecord& level : LevelTable)
        for (const ChestRecord& chest : level.Chests)
            EXPECT_TRUE(chest.Opened == 0 && chest.Opening == 0 && chest.Frame == 0);
}

TEST_F(Levels, ArrivalsLookAtTheHero) {
    // The field walks the hero along the camera's view; arrivals must line up.
    for (int i = 0; i < LevelCount; ++i)
        for (int e = 0; e < LevelTable[i].ExitCount; ++e) {
            const ExitRecord& exit = LevelTable[i].Exits[e];
            SCOPED_TRACE(testing::Message() << i << "/" << e);
            EXPECT_NEAR(exit.ArrivalView.x, exit.ArrivalPosition.x, 1e-5);
            EXPECT_NEAR(exit.ArrivalView.z, exit.ArrivalPosition.z, 1e-5);
            EXPECT_TRUE(exit.Trigger.y == 0 && exit.ArrivalRotation.x == 0);
            const float dx = exit.ArrivalEye.x - exit.ArrivalView.x;
            const float dz = exit.ArrivalEye.z - exit.ArrivalView.z;
            const float distance = std::sqrt(dx * dx + dz * dz);
            EXPECT_NEAR(distance, (i == 0 && e == 0) ? 6.0f : 5.0f, 0.05f);
            EXPECT_NEAR(exit.ArrivalView.y - exit.ArrivalPosition.y, 2.5f, 0.31f);
        }
    EXPECT_EQ(LevelTable[2].Exits[3].TargetLevel, 6);
}

TEST_F(Levels, BuildingKeepsTheLoadedModels) {
    LevelTable[0].Mesh.objectCount = 3;
    LevelTable[0].Mesh.objects.resize(3);
    LevelTable[5].CollisionMesh.objects.resize(2);
    LevelTable[2].BattleGround.materialCount = 1;
    LevelTable[2].BattleGround.materials.resize(1);
    BuildLevelTable();
    EXPECT_EQ((std::vector<size_t>{size_t(LevelTable[0].Mesh.objectCount), LevelTable[0].Mesh.objects.size(),
                                   LevelTable[5].CollisionMesh.objects.size(),
                                   LevelTable[2].BattleGround.materials.size()}),
              (std::vector<size_t>{3, 3, 2, 1}));
    // Building again does not pile up the villagers, chests or exits.
    EXPECT_EQ(LevelTable[0].Villagers.size(), 4u);
    EXPECT_EQ(TotalChests(), 13);
}

TEST_F(Levels, BuildingGivesTheNewGameHeroAndMonsters) {
    Hero.Level = 9;
    Hero.WarpBag[0] = WarpRecord{};
    MonsterRoster[MonsterOgre].HP = 1;
    BuildLevelTable();
    EXPECT_TRUE(Hero.Level == 1 && Hero.Attack == 8 && MonsterRoster[MonsterOgre].HP == 150);
    EXPECT_STREQ(Hero.WarpBag[0].Name, "Ice");
}

TEST(LevelTableStart, BuildWithoutRoomStillMakesSevenLevels) {
    LevelTable.clear();
    LevelCount = 0;
    ResetRecords();
    BuildLevelTable();
    EXPECT_TRUE(LevelCount == 7 && LevelTable.size() == 7u);
}
