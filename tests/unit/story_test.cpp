// The story scenes and the ending driven frame by frame without a window: the
// camera flights are stopped by hand, the battles only asked for, and the
// dialogue box closed as an OK would.
#include "assets/camera.h"
#include "assets/camera_script.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "menus/save_file.h"
#include "menus/slot_actions.h"
#include "records/battle_slots.h"
#include "records/records.h"
#include "tests/unit/shipped_levels.h"
#include "tests/unit/test_support.h"
#include "world/dialogue.h"
#include "world/encounters.h"
#include "world/level_table.h"
#include "world/story_flags.h"
#include "world/story_places.h"
#include "world/story_scenes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// A hero of one vertex (at x -1) whose animation puts frame f's number in its x.
void GiveHeroAnimation(Animation& anim) {
    Object3D object;
    object.vertexCount = 1;
    object.vertexArray = std::make_shared<std::vector<CVector3>>(1, CVector3{-1, 0, 0});
    HeroModel = Model3D{};
    HeroModel.objects = {object};
    HeroModel.objectCount = 1;
    anim = Animation{};
    for (int f = 0; f < 35; ++f) {
        AnimObject moved;
        moved.vertexCount = 1;
        moved.vertices = {{static_cast<float>(f), 0, 0}};
        AnimFrame frame;
        frame.objectCount = 1;
        frame.animObjects = {moved};
        anim.frames.push_back(frame);
    }
    anim.frameCount = 35;
}

float HeroFrameShown() {
    return (*HeroModel.objects[0].vertexArray)[0].x;
}

bool Showing(int page) {
    DialogueRecord expected;
    StoryPageText(expected, page);
    return DialogueOpen && std::memcmp(&expected, &DialogueBuffer, sizeof expected) == 0;
}

class Story : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildShippedLevels();
        ResetStory();
        GameMode = ModeField;
        CurrentLevel = LevelVoruduDungeon;
        PlayerHasControl = 1;
        DialogueOpen = 0;
        EncounterPending = ScriptedBattle = 0;
        CameraScriptPlaying = false;
        CameraKeyIndex = 0;
        Camera = {{0, 4.5f, 5}, {0, 2.5f, 0}, {0, 1, 0}};
    }
    void TearDown() override {
        HeroModel = Model3D{};
        HeroGetSwordAnim = HeroBulletDodgeAnim = Animation{};
    }
    // The field frame's two steps; the camera script is left to the test.
    static void Frame() {
        UpdateStoryScenes();
        UpdateStoryScenery();
    }
    static void Close() { DialogueOpen = 0; }
    static void StandAt(int level, float x, float z) {
        CurrentLevel = level;
        HeroPosition = {x, 0, z};
    }
};

TEST_F(Story, TheSwordSceneFliesReadsRaisesTheSwordFightsAndGivesControlBack) {
    GiveHeroAnimation(HeroGetSwordAnim);
    Frame();
    EXPECT_EQ(PlayerHasControl, 0);
    ASSERT_TRUE(CameraScriptPlaying); // the flight; it ends when the test says
    // No script file here: the camera looks at him instead of along a zero up vector.
    EXPECT_EQ((std::vector<float>{HeroPosition.x, HeroPosition.z, HeroFrameShown(), Camera.UpVector.y,
                                  Camera.Position.x}),
              (std::vector<float>{1.9f, -3.63f, 0, 1, SwordAfterBattleEye.x}));
    for (int i = 0; i < 5; ++i) Frame();
    EXPECT_EQ(DialogueOpen, 0) << "no page during the flight";
    CameraScriptPlaying = false;
    Frame();
    EXPECT_TRUE(Showing(0));

    Close();
    Frame();
    EXPECT_TRUE(Showing(1));
    EXPECT_EQ(HeroFrameShown(), 1.0f);
    // Closed early: the battle still waits for the animation's last frame.
    Close();
    int frames = 1;
    for (; frames < 60 && !EncounterPending; ++frames) {
        EXPECT_EQ(HeroFrameShown(), static_cast<float>(frames));
        Frame();
    }
    EXPECT_EQ(frames, 35) << "frames 1 to 34, then the battle";
    EXPECT_STREQ(BattleSlots[0].Name, "Ogre");
    EXPECT_STREQ(BattleSlots[1].Name, "Ogre");
    EXPECT_EQ((Figures{SceneAnimFrame, BattleSlots[2].Dead, ScriptedBattle, StoryFlags[StorySwordFound]}),
              (Figures{34, 1, 1, 0}));

    Frame(); // the battle has not been fought yet
    EXPECT_EQ(SceneAfterBattle, 0);
    EncounterPending = 0; // won, and the field is back
    Frame();
    EXPECT_EQ((std::vector<float>{HeroPosition.x, HeroPosition.z, HeroRotation.y, Camera.Position.x,
                                  Camera.ViewPoint.y, Camera.UpVector.y}),
              (std::vector<float>{1.571254f, -4.202993f, -176.15659f, 1.973441f, 2.738818f, 1}));
    EXPECT_TRUE(Showing(2));
    EXPECT_EQ((Figures{StoryFlags[StorySwordFound], PlayerHasControl}), (Figures{1, 1}));
    EXPECT_EQ(SceneStarted + SceneReady + SceneBattleStarted + SceneAfterBattle + ScenePage + SceneAnimFrame,
              0);
}

TEST_F(Story, ASwordBattleLostAndReloadedStartsTheSceneAgain) {
    ScopedWorkingDir dir(MakeTempDir("story_reload"));
    WriteFile("Save/.keep", "");
    HeroPosition = {5, 0, 5};
    StoryFlags[StorySwordFound] = 0;
    ASSERT_TRUE(SaveGame("Save/Slot1.sav"));
    GiveHeroAnimation(HeroGetSwordAnim);
    Frame();
    CameraScriptPlaying = false;
    Frame();
    for (int i = 0; i < 40 && !EncounterPending; ++i, Close()) Frame();
    ASSERT_EQ(EncounterPending, 1);
    EncounterPending = 0; // the battle was lost: the save comes back
    ASSERT_TRUE(LoadSlotIntoField(0));
    Frame();
    EXPECT_EQ((Figures{SceneAfterBattle, StoryFlags[StorySwordFound], PlayerHasControl}), (Figures{0, 0, 0}));
    EXPECT_EQ(HeroPosition.x, 1.9f) << "placed again for the flight";
}

TEST_F(Story, TalkScenesShowEveryPageOneOkAtATimeOnlyInsideTheirSquare) {
    // Tempor: outside his square (its border is outside) nothing happens.
    const CVector3 tempor = LevelTable[LevelVorudu].Villagers[1].Position;
    StandAt(LevelVorudu, tempor.x + 3.0f, tempor.z);
    Frame();
    EXPECT_EQ(DialogueOpen, 0);
    HeroPosition.x = tempor.x + 2.99f;
    for (int page = 3; page <= 11; ++page) {
        Frame();
        ASSERT_TRUE(Showing(page)) << page;
        EXPECT_EQ(PlayerHasControl, 0);
        Frame(); // nothing moves on while the page is up
        ASSERT_TRUE(Showing(page)) << page;
        Close();
    }
    EXPECT_EQ(StoryFlags[StoryTemporHeard], 0) << "nine pages need nine OKs";
    Frame();
    EXPECT_EQ((Figures{StoryFlags[StoryTemporHeard], PlayerHasControl, DialogueOpen, ScenePage}),
              (Figures{1, 1, 0, 0}));

    // The forest spot is 0.6 wide: the hero must stand on it.
    const CVector3 spot = StoryPlaces[PlaceForestSpot].position;
    StandAt(LevelForgottenForest, spot.x + 0.3f, spot.z);
    Frame();
    EXPECT_EQ(DialogueOpen, 0);
    HeroPosition = {spot.x + 0.29f, 0, spot.z - 0.29f};
    for (int page = 12; page <= 14; ++page, Close()) {
        Frame();
        ASSERT_TRUE(Showing(page)) << page;
    }
    Frame();
    EXPECT_EQ(StoryFlags[StoryForestSpot], 1);

    // Timson waits for the Behemoth's flag; Limbus for Timson's, and needs no page.
    const CVector3 timson = LevelTable[LevelMistilia].Villagers[3].Position;
    StandAt(LevelMistilia, timson.x, timson.z);
    Frame();
    EXPECT_EQ(DialogueOpen, 0);
    StoryFlags[StoryBehemothBeaten] = 1;
    Frame();
    EXPECT_TRUE(Showing(16));
    Close();

    const CVector3 limbus = StoryPlaces[PlaceLimbusTrigger].position;
    StandAt(LevelDamnedDungeon, limbus.x - 4.9f, limbus.z);
    Frame();
    EXPECT_EQ(EncounterPending, 0);
    StoryFlags[StoryTimsonHeard] = 1;
    Frame();
    EXPECT_EQ((Figures{StoryFlags[StoryLimbusFought], EncounterPending, DialogueOpen}), (Figures{1, 1, 0}));
    EXPECT_STREQ(BattleSlots[0].Name, "Limbus");
}

TEST_F(Story, TheEndingRunsItsStagesAndResetsForTheNextOne) {
    CurrentLevel = LevelRoadPass;
    TitlePage = 1; // the game was loaded from the load page
    TitleCursor = 1;
    GiveHeroAnimation(HeroBulletDodgeAnim);
    Frame();
    EXPECT_EQ(HeroFrameShown(), 0.0f) << "he faces Katu in the dodge's first frame, not walking";
    EXPECT_EQ((Figures{PlayerHasControl, EndingFlightStarted}), (Figures{0, 1}));
    ASSERT_TRUE(CameraScriptPlaying);
    CameraKeyIndex = 3; // Katu waits for the flight's fifth key
    for (int i = 0; i < 40; ++i) Frame();
    EXPECT_EQ((Figures{EndingStage[0], EndingRiseFrame, EndingStage[1]}), (Figures{1, 34, 0}));
    CameraKeyIndex = 5;
    for (int i = 0; i < 10; ++i) Frame();
    EXPECT_EQ((Figures{EndingCastFrame, EndingStage[1]}), (Figures{10, 0}));
    Frame();
    EXPECT_EQ(EndingStage[1], 1);
    int spell = 1; // stage 3 begins in the frame stage 2 ends
    for (; spell < 200 && !EndingStage[2]; ++spell) {
        EXPECT_EQ(EndingOffset, 2.0f) << "no lava before Katu has cast";
        Frame();
    }
    EXPECT_EQ(spell, 127) << "frames 2 to 34 of his second animation, a quarter speed";

    int frames = 1;
    int wordsFrom = 0;
    for (; frames < 3000 && GameMode == ModeField; ++frames) {
        Frame();
        if (!wordsFrom && DialogueOpen) wordsFrom = frames;
    }
    EXPECT_NEAR(frames, 2150, 5);
    EXPECT_NEAR(wordsFrom, 1900, 5);
    EXPECT_EQ(GameMode, ModeTitle);
    // The title as it was left: the load page, Load Game under the cursor. And
    // ready to run again: a second ending would otherwise start half done.
    EXPECT_EQ((Figures{TitlePage, TitleCursor, EndingStage[0], EndingStage[1], EndingStage[2],
                       EndingFlightStarted, EndingSpellFrame}),
              (Figures{1, 1, 0, 0, 0, 0, 10}));
    EXPECT_EQ(EndingOffset, 2.0f);
}

TEST_F(Story, AnEndingWhoseFlightIsMissingStillReachesTheTitle) {
    CurrentLevel = LevelRoadPass;
    Frame();
    CameraScriptPlaying = false; // no script file: the flight ended on its first step
    CameraKeyIndex = 0;
    int frames = 1;
    for (; frames < 3000 && GameMode == ModeField; ++frames) Frame();
    EXPECT_EQ(GameMode, ModeTitle);
    EXPECT_LT(frames, 2400);
}

TEST(StoryPages, SpeakersLineCountsAndLengthsAndNothingOutsideTheTwentyOne) {
    const char* const speakers[kStoryPageCount] = {
        "Deduvavi", "Deduvavi", "Deduvavi", "Tempor", "Deduvavi", "Tempor",   "Tempor",
        "Tempor",   "Tempor",   "Tempor",   "Tempor", "Deduvavi", "Deduvavi", "Deduvavi",
        "Deduvavi", "Deduvavi", "Timson",   "Timson", "Deduvavi", "Timson",   "Deduvavi"};
    const int lines[kStoryPageCount] = {4, 1, 3, 2, 4, 4, 4, 4, 4, 4, 3, 4, 4, 4, 4, 3, 4, 4, 2, 3, 2};
    for (int page = 0; page < kStoryPageCount; ++page) {
        DialogueRecord buffer;
        std::memset(&buffer, 'x', sizeof buffer);
        StoryPageText(buffer, page);
        EXPECT_STREQ(buffer.Text[0], speakers[page]) << page;
        for (int line = 1; line <= 4; ++line) {
            const size_t length = strnlen(buffer.Text[line], kDialogueTextSize);
            EXPECT_LE(length, 69u) << page;
            EXPECT_EQ(length > 0, line <= lines[page]) << page << " line " << line;
        }
    }
    for (int page : {-1, 21, 1000}) {
        DialogueRecord buffer;
        StoryPageText(buffer, 0);
        StoryPageText(buffer, page);
        for (const auto& text : buffer.Text) EXPECT_STREQ(text, "") << page;
    }
}

} // namespace
