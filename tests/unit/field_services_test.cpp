// Talking, the healer, the two shops and the story's hold on the exits.
#include "app/window_proc.h"
#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/screen_area.h"
#include "records/records.h"
#include "tests/unit/shipped_levels.h"
#include "tests/unit/test_support.h"
#include "world/dialogue.h"
#include "world/level_change.h"
#include "world/level_table.h"
#include "world/services.h"
#include "world/story_flags.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

class FieldServices : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildShippedLevels();
        GameMode = ModeField;
        PlayerHasControl = 1;
        DialogueOpen = 0;
        DialogueSlide = HiddenDialogueSlide(LayoutArea.height);
        ExitConfirmed = 0;
        for (uint8_t& flag : StoryFlags) flag = 0;
        DialogueBuffer = {};
    }

    static const VillagerRecord& Villager(int level, const char* name) {
        for (const VillagerRecord& v : LevelTable[level].Villagers)
            if (std::strcmp(v.Name, name) == 0) return v;
        ADD_FAILURE() << "no villager " << name;
        return LevelTable[level].Villagers[0];
    }
    static void StandBy(int level, const char* name) {
        CurrentLevel = level;
        HeroPosition = Villager(level, name).Position;
        HeroPosition.x += 1.5f; // inside the reach, not on the spot
    }
    static void StandAtExit(int level, int exit, float dx = 0.0f) {
        CurrentLevel = level;
        const CVector3 t = LevelTable[level].Exits[exit].Trigger;
        HeroPosition = {t.x + dx, 0.0f, t.z};
        DialogueSlide = 0; // the box has slid fully into view
    }
    static int OpenSwordSlots() {
        int open = 0;
        for (const SwarpRecord& slot : Hero.SwordSlots) open += slot.Open != 0;
        return open;
    }
};

TEST_F(FieldServices, SwarpSmithForgesASwordSlotFor800AndNot799) {
    StandBy(4, "Kimon");
    for (SwarpRecord& slot : Hero.SwordSlots) slot.Open = 0;
    Hero.SwordSlots[0].Open = 1;
    Hero.SwordSlots[1].Open = 1;
    DialogueOpen = 1;

    Hero.Gold = 799;
    FirstOfferAction(); // not enough gold leaves the box as it is
    EXPECT_EQ((Figures{Hero.Gold, OpenSwordSlots(), DialogueOpen}), (Figures{799, 2, 1}));
    Hero.Gold = 800;
    FirstOfferAction(); // the lowest closed slot opens
    EXPECT_EQ((Figures{Hero.Gold, Hero.SwordSlots[2].Open, OpenSwordSlots(), DialogueOpen}),
              (Figures{0, 1, 3, 0}));

    // Every slot open: no gold taken, the box still closes.
    for (SwarpRecord& slot : Hero.SwordSlots) slot.Open = 1;
    Hero.Gold = 5000;
    DialogueOpen = 1;
    FirstOfferAction();
    EXPECT_EQ((Figures{Hero.Gold, DialogueOpen}), (Figures{5000, 0}));
}

TEST_F(FieldServices, WarpShopForgesInTheSecondHolderFirst) {
    StandBy(4, "Wumon");
    for (auto& holder : Hero.WarpHolders)
        for (WarpRecord& slot : holder) slot.Present = 1;
    Hero.WarpHolders[0][3].Present = 0;
    Hero.WarpHolders[1][5].Present = 0;
    Hero.Gold = 999;
    FirstOfferAction();
    EXPECT_EQ(Hero.WarpHolders[1][5].Present, 0);

    Hero.Gold = 2000;
    FirstOfferAction(); // holder 1 wins over holder 0
    EXPECT_EQ((Figures{Hero.WarpHolders[1][5].Present, Hero.WarpHolders[0][3].Present}), (Figures{1, 0}));
    FirstOfferAction(); // with holder 1 full, holder 0's slot is taken
    EXPECT_EQ((Figures{Hero.WarpHolders[0][3].Present, Hero.Gold}), (Figures{1, 0}));

    // Nothing free: no gold taken, the box closes.
    Hero.Gold = 1000;
    DialogueOpen = 1;
    FirstOfferAction();
    EXPECT_EQ((Figures{Hero.Gold, DialogueOpen}), (Figures{1000, 0}));
}

TEST_F(FieldServices, SecondOffersSellAGunnerOrAnEther) {
    StandBy(4, "Kimon");
    for (SwarpRecord& entry : Hero.SwarpBag) entry = SwarpRecord{};
    CopyName(Hero.SwarpBag[0].Name, "Sling");
    DialogueOpen = 1;
    Hero.Gold = 499;
    SecondOfferAction();
    EXPECT_STREQ(Hero.SwarpBag[1].Name, "");
    Hero.Gold = 500;
    SecondOfferAction();
    EXPECT_EQ((Figures{Hero.Gold, DialogueOpen}), (Figures{0, 0}));
    EXPECT_EQ(std::memcmp(&Hero.SwarpBag[1], &SwarpTable[SwarpGunner], sizeof(SwarpRecord)), 0);

    // A full bag: nothing bought, no gold taken, the box stays open.
    for (SwarpRecord& entry : Hero.SwarpBag) CopyName(entry.Name, "Tunner");
    Hero.Gold = 900;
    DialogueOpen = 1;
    SecondOfferAction();
    EXPECT_EQ((Figures{Hero.Gold, DialogueOpen}), (Figures{900, 1}));

    StandBy(4, "Wumon");
    const int ethers = HeldItems[ItemEther].Count;
    Hero.Gold = 200;
    SecondOfferAction();
    EXPECT_EQ((Figures{HeldItems[ItemEther].Count, Hero.Gold}), (Figures{ethers + 1, 0}));
    // A count read from a save at the top of the range stays there.
    HeldItems[ItemEther].Count = INT32_MAX;
    Hero.Gold = 200;
    SecondOfferAction();
    EXPECT_EQ(HeldItems[ItemEther].Count, INT32_MAX);
}

TEST_F(FieldServices, ServiceKeysHealOnlyNextToAHealerInTheFieldWithControl) {
    const std::string dir = MakeTempDir("field_service_keys");
    ScopedWorkingDir cwd(dir);
    KeyOk = 'X';
    for (const char* healer : {"Honus", "Secretosus"}) {
        StandBy(0, healer);
        Hero.HP = 1;
        Hero.MP = 0;
        DialogueOpen = 1;
        KeyDownAction('Y');
        EXPECT_EQ((Figures{Hero.HP, Hero.MP, DialogueOpen}), (Figures{Hero.MaxHP, Hero.MaxMP, 0})) << healer;
    }
    Hero.HP = 1;
    PlayerHasControl = 0;
    KeyDownAction('Y');
    PlayerHasControl = 1;
    GameMode = ModeMenu;
    KeyDownAction('Y');
    GameMode = ModeField;
    StandBy(0, "Umos");
    KeyDownAction('Y');
    EXPECT_TRUE(Hero.HP == 1);
    EXPECT_TRUE(NearServiceVillager().Service == 0);
    EXPECT_STREQ(NearServiceVillager().Name, "");

    // A configured key that equals a service key acts only as configured.
    KeyOk = 'Y';
    StandBy(0, "Honus");
    KeyDownAction('Y'); // OK talks to Honus instead
    EXPECT_EQ((Figures{Hero.HP, DialogueOpen}), (Figures{1, 1}));
    KeyOk = 'X';
}

TEST_F(FieldServices, TalkingCopiesTheLastVillagerInReach) {
    StandBy(0, "Honus");
    FieldOkAction();
    ASSERT_EQ(DialogueOpen, 1);
    EXPECT_STREQ(DialogueBuffer.Text[0], "Honus");
    EXPECT_STREQ(DialogueBuffer.Text[2], "(Press 'Y' for HP/MP Recovery)");

    // Tempor (index 1) next to Umos (index 0): the higher index wins.
    LevelTable[0].Villagers[1].Position = LevelTable[0].Villagers[0].Position;
    StandBy(0, "Umos");
    LevelTable[0].VillagerCount = 1000; // a count beyond the list is never followed
    FieldOkAction();
    EXPECT_STREQ(DialogueBuffer.Text[0], "Tempor");
}

TEST_F(FieldServices, ExitsWaitForTheStory) {
    StandAtExit(0, 1);
    FieldOkAction();
    EXPECT_EQ((Figures{ExitConfirmed, DialogueOpen}), (Figures{0, 1}));
    EXPECT_STREQ(DialogueBuffer.Text[0], "Deduvavi");
    EXPECT_STREQ(DialogueBuffer.Text[1], "I think I`ve been missing something...");
    EXPECT_STREQ(DialogueBuffer.Text[2], "");
    StoryFlags[StoryTemporHeard] = 1;
    FieldOkAction();
    EXPECT_EQ(ExitConfirmed, 1);
    // With the box still sliding in, OK decides nothing.
    ExitConfirmed = 0;
    DialogueSlide = -6;
    FieldOkAction();
    EXPECT_EQ(ExitConfirmed, 0);

    StandAtExit(2, 0);
    FieldOkAction();
    EXPECT_EQ(ExitConfirmed, 1) << "back to Vorudu is always open";
    for (float dx : {0.0f, 4.0f}) { // 4 off: inside the exit's square, outside talking reach
        ExitConfirmed = 0;
        StandAtExit(2, 2, dx);
        FieldOkAction();
        EXPECT_EQ(ExitConfirmed, 0) << dx;
    }
    StoryFlags[StoryBehemothBeaten] = 1;
    FieldOkAction();
    EXPECT_EQ(ExitConfirmed, 1);
    ExitConfirmed = 0;
    StandAtExit(2, 3);
    FieldOkAction();
    EXPECT_EQ(ExitConfirmed, 0);
    StandAtExit(4, 0);
    FieldOkAction();
    EXPECT_EQ(ExitConfirmed, 0);
    StoryFlags[StoryTimsonHeard] = 1;
    FieldOkAction();
    EXPECT_EQ(ExitConfirmed, 1);
}

} // namespace
