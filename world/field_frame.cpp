#include "world/field_frame.h"

#include "assets/camera.h"
#include "assets/camera_script.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/scene_scale.h"
#include "assets/screen_area.h"
#include "platform/platform.h"
#include "world/chests.h"
#include "world/collision.h"
#include "world/dialogue.h"
#include "world/encounters.h"
#include "world/field_camera.h"
#include "world/field_common.h"
#include "world/level_change.h"
#include "world/story_scenes.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

void DrawVillagers(const LevelRecord& level) {
    const size_t end = UsedCount(level.VillagerCount, level.Villagers.size());
    for (size_t i = 0; i < end; ++i) {
        const VillagerRecord& villager = level.Villagers[i];
        glPushMatrix();
        glTranslatef(villager.Position.x, villager.Position.y, villager.Position.z);
        glRotatef(villager.Rotation.y, 0.0f, 1.0f, 0.0f);
        if (villager.Model) DrawModel3D(*villager.Model);
        glPopMatrix();
    }
}

// After everything opaque, at the far end of the depth range: the sky fills
// only the pixels nothing else has covered. It hangs around the eye, unlit,
// and unfogged unless a level change thickens the fog: the clear fog would
// change nothing on it but costs a software renderer dearly per pixel.
void DrawSky(const Model3D& mesh) {
    const bool fogless = FogDensity <= kClearFogDensity;
    if (fogless) glDisable(GL_FOG);
    glPushMatrix();
    glTranslatef(Camera.Position.x, Camera.Position.y, Camera.Position.z);
    glDisable(GL_LIGHTING);
    glDepthRange(1.0, 1.0);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    DrawModelSky(mesh);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
    glDepthRange(0.0, 1.0);
    glEnable(GL_LIGHTING);
    glPopMatrix();
    if (fogless) glEnable(GL_FOG);
}

void DrawHero() {
    glPushMatrix();
    glTranslatef(HeroPosition.x, HeroPosition.y, HeroPosition.z);
    glRotatef(HeroRotation.y, 0.0f, 1.0f, 0.0f);
    DrawModel3D(HeroModel);
    glPopMatrix();
}

} // namespace

void (*StartBattleFromField)() = nullptr;
bool FieldDrawShortcuts = true;

int32_t BattleCaptureSize() {
    // In a smaller picture the corner would reach pixels the window does not own.
    int32_t size = kBattleCaptureSize;
    while (size > 1 && (size > PictureArea.width || size > PictureArea.height)) size >>= 1;
    return size;
}

void CaptureScreen(TextureImage& texture, int32_t width, int32_t height) {
    glBindTexture(GL_TEXTURE_2D, texture.texName);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, PictureArea.left, PictureBottom(), width, height, 0);
    SetPictureViewport();
    // The capture drew the scene at full size into its corner; that stays as it is.
    DropScaledScene();
}

void FieldFrame() {
    static LevelRecord noLevel;
    LevelRecord* found = LevelAt(CurrentLevel);
    LevelRecord& level = found ? *found : noLevel;

    // Before the clear: a scene may move the camera or ask for a battle this frame.
    UpdateStoryScenes();
    if (EncounterPending) {
        // The capture is taken at full size.
        DropScaledScene();
        glViewport(PictureArea.left, PictureBottom(), BattleCaptureSize(), BattleCaptureSize());
    }
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(Camera.Position.x, Camera.Position.y, Camera.Position.z, Camera.ViewPoint.x, Camera.ViewPoint.y,
              Camera.ViewPoint.z, Camera.UpVector.x, Camera.UpVector.y, Camera.UpVector.z);
    // Once the view is set: the story draws its figures in world space.
    UpdateStoryScenery();
    ExtractFrustum(ViewFrustum);
    UpdateCameraScript();

    // Every frame, moving or not.
    CollideWithProps(BoxModel, level.Villagers, level.VillagerCount, level.Chests, level.ChestCount);
    const size_t chests = UsedCount(level.ChestCount, level.Chests.size());
    if (FieldDrawShortcuts) {
        // Nearest first: the level's pixels behind the hero and the villagers then
        // fail the depth test before they are shaded.
        DrawHero();
        DrawVillagers(level);
    }
    glEnable(GL_LIGHT1);
    DrawLevelModel(level.Mesh, FieldDrawShortcuts ? ViewFrustum.plane : nullptr);
    glDisable(GL_LIGHT1);
    if (!FieldDrawShortcuts) DrawVillagers(level);
    for (size_t i = 0; i < chests; ++i) UpdateChest(level.Chests[i]);
    if (!FieldDrawShortcuts) DrawHero();
    DrawSky(level.Mesh);

    if (EncounterPending && StartBattleFromField) StartBattleFromField();
    CheckExits(CurrentLevel);
    if (DialogueOpen) DrawDialogueBox(DialogueBuffer);
    SwapScreenBuffer();
}
