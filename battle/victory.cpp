#include "battle/victory.h"

#include "assets/camera.h"
#include "assets/camera_script.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/sound_effects.h"
#include "assets/text2d.h"
#include "battle/battle_flow.h"
#include "battle/battle_state.h"
#include "platform/platform.h"
#include "records/records.h"
#include "world/field_camera.h"
#include "world/field_common.h"

#include <GL/gl.h>
#include <GL/glu.h>

uint8_t VictoryStarted = 0;
int32_t VictoryFrame = 0;
int32_t VictoryPanelY = 0;
uint8_t RewardsReady = 0;
uint8_t LeaveReady = 0;

int32_t VictoryPanelStart() {
    return -LayoutY(0.768);
}

void ResetVictory() {
    VictoryStarted = 0;
    VictoryFrame = 0;
    VictoryPanelY = VictoryPanelStart();
    RewardsReady = 0;
    LeaveReady = 0;
}

void PayBattleRewards() {
    Hero.Exp = SaturatingAdd(Hero.Exp, BattleExpReward);
    Hero.Gold = SaturatingAdd(Hero.Gold, BattleGoldReward);
    GrowWarps(BattleWarpExpReward);
    if (Hero.NextLevelExp < Hero.Exp) PlayEffect(SoundEffect::LevelUp);
    while (Hero.NextLevelExp < Hero.Exp) LevelUp();
}

void DrawVictoryPanel(int32_t dx, int32_t dy) {
    const int32_t w = LayoutArea.width;
    const int32_t h = LayoutArea.height;
    OrthoMode(0, 0, w, h);
    glDisable(GL_DEPTH_TEST);
    const float x1 = static_cast<float>(LayoutX(10.24) + dx), y1 = static_cast<float>(LayoutY(7.68) + dy);
    const float x2 = static_cast<float>(LayoutX(1.13) + dx), y2 = static_cast<float>(LayoutY(1.09) + dy);
    DrawPanel(x1, y1, x1, y2, x2, y2, x2, y1, PanelTexture.texName);

    const int32_t x = LayoutX(3.41) + dx;
    const int name = static_cast<int>(sizeof Hero.Name);
    PrintShadowText(TimesFontBase, x, LayoutY(3.84) + dy, "%.*s LV %d EXP %d LVUP AT:%d", name, Hero.Name,
                    Hero.Level, Hero.Exp, Hero.NextLevelExp);
    PrintShadowText(TimesFontBase, x, LayoutY(3.33) + dy, "HP %d/%d", Hero.HP, Hero.MaxHP);
    PrintShadowText(TimesFontBase, x, LayoutY(2.95) + dy, "MP %d/%d", Hero.MP, Hero.MaxMP);
    PrintShadowText(TimesFontBase, x, LayoutY(2.19) + dy, "G Received : %d", BattleGoldReward);
    PrintShadowText(TimesFontBase, x, LayoutY(2.02) + dy, "EXP Received : %d", BattleExpReward);
    PrintShadowText(TimesFontBase, x, LayoutY(1.87) + dy, "Warp EXP Received : %d", BattleWarpExpReward);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_TEXTURE_2D);
    PerspectiveMode();
}

void VictoryModeFrame() {
    glColor3f(1, 1, 1);
    BeginArenaFrame();

    glPushMatrix();
    glTranslatef(HeroBattlePos.x, HeroBattlePos.y, HeroBattlePos.z);
    DrawModel3D(HeroModel);
    glPopMatrix();
    ApplyAnimationFrame(HeroModel, HeroWonAnim, VictoryFrame);
    if (VictoryFrame < static_cast<int32_t>(HeroWonAnim.frames.size()) - 1) VictoryFrame += 1;

    if (!VictoryStarted) {
        StartCameraScript("Scripts/BGWon.scp");
        VictoryStarted = 1;
        PlayEffect(SoundEffect::Victory);
        ApplySwarpMaxStats(false);
    }
    if (!CameraScriptPlaying) {
        DrawVictoryPanel(0, VictoryPanelY);
        if (VictoryPanelY < 0) VictoryPanelY += LayoutY(38.4);
    }
    if (VictoryPanelY >= 0) RewardsReady = 1;
    SwapScreenBuffer();
}

void VictoryOk() {
    if (LeaveReady) {
        LeaveReady = 0;
        ExitBattle();
        return;
    }
    if (!RewardsReady) return;
    PayBattleRewards();
    LeaveReady = 1;
}
