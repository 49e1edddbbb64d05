// Opening chests: the lid's frames, the announcement and where the find goes.
#include "assets/camera.h"
#include "assets/game_state.h"
#include "records/records.h"
#include "tests/unit/test_support.h"
#include "world/chests.h"
#include "world/dialogue.h"
#include "world/level_table.h"
#include "world/services.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class FieldChests : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRecords();
        LevelTable.clear();
        LevelTable.resize(2);
        CurrentLevel = LevelVoruduDungeon;
        GameMode = ModeField;
        PlayerHasControl = 1;
        DialogueOpen = 0;
        DialogueSlide = -150; // no exit box in view
        DialogueBuffer = {};
    }

    // A chest holding a copy of table entry `index` (and `count` of an item).
    static ChestRecord MakeChest(CVector3 at, int32_t content, int32_t index, int32_t count = 1) {
        ChestRecord chest{};
        chest.Position = at;
        chest.Content = content;
        if (content == ChestItem) chest.Item = ItemTable[index], chest.Item.Count = count;
        if (content == ChestSwarp) chest.Swarp = SwarpTable[index];
        if (content == ChestWarp) chest.Warp = WarpTable[index];
        return chest;
    }
    static void SetChests(std::vector<ChestRecord> chests) {
        LevelTable[1].Chests = std::move(chests);
        LevelTable[1].ChestCount = static_cast<int32_t>(LevelTable[1].Chests.size());
    }
    static ChestRecord& Chest(size_t i) { return LevelTable[1].Chests[i]; }
    // Field frames of the chest step for every chest of the level.
    static void Frames(int n) {
        for (int f = 0; f < n; ++f)
            for (ChestRecord& chest : LevelTable[1].Chests) AdvanceChest(chest);
    }
};

TEST_F(FieldChests, TheLidTakes33FramesThenTheFindIsAnnounced) {
    SetChests({MakeChest({0, 0, 2}, ChestItem, ItemPotion, 3)});
    const int potions = HeldItems[ItemPotion].Count;
    HeroPosition = {0, 0, 0};
    FieldOkAction();
    ASSERT_EQ(Chest(0).Opening, 1);
    Frames(32);
    EXPECT_EQ((Figures{Chest(0).Frame, Chest(0).Opened, DialogueOpen, HeldItems[ItemPotion].Count}),
              (Figures{32, 0, 0, potions}));

    Frames(1);
    EXPECT_EQ((Figures{Chest(0).Frame, Chest(0).Opened, Chest(0).Opening, DialogueOpen}),
              (Figures{33, 1, 0, 1}));
    EXPECT_STREQ(DialogueBuffer.Text[0], "Deduvavi");
    EXPECT_STREQ(DialogueBuffer.Text[1], "I Found 3 Potion(s) !");
    EXPECT_EQ(HeldItems[ItemPotion].Count, potions + 3);

    Frames(10);
    EXPECT_EQ(Chest(0).Frame, 33) << "an open chest stays on its open frame";
}

TEST_F(FieldChests, TwoChestsInReachOpenTogetherAndTheLaterAnnouncementWins) {
    SetChests({MakeChest({1, 0, 1}, ChestItem, ItemEther, 2), MakeChest({-1, 0, -1}, ChestSwarp, SwarpTunner),
               MakeChest({10, 0, 0}, ChestItem, ItemPotion, 5)});
    for (SwarpRecord& entry : Hero.SwarpBag) entry = SwarpRecord{};
    const int ethers = HeldItems[ItemEther].Count;
    HeroPosition = {0, 0, 0};
    FieldOkAction();
    EXPECT_EQ((Figures{Chest(0).Opening, Chest(1).Opening, Chest(2).Opening}), (Figures{1, 1, 0}))
        << "the last is out of reach";
    Frames(33);
    EXPECT_EQ((Figures{Chest(0).Opened, Chest(1).Opened}), (Figures{1, 1}));
    EXPECT_STREQ(DialogueBuffer.Text[1], "I Found a Swarp : Tunner!");
    EXPECT_EQ(HeldItems[ItemEther].Count, ethers + 2);
    EXPECT_STREQ(Hero.SwarpBag[0].Name, "Tunner");
}

TEST_F(FieldChests, AnOpenedChestCannotBeOpenedAgain) {
    SetChests({MakeChest({0, 0, 0}, ChestSwarp, SwarpDefender)});
    for (SwarpRecord& entry : Hero.SwarpBag) entry = SwarpRecord{};
    Chest(0).Opened = 1;
    Chest(0).Frame = 33;
    HeroPosition = {0.5f, 0, 0.5f};
    FieldOkAction();
    EXPECT_EQ(Chest(0).Opening, 0);
    Frames(40);
    EXPECT_EQ((Figures{Chest(0).Frame, DialogueOpen}), (Figures{33, 0}));
    EXPECT_STREQ(Hero.SwarpBag[0].Name, "");
}

TEST_F(FieldChests, FullBagsDropTheStoneButTheFindIsStillAnnounced) {
    SetChests({MakeChest({0, 0, 0}, ChestSwarp, SwarpSling), MakeChest({0, 0, 0}, ChestWarp, WarpFire)});
    for (SwarpRecord& entry : Hero.SwarpBag) CopyName(entry.Name, "Gunner");
    for (int i = 0; i < kWarpBagSize; ++i) {
        Hero.WarpBag[i] = WarpTable[WarpIce];
        Hero.WarpBag[i].WarpLevel = i;
    }
    HeroPosition = {0, 0, 0};
    FieldOkAction();
    Frames(33);
    EXPECT_EQ((Figures{Chest(0).Opened, Chest(1).Opened, DialogueOpen}), (Figures{1, 1, 1}));
    EXPECT_STREQ(DialogueBuffer.Text[1], "I Found a Warp : Fire!");
    for (const SwarpRecord& entry : Hero.SwarpBag) EXPECT_STREQ(entry.Name, "Gunner");
    for (int i = 0; i < kWarpBagSize; ++i) {
        EXPECT_STREQ(Hero.WarpBag[i].Name, "Ice") << i;
        EXPECT_EQ(Hero.WarpBag[i].WarpLevel, i) << "a held Warp is never overwritten";
    }
}

TEST_F(FieldChests, DamagedRecordsStayInsideTheirFields) {
    // An item name with no terminator and a frame at the top of the range.
    ChestRecord chest = MakeChest({0, 0, 0}, ChestItem, ItemPotion, 1);
    std::memset(chest.Item.Name, 'P', sizeof chest.Item.Name);
    chest.Opening = 1;
    chest.Frame = INT32_MAX;
    AdvanceChest(chest);
    EXPECT_EQ(chest.Opened, 1);
    EXPECT_STREQ(DialogueBuffer.Text[1], "I Found 1 PPPPPPPPPP(s) !");

    ChestRecord odd{};
    odd.Content = 7; // no such content: opens, says nothing, gives nothing
    odd.Opening = 1;
    for (int f = 0; f < 33; ++f) AdvanceChest(odd);
    EXPECT_EQ(odd.Opened, 1);
    EXPECT_STREQ(DialogueBuffer.Text[1], "");
}

} // namespace
