// Every text the game prints, measured with the fonts' own glyph advances
// against the panel it sits on (or the next text on its row), at layout areas
// from the smallest window to a 4K screen.
#include "assets/control_hints.h"
#include "assets/game_state.h"
#include "assets/input_names.h"
#include "assets/screen_area.h"
#include "assets/text2d.h"
#include "menus/options_rows.h"
#include "menus/options_screen.h"
#include "menus/title.h"
#include "platform/platform.h"
#include "records/records.h"
#include "tests/unit/test_support.h"
#include "world/chests.h"
#include "world/dialogue.h"
#include "world/level_table.h"
#include "world/story_scenes.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

struct Area {
    int32_t w, h;
};
constexpr Area kAreas[] = {{320, 240},  {400, 300},  {640, 480},   {800, 600},   {1000, 750},
                           {1024, 768}, {1280, 960}, {1365, 1024}, {1440, 1080}, {2880, 2160}};

// The longest figures a played game shows.
constexpr int kLevel = 99, kExp = 99999, kHp = 999, kMp = 999, kGold = 9999, kCount = 99, kStat = 999;
constexpr int kReward = 9999, kWarpExp = 99999;

enum class Font { Times, Arial };

// Where a text may end: a panel's right edge at W / divisor, or one column
// before another text on the same row starts at trunc(W / divisor).
struct Edge {
    double divisor;
    bool textStart;
};
constexpr Edge PanelEdge(double divisor) {
    return {divisor, false};
}
// Menu panels are drawn in a unit square stretched over the area.
constexpr Edge UnitPanelEdge(double u) {
    return {1.0 / u, false};
}
constexpr Edge NextText(double divisor) {
    return {divisor, true};
}

// The layout the texts are printed in: text x = trunc(W / x).
struct Spot {
    const char* panel;
    double x;
    Edge edge;
    bool shadow;
    Font font = Font::Times;
};

// Dialogue and message box texts take their positions from the game itself.
constexpr double kDialogueRight = 1.28, kMessageRight = 1.33;

// Battle (pixel panels).
constexpr Spot kCommandRow{"battle command panel", 4.09, PanelEdge(2.56), true};
constexpr Spot kTargetRow{"battle target panel", 2.04, PanelEdge(1.57), true};
constexpr Spot kItemName{"battle item panel (name)", 4.09, NextText(2.84), true};
constexpr Spot kItemCount{"battle item panel (count)", 2.84, PanelEdge(2.56), true};
constexpr Spot kSpell1{"battle spell panel (first spell)", 4.09, NextText(3.1), true};
constexpr Spot kSpell2{"battle spell panel (second spell)", 2.92, NextText(2.27), true};
constexpr Spot kSpell3{"battle spell panel (third spell)", 2.27, PanelEdge(1.86), true};
constexpr Spot kSpellPosition{"battle spell panel (position)", 2.089, PanelEdge(1.86), true};
constexpr Spot kSummonPosition{"battle summon cost panel (position)", 2.089, PanelEdge(1.79), true};
constexpr Spot kSpellCostLabel{"battle spell cost panel", 1.7, PanelEdge(1.4), true};
constexpr Spot kSpellCost{"battle spell cost panel (figures)", 1.65, PanelEdge(1.4), true};
constexpr Spot kSummonName{"battle summon panel", 4.09, PanelEdge(2.56), true};
constexpr Spot kSummonCostLabel{"battle summon cost panel", 2.32, PanelEdge(1.79), true};
constexpr Spot kSummonCost{"battle summon cost panel (figures)", 2.22, PanelEdge(1.79), true};
constexpr Spot kHeroName{"battle hero name", 2.49, NextText(1.93), true};
constexpr Spot kHeroFigures{"battle hero figures", 1.93, PanelEdge(1.31), true}; // the fury panel
constexpr Spot kFuryLabel{"battle fury label", 1.28, NextText(1.11), true};
constexpr Spot kTimeLabel{"battle time label", 1.11, PanelEdge(1.0), true};
constexpr Spot kVictoryRow{"victory panel", 3.41, PanelEdge(1.13), true};

// In-game menu (unit-square panels) and the slot list.
constexpr Spot kMenuHero{"menu hero panel", 3.41, UnitPanelEdge(0.69), true};
constexpr Spot kMenuEntry{"menu command panel", 1.24, UnitPanelEdge(0.95), true};
constexpr Spot kMenuLocation{"menu location panel", 5.12, UnitPanelEdge(0.7), true};
constexpr Spot kMenuTime{"menu time panel", 1.36, UnitPanelEdge(0.96), true};
constexpr Spot kPageTitle{"page title panel", 1.24, UnitPanelEdge(0.95), true};
constexpr Spot kPageHero{"page header panel", 5.12, UnitPanelEdge(0.705), true};
constexpr Spot kItemPageName{"item page header (name)", 2.92, UnitPanelEdge(0.705), true};
constexpr Spot kItemPageDescription{"item page header (description)", 20.48, NextText(2.92), true};
constexpr Spot kItemPageHero{"item page left panel", 5.12, UnitPanelEdge(0.4), true};
constexpr Spot kItemPageRow{"item page list (name)", 1.86, NextText(1.24), true};
constexpr Spot kItemPageCount{"item page list (count)", 1.24, UnitPanelEdge(0.95), true};
constexpr Spot kMagicWarp{"magic page info panel (Warp)", 2.04, UnitPanelEdge(0.95), true};
constexpr Spot kMagicCauses{"magic page info panel", 12.8, UnitPanelEdge(0.95), true};
constexpr Spot kMagicSpell1{"magic page list (first spell)", 4.096, NextText(2.048), true};
constexpr Spot kMagicSpell2{"magic page list (second spell)", 2.048, NextText(1.36), true};
constexpr Spot kMagicSpell3{"magic page list (third spell)", 1.36, UnitPanelEdge(0.95), true};
constexpr Spot kFurySkill{"fury page info panel", 2.56, UnitPanelEdge(0.95), true};
constexpr Spot kFuryRow{"fury page list", 3.41, NextText(1.7), true};
constexpr Spot kFurySelected{"fury page list (Selected)", 1.7, UnitPanelEdge(0.95), true};
constexpr Spot kStatusHeading{"status page", 1.62, UnitPanelEdge(0.95), true};
constexpr Spot kStatusLabel{"status page (label)", 3.41, NextText(1.7), true};
constexpr Spot kStatusValue{"status page (value)", 1.7, NextText(1.46), true};
constexpr Spot kStatusFury{"status page (fury fill)", 1.7, UnitPanelEdge(0.95), true};
constexpr Spot kStatusAdd{"status page (Swarp add)", 1.46, UnitPanelEdge(0.95), true};
constexpr Spot kStoneName{"Warp/Swarp page stone panel", 4.096, UnitPanelEdge(0.55), true};
constexpr Spot kWarpSpell{"Warp page stone panel (spell)", 10.24, NextText(4.096), true};
constexpr Spot kWarpExpLabel{"Warp page stone panel (label)", 4.096, NextText(2.43), true};
constexpr Spot kWarpExpValue{"Warp page stone panel (value)", 2.43, UnitPanelEdge(0.55), true};
constexpr Spot kSwarpLabel{"Swarp page stone panel (label)", 5.12, NextText(2.56), true};
constexpr Spot kSwarpValue{"Swarp page stone panel (value)", 2.56, UnitPanelEdge(0.55), true};
constexpr Spot kBagRow{"Warp/Swarp page bag panel", 1.4, UnitPanelEdge(0.95), true};
constexpr Spot kBagPosition{"Warp page bag panel (position)", 1.36, UnitPanelEdge(0.95), true};
constexpr Spot kSlotHeader{"slot list header panel", 20.48, UnitPanelEdge(0.705), true};
constexpr Spot kSlotTitle{"slot list title panel", 1.24, UnitPanelEdge(0.95), false};
constexpr Spot kSlotRow{"slot list row", 2.56, UnitPanelEdge(0.95), false};
constexpr Spot kSlotHp{"slot list row (HP)", 2.56, NextText(1.46), false};
constexpr Spot kSlotTime{"slot list row (Time)", 1.46, UnitPanelEdge(0.95), false};
// The credits stand on the logo, from a quarter of the width to its edge.
constexpr Spot kCreditLine{"credits page", 4.0, PanelEdge(1.0), false};

// The options screen (unit-square panels).
constexpr Spot kOptionsTitle{"options title panel", 1.24, UnitPanelEdge(0.95), true};
constexpr Spot kOptionsTabs[3] = {{"options page names (Display)", 12.8, NextText(4.1), true},
                                  {"options page names (Sound)", 4.1, NextText(2.3), true},
                                  {"options page names (Controls)", 2.3, UnitPanelEdge(0.705), true}};
constexpr Spot kOptionsLabel{"options panel (label)", 10.24, NextText(2.05), true};
constexpr Spot kOptionsValue{"options panel (value)", 2.05, UnitPanelEdge(0.95), true};
constexpr Spot kOptionsLine{"options panel (message)", 10.24, UnitPanelEdge(0.95), true};
constexpr Spot kOptionsQuestion{"display question box", 6.83, UnitPanelEdge(0.88), true};

// Where the game's own layout leaves a text too little room; nothing else may overflow.
struct Allowed {
    const char* panel;
    const char* text;
    const char* reason;
};
const Allowed kAllowed[] = {
    {"battle hero name", "Deduvavi", "the game's own name and position, just left of the HP figures"},
    {"battle command panel", "Angel Crush",
     "a skill name of the game's own; the row leaves it 150 px at 1024 x 768"},
    {"message box", "Dungeon of the Damned",
     "a level name of the game's own; the box's text starts right of its middle"},
};

class TextFit : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ResetRecords();
        LevelTable.clear();
        AppendDefaultLevels();
        BuildLevelTable();
    }

    static int32_t Width(Font font, int32_t w, const char* text) {
        const int32_t cell = w / 32;
        const int32_t width = font == Font::Times ? MeasureTextWidth("Times New Roman", cell, 700, text)
                                                  : MeasureTextWidth("Arial", 2 * cell, 700, text);
        EXPECT_GE(width, 0) << "no font to measure with";
        return width;
    }

    // Check one text at its pixel position against a right edge, at one area.
    void Check(const std::string& panel, const char* text, int32_t x, double edge, bool shadow, Font font,
               const Area& area) {
        const int32_t shadowX = shadow ? static_cast<int32_t>(area.w / 204.8) : 0;
        const double right = x - 1 + Width(font, area.w, text) + shadowX;
        checked_.insert(panel + '\n' + text);
        const double overflow = right - edge;
        if (overflow <= 0) return;
        for (const Allowed& allowed : kAllowed)
            if (panel == allowed.panel && std::strcmp(text, allowed.text) == 0) {
                usedAllowances_.insert(&allowed);
                return;
            }
        ADD_FAILURE() << "\"" << text << "\" runs " << overflow << " px past the " << panel << " at "
                      << area.w << " x " << area.h;
    }

    void Check(const Spot& spot, const char* text) {
        for (const Area& area : kAreas) {
            const double edge = spot.edge.textStart ? static_cast<int32_t>(area.w / spot.edge.divisor) - 1
                                                    : area.w / spot.edge.divisor;
            Check(spot.panel, text, static_cast<int32_t>(area.w / spot.x), edge, spot.shadow, spot.font,
                  area);
        }
    }

    void CheckF(const Spot& spot, const char* format, ...) __attribute__((format(printf, 3, 4))) {
        char text[256];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        Check(spot, text);
    }

    // The dialogue box's five texts, at the game's own positions.
    void CheckDialogue(const std::string& what, const DialogueRecord& buffer) {
        for (int i = 0; i < kDialogueTextCount; ++i)
            for (const Area& area : kAreas)
                Check("dialogue box (" + what + ")", buffer.Text[i],
                      DialogueTextPosition(i, area.w, area.h).x, area.w / kDialogueRight, false, Font::Times,
                      area);
    }

    void CheckMessage(const char* text) {
        for (const Area& area : kAreas)
            Check("message box", text, MessageTextPosition(area.w, area.h).x, area.w / kMessageRight, false,
                  Font::Times, area);
    }

    void ExpectEveryAllowanceUsed() {
        for (const Allowed& allowed : kAllowed)
            if (checked_.count(std::string(allowed.panel) + '\n' + allowed.text) != 0 &&
                usedAllowances_.count(&allowed) == 0)
                ADD_FAILURE() << "\"" << allowed.text << "\" now fits the " << allowed.panel
                              << ": drop its allowance";
    }

    std::set<const Allowed*> usedAllowances_;
    std::set<std::string> checked_; // panel and text
};

TEST_F(TextFit, StoryPagesVillagersChestsRefusalAndEndingFitTheDialogueBox) {
    DialogueRecord buffer;
    for (int32_t page = 0; page < kStoryPageCount; ++page) {
        StoryPageText(buffer, page);
        CheckDialogue("story page " + std::to_string(page), buffer);
    }
    for (const LevelRecord& level : LevelTable)
        for (const VillagerRecord& villager : level.Villagers) {
            CopyVillagerDialogue(buffer, villager);
            CheckDialogue(std::string("villager ") + villager.Name, buffer);
        }
    // The chests as placed, and one for every Swarp and Warp a chest could hold.
    std::vector<ChestRecord> chests;
    for (const LevelRecord& level : LevelTable)
        chests.insert(chests.end(), level.Chests.begin(), level.Chests.end());
    for (const SwarpRecord& swarp : SwarpTable) chests.push_back({.Swarp = swarp, .Content = ChestSwarp});
    for (const WarpRecord& warp : WarpTable) chests.push_back({.Warp = warp, .Content = ChestWarp});
    for (const ChestRecord& chest : chests) {
        AnnounceChest(chest);
        CheckDialogue("chest find", DialogueBuffer);
    }
    EndingText(buffer);
    CheckDialogue("ending", buffer);
    ShowRefusal();
    CheckDialogue("refusal", DialogueBuffer);
    ExpectEveryAllowanceUsed();
}

TEST_F(TextFit, BattleTextsFitTheirPanels) {
    for (const char* command : {"Attack", "Magic", "Summon", "Item"}) Check(kCommandRow, command);
    // The fury row shows the selected skill; only the first two can be chosen.
    for (int k = 0; k < 2; ++k) Check(kCommandRow, Hero.Skills[k].Name);
    for (const MonsterRecord& monster : MonsterTemplates) Check(kTargetRow, monster.Name);
    // The battle lists the first two items only.
    for (int k = 0; k < 2; ++k) Check(kItemName, ItemTable[k].Name);
    CheckF(kItemCount, "%d", kCount);
    for (const WarpRecord& warp : WarpTable) {
        const Spot* columns[3] = {&kSpell1, &kSpell2, &kSpell3};
        for (int s = 0; s < 3; ++s) {
            if (warp.Kind == 0) Check(*columns[s], warp.SpellName[s]);
        }
        if (warp.Kind == 2) Check(kSummonName, warp.Name);
        CheckF(kSpellCost, "%d/%d", warp.MpCost[2], kMp);
        CheckF(kSummonCost, "%d/%d", warp.MpCost[0], kMp);
        CheckMessage(warp.SpellName[0]);
    }
    Check(kSpell1, ">");
    // Shown from four entries on; the shipped Warps give at most two of a kind.
    CheckF(kSpellPosition, "%d/%d", 4, 4);
    CheckF(kSummonPosition, "%d/%d", 4, 4);
    Check(kSpellCostLabel, "MP Cost");
    Check(kSummonCostLabel, "MP Cost");
    CheckMessage("Game Over...");

    Check(kHeroName, Hero.Name);
    CheckF(kHeroFigures, "%d/%d  %d/%d", kHp, kHp, kMp, kMp);
    Check(kFuryLabel, "Fury");
    Check(kTimeLabel, "Time");

    CheckF(kVictoryRow, "%s LV %d EXP %d LVUP AT:%d", Hero.Name, kLevel, kExp, kExp);
    CheckF(kVictoryRow, "HP %d/%d", kHp, kHp);
    CheckF(kVictoryRow, "MP %d/%d", kMp, kMp);
    CheckF(kVictoryRow, "G Received : %d", kReward);
    CheckF(kVictoryRow, "EXP Received : %d", kReward);
    CheckF(kVictoryRow, "Warp EXP Received : %d", kReward);
    ExpectEveryAllowanceUsed();
}

TEST_F(TextFit, MenuSlotListAndTitleTextsFitTheirPanels) {
    CheckF(kMenuHero, "%s LV %d EXP %d", Hero.Name, kLevel, kExp);
    CheckF(kMenuHero, "HP %d/%d", kHp, kHp);
    CheckF(kMenuHero, "MP %d/%d", kMp, kMp);
    for (const char* entry :
         {"Item", "Magic", "Warp", "Swarp", "Fury", "Status", "Save", "Load", "Quit", "Options"}) {
        Check(kMenuEntry, entry);
        Check(kPageTitle, entry);
    }
    for (const LevelRecord& level : LevelTable) {
        CheckF(kMenuLocation, "Location :%s", level.Name);
        CheckMessage(level.Name);
    }
    CheckF(kMenuTime, "Time  %d:%d:%d", 99, 59, 59);
    CheckF(kMenuTime, "G: %d", kGold);

    CheckF(kPageHero, "%s LV %d", Hero.Name, kLevel);
    CheckF(kPageHero, "HP %d/%d", kHp, kHp);
    CheckF(kItemPageHero, "%s LV %d", Hero.Name, kLevel);
    CheckF(kItemPageHero, "HP %d/%d", kHp, kHp);
    CheckF(kItemPageHero, "MP %d/%d", kMp, kMp);
    for (const ItemRecord& item : ItemTable) {
        Check(kItemPageName, item.Name);
        Check(kItemPageDescription, item.Description);
        Check(kItemPageRow, item.Name);
    }
    CheckF(kItemPageCount, "%d", kCount);

    for (const WarpRecord& warp : WarpTable) {
        Check(kMagicWarp, warp.Name);
        CheckF(kMagicCauses, "Causes %s Element Attack", warp.Name);
        Check(kMagicSpell1, warp.SpellName[0]);
        Check(kMagicSpell2, warp.SpellName[1]);
        Check(kMagicSpell3, warp.SpellName[2]);
        Check(kStoneName, warp.Name);
        for (const char* spell : warp.SpellName) Check(kWarpSpell, spell);
        Check(kBagRow, warp.Name);
    }
    for (const char* label : {"Curent EXP", "Next Level"}) Check(kWarpExpLabel, label);
    CheckF(kWarpExpLabel, "Level:%d", 3);
    CheckF(kWarpExpValue, "%d", kWarpExp);
    CheckF(kBagPosition, "%d/30", 30);
    for (const SwarpRecord& swarp : SwarpTable) {
        Check(kStoneName, swarp.Name);
        Check(kBagRow, swarp.Name);
    }
    for (const char* label : {"Attack", "Defense", "Dexterity", "Luck", "MagicDefense", "HP Plus", "MP Plus"})
        Check(kSwarpLabel, label);
    CheckF(kSwarpValue, "%d", kStat);

    for (int k = 0; k < 2; ++k) { // the page lists the first two skills
        Check(kFurySkill, Hero.Skills[k].Name);
        CheckF(kFuryRow, "Level %d : %s", Hero.Skills[k].SkillLevel, Hero.Skills[k].Name);
    }
    Check(kFurySelected, "Selected");

    Check(kStatusHeading, "Swarp Status Adds");
    for (const char* label : {"Attack", "Defense", "Dexterity", "Magic Defense", "Luck", "EXP", "LV UP At"})
        Check(kStatusLabel, label);
    Check(kStatusLabel, "FuryBar Fill");
    CheckF(kStatusValue, ": %d", kStat);
    CheckF(kStatusAdd, "%d", kStat);
    CheckF(kStatusFury, ": %d %%", 100);

    for (const char* title : {"Choose the Slot you wish to Save to", "Choose the Slot you wish to Load from"})
        Check(kSlotHeader, title);
    for (const char* title : {"Save", "Load"}) Check(kSlotTitle, title);
    CheckF(kSlotRow, "%s LV%d", Hero.Name, kLevel);
    CheckF(kSlotHp, "HP %d/%d", kHp, kHp);
    CheckF(kSlotRow, "MP %d/%d", kMp, kMp);
    CheckF(kSlotTime, "Time %d:%d:%d", 99, 59, 59);
    Check(kSlotRow, "Free Slot");
    for (const char* line : CreditLines) Check(kCreditLine, line);
    ExpectEveryAllowanceUsed();
}

// Every label and value each row can show, every message and help line with
// the longest names a key or a pad's button can have.
TEST_F(TextFit, OptionsTextsFitTheirPanels) {
    Check(kOptionsTitle, "Options");
    for (int32_t page = 0; page < kOptionsPageCount; ++page) {
        Check(kOptionsTabs[page], OptionsPageName(page));
        for (int32_t row = 1; row < OptionsRowCount(page); ++row)
            Check(kOptionsLabel, OptionsRowLabel(OptionsRowKindAt(page, row)));
    }
    for (const char* value : {"Desktop full screen", "Window", "16384 x 16384", "Fill the screen",
                              "Classic 4:3", "0.75", "Auto", "Off", "On", "100", "0.25x", "0.75x", "W"})
        Check(kOptionsValue, value);
    for (PadType type : {PadType::Unknown, PadType::Xbox, PadType::PlayStation, PadType::Nintendo})
        for (PadButton b : {PadButton::South, PadButton::East, PadButton::West, PadButton::North,
                            PadButton::ShoulderL, PadButton::ShoulderR}) {
            const char* name = PadButtonName(b, type);
            Check(kOptionsValue, name);
            CheckF(kOptionsLine, "Cancel is now on %s", name);
            for (const char* help : {"%s makes it so", "%s and then the new key", "%s puts this page back"})
                CheckF(kOptionsLine, help, name);
            CheckF(kOptionsQuestion, "%s keeps it, %s goes back: %d", name, name, 15);
        }
    for (const char* line :
         {"Left and Right turn the page", "Left and Right change it",
          "Game.cfg could not be written: kept until you quit", "This page is back to its first settings",
          "Display kept", "Display put back", "The display cannot show that mode", "Press a key for Cancel",
          "Cancel keeps W", "W was Cancel: Cancel is now W", "Cancel is now W"})
        Check(kOptionsLine, line);
    for (int key : {int{KeyLeft}, int{KeyEscape}, int{'Y'}, int{KeyBackspace}})
        CheckF(kOptionsLine, "%s: %s", KeyName(key).c_str(), RebindRefusal(key));
    Check(kOptionsQuestion, "Keep this display?");
    ExpectEveryAllowanceUsed();
}

// Every control the hints can name: each key an action can hold, and each pad
// family's buttons in every assignment the options allow.
struct Controls {
    InputDevice device;
    PadType type;
    char keys[3];
    PadButton buttons[3];
};

std::vector<Controls> EveryControls() {
    std::vector<Controls> all;
    for (int key = 1; key < 256; ++key)
        if (KeyName(key) != "?") {
            const char c = static_cast<char>(key);
            all.push_back({InputDevice::Keyboard, PadType::Unknown, {c, c, c}, {}});
        }
    const PadButton choices[6] = {PadButton::South, PadButton::East,      PadButton::West,
                                  PadButton::North, PadButton::ShoulderL, PadButton::ShoulderR};
    for (PadType type : {PadType::Unknown, PadType::Xbox, PadType::PlayStation, PadType::Nintendo})
        for (PadButton ok : choices)
            for (PadButton cancel : choices)
                for (PadButton menu : choices)
                    if (ok != cancel && ok != menu && cancel != menu)
                        all.push_back({InputDevice::Pad, type, {'X', 'Z', 'C'}, {ok, cancel, menu}});
    return all;
}

void UseControls(const Controls& c) {
    KeyOk = c.keys[0];
    KeyCancel = c.keys[1];
    KeyMenu = c.keys[2];
    if (c.device == InputDevice::Pad) {
        PadOkButton = c.buttons[0];
        PadCancelButton = c.buttons[1];
        PadMenuButton = c.buttons[2];
    }
}

// Where each hint must stay: right of, below and above the texts and panels around it.
struct HintRoom {
    const char* panel;
    HintSpot spot;
    std::vector<HintActions> actions;
    double left, right, top, bottom; // fractions of the layout's width and height
};

TEST_F(TextFit, HintsStayClearOfEveryPanelWithAnyControls) {
    const std::vector<HintRoom> rooms = {
        // Right of the title's buttons, which end at 0.6 of the width.
        {"title hint", HintSpot::Title, {{.ok = true}, {.cancel = true}}, 0.6, 1.0, 0.0, 1.0},
        // The foot of the hero panel at rest (0.01 to 0.69, down to 0.8), below the hero's three lines.
        {"menu hint",
         HintSpot::MenuTopList,
         {{.ok = true, .cancel = true}},
         0.02,
         0.69,
         1.0 / 6.98 + 0.06,
         0.8},
        // Below the gauges, right of the target panel, inside the layout.
        {"battle hint",
         HintSpot::BattleCommands,
         {{.ok = true}, {.ok = true, .cancel = true}},
         1.0 / 1.57,
         1.0,
         1.0 / 1.2,
         1.0},
    };
    const std::vector<Controls> controls = EveryControls();
    ASSERT_GT(MeasureHintText(1024, "X: OK"), 50) << "the hints are laid out with the game's own font";
    for (const Area& area : kAreas) {
        const int32_t cell = area.w / 32, shadowX = static_cast<int32_t>(area.w / 204.8);
        for (const HintRoom& room : rooms)
            for (const HintActions& actions : room.actions)
                for (const Controls& c : controls) {
                    UseControls(c);
                    const std::vector<HintLine> lines =
                        LayOutHint(HintEntries(actions, c.device, c.type),
                                   HintBoxAt(room.spot, area.w, area.h), area.w, MeasureHintText);
                    ASSERT_FALSE(lines.empty());
                    for (const HintLine& line : lines) {
                        Check(room.panel, line.text.c_str(), line.at.x, area.w * room.right, true,
                              Font::Times, area);
                        // A line's ink lies between its top and a quarter of a cell below its baseline.
                        const bool clear = line.at.x - 1 >= area.w * room.left &&
                                           line.at.y >= area.h * room.top &&
                                           line.at.y + cell + cell / 4 <= area.h * room.bottom;
                        if (!clear)
                            ADD_FAILURE() << "\"" << line.text << "\" at (" << line.at.x << ", " << line.at.y
                                          << ") leaves the room of the " << room.panel << " at " << area.w
                                          << " x " << area.h;
                    }
                }

        // The dialogue box's marker: clear of every speaker's name on its row, inside the panel.
        std::set<std::string> speakers;
        DialogueRecord buffer;
        for (int32_t page = 0; page < kStoryPageCount; ++page) {
            StoryPageText(buffer, page);
            speakers.insert(buffer.Text[0]);
        }
        for (const LevelRecord& level : LevelTable)
            for (const VillagerRecord& villager : level.Villagers) speakers.insert(villager.Name);
        ShowRefusal();
        speakers.insert(DialogueBuffer.Text[0]);
        for (const ChestRecord& chest : LevelTable[0].Chests) {
            AnnounceChest(chest);
            speakers.insert(DialogueBuffer.Text[0]);
        }
        const TextPoint row = DialogueTextPosition(0, area.w, area.h);
        for (const Controls& c : controls) {
            UseControls(c);
            const std::string name = ActionControlName(GameAction::Ok, c.device, c.type);
            const OkMarker marker = LayOutOkMarker(name, area.w, row.y, 0, MeasureHintText);
            Check("dialogue box marker", name.c_str(), marker.nameAt.x, marker.arrowLeft - 1, true,
                  Font::Times, area);
            EXPECT_LE(marker.arrowRight + shadowX, area.w / kDialogueRight) << area.w;
            for (const std::string& speaker : speakers)
                Check("dialogue box speaker beside the marker", speaker.c_str(), row.x, marker.nameAt.x - 2,
                      false, Font::Times, area);
        }
    }
    UseControls({InputDevice::Pad,
                 PadType::Unknown,
                 {'X', 'Z', 'C'},
                 {PadButton::South, PadButton::East, PadButton::North}});
    ExpectEveryAllowanceUsed();
}

TEST(TextMeasure, WidthsAddUpAsTheRasterAdvances) {
    const int32_t a = MeasureTextWidth("Times New Roman", 32, 700, "A");
    const int32_t aa = MeasureTextWidth("Times New Roman", 32, 700, "AA");
    ASSERT_GT(a, 0);
    EXPECT_EQ(aa, 2 * a);
    EXPECT_EQ(MeasureTextWidth("Times New Roman", 32, 700, ""), 0);
    // Control bytes and 255 draw nothing and do not advance.
    EXPECT_EQ(MeasureTextWidth("Times New Roman", 32, 700, "A\x01\xff"), a);
    // Bold is wider than regular, and the double-height face wider still.
    EXPECT_GT(a, MeasureTextWidth("Times New Roman", 32, 400, "A") - 1);
    EXPECT_GT(MeasureTextWidth("Arial", 64, 700, "Attack"), MeasureTextWidth("Arial", 32, 700, "Attack"));
    EXPECT_EQ(MeasureTextWidth(nullptr, 32, 700, "A"), -1);
}

// The measure is what the display lists draw: the raster moves by it, and no ink passes it.
TEST(TextMeasure, MatchesWhatTheFontsDisplayListsDraw) {
    if (!HaveDisplay()) GTEST_SKIP() << "no DISPLAY";
    ASSERT_TRUE(OpenTestWindow("Aurelant text measure test", 1024, 768, 24) && CreateRenderContext());
    SetWindowSize(1024, 768);
    const GLuint base = glGenLists(256);
    ASSERT_TRUE(BuildBitmapFont("Times New Roman", 32, 700, base));
    glViewport(0, 0, 1024, 768);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_FOG);
    for (const char* text :
         {"The tremors broke open a hidden hall down here.", "Wumon", "fly,", "Hi-Potion"}) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(1, 1, 1);
        PrintText(base, 100, 200, "%s", text);
        float raster[4] = {};
        glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
        const int width = MeasureTextWidth("Times New Roman", 32, 700, text);
        EXPECT_EQ(width, static_cast<int>(raster[0]) - 99) << text;
        std::vector<uint8_t> rgb(1024 * 3);
        int rightmost = -1;
        for (int row = 768 - 250; row < 768 - 190; ++row) {
            glReadPixels(0, row, 1024, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
            for (int col = 0; col < 1024; ++col)
                if (rgb[col * 3] > 128) rightmost = std::max(rightmost, col);
        }
        EXPECT_LT(rightmost, 99 + width) << text;
        EXPECT_GT(rightmost, 99 + width - 6) << text; // the ink reaches the measured end
    }
    glDeleteLists(base, 256);
    CloseTestWindow();
}

} // namespace
