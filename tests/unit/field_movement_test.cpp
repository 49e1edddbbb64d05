// The keyboard step and the field frame's collision wiring, run without a window.
#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "battle/battle_flow.h"
#include "battle/battle_state.h"
#include "platform/platform.h"
#include "tests/unit/scene_models.h"
#include "world/encounters.h"
#include "world/field_camera.h"
#include "world/field_frame.h"
#include "world/field_movement.h"
#include "world/level_table.h"
#include "world/story_flags.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>
#include <vector>

namespace {

// A flat square of two triangles at height y, facing up.
Model3D Floor(float half, float y) {
    Model3D model;
    Object3D object;
    object.vertices = {{-half, y, -half}, {-half, y, half}, {half, y, half}, {half, y, -half}};
    object.indices = {0, 1, 2, 0, 2, 3};
    object.vertexCount = 4;
    object.indexCount = 6;
    object.center = {0, y, 0};
    object.size = 2 * half;
    model.objects.push_back(object);
    model.objectCount = 1;
    return model;
}

class FieldMovementTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartBattleFromField = StartBattle;
        LevelTable.clear();
        LevelTable.resize(3);
        LevelTable[1].RandomBattles = 1;
        CurrentLevel = LevelVoruduDungeon;
        GameMode = ModeField;
        PlayerHasControl = 1;
        WalkFrame = 0;
        StepCounter = 0;
        StepsToEncounter = 100;
        EncounterPending = 0;
        StoryFlags[StorySwordFound] = 1; // the sword scene would take the hero away
        // Every plane passes every point: the whole level is in view.
        for (auto& plane : ViewFrustum.plane) {
            plane[0] = plane[1] = plane[2] = 0.0f;
            plane[3] = 1.0f;
        }
        // Hero at the origin looking down -z, the eye 5 units behind and above.
        HeroPosition = {0, 0, 0};
        HeroRotation = {0, 0, 0};
        Camera = {{0, 4.5f, 5}, {0, 2.5f, 0}, {0, 1, 0}};
    }
    void TearDown() override {
        for (int key :
             {int(KeyUp), int(KeyDown), int(KeyLeft), int(KeyRight), int('W'), int('A'), int('S'), int('D')})
            SetScriptedKey(key, false);
    }
};

TEST_F(FieldMovementTest, AStepMovesHeroAndCameraAFifthOfAUnitAndFalls) {
    WalkForward();
    // Nothing to stand on: hero and camera sink together.
    const std::vector<float> want = {0, -0.3f, -0.2f, 4.2f, 4.8f, 2.2f, -0.2f};
    const std::vector<float> have = {HeroPosition.x,    HeroPosition.y,    HeroPosition.z,
                                     Camera.Position.y, Camera.Position.z, Camera.ViewPoint.y,
                                     Camera.ViewPoint.z};
    for (size_t i = 0; i < want.size(); ++i) EXPECT_FLOAT_EQ(have[i], want[i]) << i;
    EXPECT_EQ(StepCounter, 1);

    WalkBackward();
    EXPECT_NEAR(HeroPosition.z, 0.0f, 1e-6);
    EXPECT_NEAR(Camera.Position.z, 5.0f, 1e-6);
    EXPECT_EQ(StepCounter, 2);

    // The walk animation's 35 frames wrap both ways.
    WalkFrame = 34;
    WalkForward();
    EXPECT_EQ(WalkFrame, 0);
    WalkBackward();
    EXPECT_EQ(WalkFrame, 34);
}

TEST_F(FieldMovementTest, UpAndDownTogetherGoNowhereButCountTwoSteps) {
    SetScriptedKey(KeyUp, true);
    SetScriptedKey(KeyDown, true);
    FieldMovement();
    EXPECT_NEAR(HeroPosition.z, 0.0f, 1e-6);
    EXPECT_FLOAT_EQ(HeroPosition.y, -0.6f) << "both steps fall";
    EXPECT_EQ(StepCounter, 2);
    EXPECT_EQ(WalkFrame, 0) << "one frame on, one back";

    // The letter keys walk too.
    SetScriptedKey(KeyUp, false);
    SetScriptedKey(KeyDown, false);
    SetScriptedKey('W', true);
    FieldMovement();
    EXPECT_FLOAT_EQ(HeroPosition.z, -0.2f);
    EXPECT_EQ(StepCounter, 3);
}

TEST_F(FieldMovementTest, TurningOrbitsTheEyeByThreeDegrees) {
    SetScriptedKey(KeyLeft, true);
    FieldMovement();
    EXPECT_FLOAT_EQ(HeroRotation.y, 3.0f);
    const float dx = Camera.Position.x - HeroPosition.x;
    const float dz = Camera.Position.z - HeroPosition.z;
    EXPECT_NEAR(std::sqrt(dx * dx + dz * dz), 5.0f, 1e-5);
    EXPECT_NEAR(std::atan2(dx, dz), 0.05235988, 1e-6);
    EXPECT_EQ(StepCounter, 0) << "turning is not walking";

    SetScriptedKey(KeyLeft, false);
    SetScriptedKey('D', true);
    FieldMovement();
    FieldMovement();
    EXPECT_FLOAT_EQ(HeroRotation.y, -3.0f);
}

TEST_F(FieldMovementTest, TheFloorHoldsTheHeroUp) {
    LevelTable[1].CollisionMesh = Floor(50.0f, 0.0f);
    // The sphere's centre 0.7 above the floor: just touching.
    HeroPosition.y += 0.2f;
    Camera.Position.y += 0.2f;
    Camera.ViewPoint.y += 0.2f;
    for (int i = 0; i < 20; ++i) WalkForward();
    EXPECT_NEAR(HeroPosition.y, 0.2f, 1e-4);
    EXPECT_NEAR(HeroPosition.z, -4.0f, 1e-4);
    EXPECT_NEAR(Camera.ViewPoint.y - HeroPosition.y, 2.5f, 1e-4) << "the camera rides with the hero";

    // While the player has no control, walking still falls but nothing pushes back.
    PlayerHasControl = 0;
    WalkForward();
    EXPECT_NEAR(HeroPosition.y, -0.1f, 1e-4);
}

TEST_F(FieldMovementTest, ACameraOnTheHerosHeadStillGivesNumbers) {
    // Eye on the view point: no view vector at all.
    Camera = {{0, 2, 0}, {0, 2, 0}, {0, 1, 0}};
    LevelTable[1].CollisionMesh = Floor(10.0f, 0.0f);
    SetScriptedKey(KeyUp, true);
    SetScriptedKey(KeyRight, true);
    for (int i = 0; i < 5; ++i) FieldMovement();
    for (float v : {HeroPosition.x, HeroPosition.y, HeroPosition.z, Camera.Position.x, Camera.Position.y,
                    Camera.Position.z, Camera.ViewPoint.x, Camera.ViewPoint.z, HeroRotation.y})
        EXPECT_TRUE(std::isfinite(v));
    CurrentLevel = -4; // no such level: the step falls and goes on
    FieldMovement();
    EXPECT_TRUE(std::isfinite(HeroPosition.y));
}

TEST_F(FieldMovementTest, TheFieldFrameKeepsTheHeroOutOfVillagersAndChests) {
    BoxModel = PropBoxModel();
    VillagerRecord villager{};
    villager.Position = {0, 0, -1.5f};
    LevelTable[1].Villagers = {villager};
    LevelTable[1].VillagerCount = 1;
    HeroPosition = {0, 0, -0.3f};
    Camera = {{0, 4.5f, 4.7f}, {0, 2.5f, -0.3f}, {0, 1, 0}};
    // The box's near face is at z = -0.5: the sphere of 0.7 reaches past it.
    FieldFrame();
    EXPECT_NEAR(HeroPosition.z, 0.2f, 1e-4);
    EXPECT_NEAR(Camera.ViewPoint.z, 0.2f, 1e-4);

    ChestRecord chest{};
    chest.Position = {0, 0, 1.9f};
    LevelTable[1].Chests = {chest};
    LevelTable[1].ChestCount = 1;
    LevelTable[1].VillagerCount = 0;
    HeroPosition = {0, 0, 0.7f};
    Camera.ViewPoint = {0, 2.5f, 0.7f};
    FieldFrame();
    EXPECT_NEAR(HeroPosition.z, 0.2f, 1e-4) << "pushed back from the chest's face at z = 0.9";
    BoxModel = Model3D{};
}

TEST_F(FieldMovementTest, APendingBattleStartsAtTheFramesEnd) {
    const CameraRecord field = Camera;
    EncounterPending = 1;
    ScriptedBattle = 1; // the slots as they are
    FieldFrame();
    EXPECT_EQ(std::tuple(EncounterPending, GameMode), std::tuple(0, ModeBattle));
    EXPECT_EQ(std::memcmp(&SavedFieldCamera, &field, sizeof field), 0);
    EXPECT_EQ(Camera.ViewPoint.z, -6.0f);
    ExitBattle();
    EXPECT_EQ(std::tuple(GameMode, ScriptedBattle), std::tuple(ModeField, 0));
    EXPECT_EQ(std::memcmp(&Camera, &field, sizeof field), 0) << "the field's camera comes back";
}

} // namespace
