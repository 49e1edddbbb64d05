// The in-game menu's state machine: the slide, the page transition, the
// cursors and what OK and Cancel do on each page.
#include "app/screen_actions.h"
#include "app/window_proc.h"
#include "assets/game_state.h"
#include "menus/game_menu.h"
#include "menus/slot_actions.h"
#include "menus/slot_list.h"
#include "records/records.h"
#include "tests/unit/test_support.h"
#include "world/level_table.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class GameMenu : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRecords();
        LevelTable.clear();
        AppendDefaultLevels();
        BuildLevelTable();
        ResetMenuToClosed();
        GameMode = ModeField;
        PlayerHasControl = 1;
        MenuAction();
    }
    // Frames of the top list or the transition, without drawing.
    static int RunUntil(bool (*done)(), int limit = 200) {
        for (int frame = 1; frame <= limit; ++frame) {
            if (MenuState == MenuTopList)
                AdvanceMenuSlide(MenuClosing);
            else if (MenuState == MenuTransition)
                AdvancePageTransition();
            if (done()) return frame;
        }
        return -1;
    }
    static void OpenPage(int32_t cursor) {
        ASSERT_GT(RunUntil([] { return MenuOpened; }), 0);
        MenuCursor = cursor;
        MenuOk();
        ASSERT_EQ(MenuState, MenuTransition);
        ASSERT_GT(RunUntil([] { return MenuState != MenuTransition; }), 0);
    }
};

TEST_F(GameMenu, OpensWithItsSlideAndClosesBackToTheField) {
    EXPECT_EQ(GameMode, ModeMenu);
    // The location panel travels 0.52 to 0.03 in steps of 0.01.
    EXPECT_NEAR(RunUntil([] { return MenuOpened; }), 50, 1);
    EXPECT_NEAR(PanelBrightness, 1.0f, 0.03f);
    // Every panel rests on its open value and its shut one, however long it
    // waits there: a float sum compared with the limit would stop a step past.
    RunUntil([] { return false; }, 30);
    EXPECT_EQ(PanelSlideX, 0.01f);
    EXPECT_EQ(PanelSlideY, 0.2f);
    EXPECT_EQ(PanelEdgeA, 0.715f);
    EXPECT_EQ(PanelEdgeB, 0.03f);
    MenuCancel();
    EXPECT_EQ(MenuClosing, 1);
    EXPECT_NEAR(RunUntil([] { return GameMode == ModeField; }), 50.5, 1.5);
    EXPECT_FALSE(MenuOpened);
    RunUntil([] { return false; }, 30);
    EXPECT_EQ(PanelSlideX, -0.5f);
    EXPECT_EQ(PanelSlideY, -0.3f);
    EXPECT_EQ(PanelEdgeA, 1.205f);
    EXPECT_EQ(PanelEdgeB, 0.52f);
    // No menu without control (a scene or dialogue holds it).
    PlayerHasControl = 0;
    MenuAction();
    EXPECT_EQ(GameMode, ModeField);
}

TEST_F(GameMenu, EachEntryLeadsToItsPageAndCancelBackToTheList) {
    const int32_t pages[8] = {MenuItemPage, MenuMagicPage,  MenuWarpPage, MenuSwarpPage,
                              MenuFuryPage, MenuStatusPage, MenuSavePage, MenuLoadPage};
    for (int32_t cursor = 0; cursor < 8; ++cursor) {
        OpenPage(cursor);
        EXPECT_EQ(MenuState, pages[cursor]) << cursor;
        SlotInfoRead = 1;
        MenuCancel();
        EXPECT_EQ(MenuState, MenuTransition);
        // Leaving the save or load list makes the next one read the files again.
        EXPECT_TRUE(cursor < 6 || SlotInfoRead == 0) << cursor;
        EXPECT_GT(RunUntil([] { return MenuState == MenuTopList; }), 0);
        EXPECT_FALSE(PageEntered);
    }
}

TEST_F(GameMenu, APotionIsSpentEvenAtFullHpAndHealsUpToTheMaximum) {
    OpenPage(0);
    const int32_t potions = HeldItems[ItemPotion].Count;
    ASSERT_GT(potions, 0);
    MenuOk();
    EXPECT_EQ(HeldItems[ItemPotion].Count, potions - 1);
    EXPECT_EQ(Hero.HP, Hero.MaxHP);
    Hero.HP = 1;
    MenuOk();
    EXPECT_EQ(Hero.HP, std::min(Hero.MaxHP, 1 + HeldItems[ItemPotion].HpRestore));
    // Only Potion and Ether: the cursor stops on the second row.
    MenuDown();
    MenuDown();
    EXPECT_EQ(ItemMenuCursor, 1);
    HeldItems[ItemEther].Count = 0;
    Hero.MP = 0;
    MenuOk();
    EXPECT_TRUE(Hero.MP == 0);
    EXPECT_TRUE(HeldItems[ItemEther].Count == 0);
}

TEST_F(GameMenu, FuryTakesOnlyLearnedSkills) {
    OpenPage(4);
    Hero.Skills[0].Learned = 1;
    Hero.Skills[0].Selected = 1;
    Hero.Skills[1].Learned = 1;
    Hero.Skills[2].Learned = 0;
    MenuDown();
    MenuOk();
    EXPECT_TRUE(Hero.Skills[0].Selected == 0);
    EXPECT_TRUE(Hero.Skills[1].Selected == 1);
    MenuDown();
    MenuOk(); // row 2 is not learned
    EXPECT_TRUE(Hero.Skills[1].Selected == 1);
    EXPECT_TRUE(Hero.Skills[2].Selected == 0);
    MenuDown();
    MenuDown();
    EXPECT_EQ(FuryCursor, 3);
}

TEST_F(GameMenu, SwarpsMoveBetweenSwordAndBagAndSlotsStayOpen) {
    OpenPage(3);
    Hero.SwarpBag[1] = SwarpTable[SwarpSling];
    Hero.SwarpBag[1].Open = 1;
    // A slot that is not forged cannot be picked.
    MenuRight();
    ASSERT_EQ(SwordSlotCursor, 1);
    ASSERT_EQ(Hero.SwordSlots[1].Open, 0);
    MenuOk();
    EXPECT_FALSE(SwarpPicked);
    MenuLeft();
    MenuOk();
    ASSERT_TRUE(SwarpPicked);
    MenuRight(); // the sword cursor holds while a stone is picked
    EXPECT_EQ(SwordSlotCursor, 0);
    MenuDown();
    MenuOk();
    EXPECT_FALSE(SwarpPicked);
    EXPECT_TRUE(NameEquals(Hero.SwordSlots[0].Name, "Sling"));
    EXPECT_TRUE(Hero.SwordSlots[0].Open == 1);
    // And back: the slot is empty again but still forged.
    MenuOk();
    MenuOk();
    EXPECT_TRUE(NameIsEmpty(Hero.SwordSlots[0].Name));
    EXPECT_TRUE(Hero.SwordSlots[0].Open == 1);
    EXPECT_TRUE(NameEquals(Hero.SwarpBag[1].Name, "Sling"));
    // Cancel first drops a picked stone, then leaves the page.
    MenuOk();
    MenuCancel();
    EXPECT_FALSE(SwarpPicked);
    EXPECT_EQ(MenuState, MenuSwarpPage);
    MenuCancel();
    EXPECT_EQ(MenuState, MenuTransition);
}

TEST_F(GameMenu, WarpsMoveIntoTheHoldersAndTheBagScrolls) {
    OpenPage(2);
    ASSERT_TRUE(NameEquals(Hero.WarpBag[0].Name, "Ice"));
    MenuOk(); // holder 0, slot 0 is present and empty
    ASSERT_TRUE(WarpPicked);
    MenuOk();
    EXPECT_TRUE(NameEquals(Hero.WarpHolders[0][0].Name, "Ice"));
    EXPECT_TRUE(Hero.WarpHolders[0][0].Present == 1);
    RebuildSpellLists();
    EXPECT_EQ(LastSpellIndex, 0);
    // Moved out again, its spells leave the lists.
    MenuOk();
    MenuOk();
    RebuildSpellLists();
    EXPECT_EQ(LastSpellIndex, -1);
    EXPECT_EQ(Hero.WarpHolders[0][0].Present, 1);

    MenuOk();
    for (int i = 0; i < 40; ++i) MenuDown();
    EXPECT_EQ(std::pair(WarpBagRow, WarpBagScroll), std::pair(11, 18)); // entry 30 of 30
    for (int i = 0; i < 40; ++i) MenuUp();
    EXPECT_EQ(std::pair(WarpBagRow, WarpBagScroll), std::pair(0, 0));
    MenuCancel();
    MenuDown();
    MenuDown();
    EXPECT_EQ(HolderRow, 1);
    for (int i = 0; i < 10; ++i) MenuRight();
    EXPECT_EQ(HolderSlot, 7);
}

TEST_F(GameMenu, TheMagicListScrollsPastItsNinthRow) {
    OpenPage(1);
    for (int i = 0; i < 20; ++i) MenuDown();
    EXPECT_EQ(std::pair(MagicMenuRow, MagicMenuScroll), std::pair(8, 7));
    for (int i = 0; i < 20; ++i) MenuUp();
    EXPECT_EQ(std::pair(MagicMenuRow, MagicMenuScroll), std::pair(0, 0));
    for (int i = 0; i < 5; ++i) MenuRight();
    EXPECT_EQ(MagicMenuColumn, 2);
    MenuOk(); // for viewing only
    EXPECT_EQ(MenuState, MenuMagicPage);
}

TEST_F(GameMenu, LoadingASlotReturnsToTheFieldWithTheMenuShut) {
    const std::string dir = MakeTempDir("game_menu_load");
    ScopedWorkingDir cwd(dir);
    SaveSlotCursor = 3;
    Hero.Gold = 4321;
    ASSERT_TRUE(SaveSlotAction());
    Hero.Gold = 0;
    OpenPage(7);
    MenuOk(); // slot 4 is under the cursor still
    EXPECT_TRUE(GameMode == ModeField);
    EXPECT_TRUE(MenuState == MenuTopList);
    EXPECT_TRUE(!MenuOpened);
    EXPECT_TRUE(PanelEdgeB == 0.52f);
    EXPECT_EQ((std::vector<int32_t>{Hero.Gold, SaveSlotCursor, PlayerHasControl}),
              (std::vector<int32_t>{4321, 0, 1}));
    // From the title, a free slot leaves the list up; slot 4 loads.
    GameMode = ModeTitle;
    TitlePage = 1;
    TitleCursor = 0; // the list answers OK whatever button led there
    SaveSlotCursor = 0;
    PlayerHasControl = 0;
    OkAction();
    EXPECT_EQ(GameMode, ModeTitle);
    SaveSlotCursor = 3;
    OkAction();
    EXPECT_TRUE(GameMode == ModeField);
    EXPECT_TRUE(PlayerHasControl == 1);
    EXPECT_TRUE(TitlePage == 1);
}

} // namespace
