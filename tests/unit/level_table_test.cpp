// The shape of the world as the field, the shops, the chests and the save
// file rely on it.
#include "world/level_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

class Levels : public ::testing::Test {
  protected:
    void SetUp() override {
        LevelTable.clear();
        LevelCount = 0;
        AppendDefaultLevels();
        InitItemTable();
        InitStoneTables();
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

int SpokenLines(const VillagerRecord& villager) {
    int count = 0;
    for (const auto& line : villager.Lines) count += line[0] != '\0';
    return count;
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
        EXPECT_EQ(level.VillagerCount, villagers[i]) << i;
        EXPECT_EQ(level.ChestCount, chests[i]) << i;
        EXPECT_EQ(level.ExitCount, exits[i]) << i;
        EXPECT_EQ(static_cast<size_t>(level.VillagerCount), level.Villagers.size()) << i;
        EXPECT_EQ(static_cast<size_t>(level.ChestCount), level.Chests.size()) << i;
        EXPECT_EQ(static_cast<size_t>(level.ExitCount), level.Exits.size()) << i;
        EXPECT_EQ(static_cast<size_t>(level.MonsterKindCount), level.MonsterKinds.size()) << i;
        for (int kind : level.MonsterKinds) {
            EXPECT_GE(kind, 0);
            EXPECT_LT(kind, kMonsterRosterSize);
        }
        for (const ExitRecord& exit : level.Exits) {
            EXPECT_GE(exit.TargetLevel, 0);
            EXPECT_LT(exit.TargetLevel, 7);
        }
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
    ASSERT_EQ(damned.MonsterKindCount, 2);
    EXPECT_EQ(damned.MonsterKinds[0], MonsterScorpion);
    EXPECT_EQ(damned.MonsterKinds[1], MonsterSpike);
    // The last road is quiet: drawing there would divide by its empty roster.
    EXPECT_EQ(LevelTable[6].MonsterKindCount, 0);
    EXPECT_EQ(LevelTable[6].RandomBattles, 0);
    EXPECT_STREQ(LevelTable[6].Name, "Pisceria");
}

TEST_F(Levels, ShopsSellCopiesOfTheirGoods) {
    const VillagerRecord* kimon = FindVillager(4, "Kimon");
    ASSERT_NE(kimon, nullptr);
    EXPECT_EQ(kimon->Service, ServiceSwarpSmith);
    EXPECT_EQ(kimon->Price, 500);
    EXPECT_STREQ(kimon->SaleSwarp.Name, "Gunner");
    EXPECT_EQ(kimon->SaleSwarp.AddAttack, 8);
    EXPECT_STREQ(kimon->Lines[2], "2)Buy Gunner(Swarp)->500G");
    EXPECT_STREQ(kimon->Lines[3], "(Press the number of youre choice)");

    const VillagerRecord* wumon = FindVillager(4, "Wumon");
    ASSERT_NE(wumon, nullptr);
    EXPECT_EQ(wumon->Service, ServiceWarpShop);
    EXPECT_EQ(wumon->Price, 200);
    EXPECT_STREQ(wumon->SaleItem.Name, "Ether");
    EXPECT_EQ(wumon->SaleItem.Count, 1); // one purchase gives one
    EXPECT_EQ(wumon->SaleItem.MpRestore, 100);
    EXPECT_STREQ(wumon->Lines[1], "1)Forge one more Warp->1000G");

    // Later changes to the tables do not reach the shelves.
    ItemTable[ItemEther].Count = 40;
    SwarpTable[SwarpGunner].AddAttack = 0;
    EXPECT_EQ(wumon->SaleItem.Count, 1);
    EXPECT_EQ(kimon->SaleSwarp.AddAttack, 8);
}

TEST_F(Levels, HealersAndTalkers) {
    int healers0 = 0;
    for (const VillagerRecord& villager : LevelTable[0].Villagers)
        healers0 += villager.Service == ServiceHealer;
    EXPECT_EQ(healers0, 2); // Honus, and Secretosus who never says so

    const VillagerRecord* honus = FindVillager(0, "Honus");
    ASSERT_NE(honus, nullptr);
    EXPECT_STREQ(honus->Lines[1], "(Press 'Y' for HP/MP Recovery)");
    EXPECT_EQ(SpokenLines(*honus), 2);
    const VillagerRecord* hensus = FindVillager(4, "Hensus");
    ASSERT_NE(hensus, nullptr);
    EXPECT_EQ(hensus->Service, ServiceHealer);
    EXPECT_STREQ(hensus->Lines[2], "(Press 'Y' for HP/MP Recovery)");
    EXPECT_STREQ(hensus->Lines[3], "");

    const struct {
        int level;
        const char* name;
        int lines;
    } talkers[] = {{0, "Umos", 2}, {0, "Tempor", 4}, {0, "Secretosus", 4}, {4, "Timson", 4}};
    for (const auto& talker : talkers) {
        const VillagerRecord* villager = FindVillager(talker.level, talker.name);
        ASSERT_NE(villager, nullptr) << talker.name;
        EXPECT_EQ(SpokenLines(*villager), talker.lines) << talker.name;
    }
}

TEST_F(Levels, VillagersShareOneModelAndTurnOnlyAboutY) {
    for (const LevelRecord& level : LevelTable)
        for (const VillagerRecord& villager : level.Villagers) {
            EXPECT_EQ(villager.Model, &VillagerModel);
            EXPECT_EQ(villager.Rotation.x, 0.0f);
            EXPECT_EQ(villager.Rotation.z, 0.0f);
        }
    // Talking copies name and lines as one block of five texts.
    const VillagerRecord& tempor = LevelTable[0].Villagers[1];
    char block[5][70];
    std::memcpy(block, tempor.Name, sizeof block);
    EXPECT_STREQ(block[0], "Tempor");
    EXPECT_STREQ(block[4], tempor.Lines[3]);
}

TEST_F(Levels, EveryStoryLineFitsTheDialogueBox) {
    for (size_t i = 0; i < VillagerStartCount; ++i) {
        const VillagerStart& start = VillagerStarts[i];
        for (const char* line : start.lines)
            if (line != nullptr) {
                EXPECT_LE(std::strlen(line), 69u) << start.name << ": " << line;
            }
    }
    // What the table holds is the whole line, not a cut one.
    for (const LevelRecord& level : LevelTable)
        for (const VillagerRecord& villager : level.Villagers)
            for (const auto& line : villager.Lines) EXPECT_LT(std::strlen(line), 70u);
}

TEST_F(Levels, ChestsCopyTheTemplatesOfTheirBuildTime) {
    const ChestRecord& dungeonPotion = LevelTable[1].Chests[0];
    EXPECT_EQ(dungeonPotion.Content, ChestItem);
    EXPECT_STREQ(dungeonPotion.Item.Name, "Potion");
    EXPECT_EQ(dungeonPotion.Item.Count, 3); // the table's count, not 1

    EXPECT_EQ(LevelTable[4].Chests[1].Item.Count, 2);
    EXPECT_STREQ(LevelTable[5].Chests[3].Item.Name, "Elixir");
    EXPECT_EQ(LevelTable[5].Chests[3].Item.Count, 2);
    EXPECT_EQ(LevelTable[5].Chests[0].Item.Count, 10);

    const ChestRecord& defender = LevelTable[0].Chests[1];
    EXPECT_EQ(defender.Content, ChestSwarp);
    EXPECT_STREQ(defender.Swarp.Name, "Defender");
    EXPECT_EQ(defender.Swarp.AddMaxHP, 100);
    const ChestRecord& kintos = LevelTable[5].Chests[5];
    EXPECT_EQ(kintos.Content, ChestWarp);
    EXPECT_STREQ(kintos.Warp.Name, "Kintos");
    EXPECT_EQ(kintos.Warp.Kind, WarpSummon);
    EXPECT_EQ(kintos.Rotation.y, 270.0f);

    for (const LevelRecord& level : LevelTable)
        for (const ChestRecord& chest : level.Chests) {
            EXPECT_EQ(chest.Opened, 0);
            EXPECT_EQ(chest.Opening, 0);
            EXPECT_EQ(chest.Frame, 0);
        }
}

TEST_F(Levels, ArrivalsLookAtTheHero) {
    // The field walks the hero along the camera's view; arrivals must line up.
    for (int i = 0; i < LevelCount; ++i)
        for (int e = 0; e < LevelTable[i].ExitCount; ++e) {
            const ExitRecord& exit = LevelTable[i].Exits[e];
            EXPECT_NEAR(exit.ArrivalView.x, exit.ArrivalPosition.x, 1e-5) << i << "/" << e;
            EXPECT_NEAR(exit.ArrivalView.z, exit.ArrivalPosition.z, 1e-5) << i << "/" << e;
            EXPECT_EQ(exit.Trigger.y, 0.0f);
            EXPECT_EQ(exit.ArrivalRotation.x, 0.0f);
            const float dx = exit.ArrivalEye.x - exit.ArrivalView.x;
            const float dz = exit.ArrivalEye.z - exit.ArrivalView.z;
            const float distance = std::sqrt(dx * dx + dz * dz);
            EXPECT_NEAR(distance, (i == 0 && e == 0) ? 6.0f : 5.0f, 0.05f) << i << "/" << e;
            const float above = exit.ArrivalView.y - exit.ArrivalPosition.y;
            EXPECT_GE(above, 2.19f) << i << "/" << e;
            EXPECT_LE(above, 2.81f) << i << "/" << e;
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
    EXPECT_EQ(LevelTable[0].Mesh.objectCount, 3);
    EXPECT_EQ(LevelTable[0].Mesh.objects.size(), 3u);
    EXPECT_EQ(LevelTable[5].CollisionMesh.objects.size(), 2u);
    EXPECT_EQ(LevelTable[2].BattleGround.materials.size(), 1u);
    // Building again does not pile up the villagers, chests or exits.
    EXPECT_EQ(LevelTable[0].Villagers.size(), 4u);
    EXPECT_EQ(TotalChests(), 13);
}

TEST_F(Levels, BuildingGivesTheNewGameHeroAndMonsters) {
    Hero.Level = 9;
    Hero.WarpBag[0] = WarpRecord{};
    MonsterRoster[MonsterOgre].HP = 1;
    BuildLevelTable();
    EXPECT_EQ(Hero.Level, 1);
    EXPECT_STREQ(Hero.WarpBag[0].Name, "Ice");
    EXPECT_EQ(Hero.Attack, 8);
    EXPECT_EQ(MonsterRoster[MonsterOgre].HP, 150);
}

TEST(LevelTableStart, BuildWithoutRoomStillMakesSevenLevels) {
    LevelTable.clear();
    LevelCount = 0;
    InitItemTable();
    InitStoneTables();
    BuildLevelTable();
    EXPECT_EQ(LevelCount, 7);
    EXPECT_EQ(LevelTable.size(), 7u);
}
