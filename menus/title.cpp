#include "menus/title.h"

#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/text2d.h"
#include "menus/slot_list.h"
#include "platform/platform.h"
#include "world/level_change.h"
#include "world/level_table.h"
#include "world/story_scenes.h"

#include <GL/gl.h>

float TitlePulse = 1.0f;
unsigned char TitlePulseFalling = 1;

namespace {

const char* const CreditLines[4] = {
    "Programming: the Aurelant engine team",
    "3D Art: built by the Aurelant content toolkit",
    "Music: synthesised by the Aurelant sound toolkit",
    "Contact: see the README of the Aurelant project",
};

void DrawButtons() {
    static const float bottoms[4] = {0.4f, 0.3f, 0.2f, 0.1f};
    glEnable(GL_BLEND);
    for (int i = 0; i < 4; ++i) {
        if (i == TitleCursor) glColor3f(TitlePulse, TitlePulse, TitlePulse);
        const float top = bottoms[i] + 0.1f;
        DrawTexturedQuad(0.4f, bottoms[i], 0.6f, bottoms[i], 0.6f, top, 0.4f, top,
                         TitleButtonTextures[i].texName);
        glColor3f(1, 1, 1);
    }
    glDisable(GL_BLEND);
}

void DrawLoadPage() {
    DrawSlotList();
    glColor3f(0, 0, 1);
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    PrintText(TimesFontBase, static_cast<int>(ScreenWidth / 1.24), static_cast<int>(ScreenHeight / 25.6),
              "Load");
    PrintText(TimesFontBase, static_cast<int>(ScreenWidth / 20.48), static_cast<int>(ScreenHeight / 38.4),
              "Choose the Slot you wish to Load from");
}

void DrawCredits() {
    static const double divisors[4] = {2.02, 1.87, 1.74, 1.63};
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    for (int i = 0; i < 4; ++i)
        PrintText(TimesFontBase, ScreenWidth / 4, static_cast<int>(ScreenHeight / divisors[i]), "%s",
                  CreditLines[i]);
}

} // namespace

void AdvanceTitlePulse() {
    if (TitlePulseFalling) {
        TitlePulse -= 0.03f;
        if (TitlePulse <= 0.3) TitlePulseFalling = 0;
    } else {
        TitlePulse += 0.03f;
    }
    if (!TitlePulseFalling && TitlePulse >= 0.7) TitlePulseFalling = 1;
}

void TitleFrame(int page) {
    glClearColor(0.2f, 0.5f, 1.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    // Clear fog this close rounds to a factor of exactly 1, yet costs a third of
    // the frame on a software renderer: off, the picture is the same.
    const bool fogless = FogDensity <= kClearFogDensity;
    if (fogless) glDisable(GL_FOG);
    glEnable(GL_COLOR_MATERIAL);
    glLoadIdentity();
    glPushMatrix();
    glTranslatef(-0.68f, -0.5f, -1.2f);
    glScalef(1.36f, 1.0f, 1.0f);

    AdvanceTitlePulse();
    DrawTexturedQuad(0, 0, 1, 0, 1, 1, 0, 1, LogoTexture.texName);

    if (page == 0) DrawButtons();
    if (page == 1) DrawLoadPage();
    if (page == 2) DrawCredits();
    if (page == 1 || page == 2) {
        glColor3f(1, 1, 1);
        glDisable(GL_COLOR_MATERIAL);
        glEnable(GL_TEXTURE_2D);
    }
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    if (fogless) glEnable(GL_FOG);
    SwapScreenBuffer();
}

void NewGame() {
    GameMode = ModeField;
    CurrentLevel = LevelVoruduDungeon;
    PlayMusic(LevelTable[LevelVoruduDungeon].Music);
    PlayHours = 0;
    PlayMinutes = 0;
    PlaySeconds = 0;
    // The ending hands the title back with control off and its last words up.
    PlayerHasControl = 1;
    DialogueOpen = 0;
    // A game played to its end before would leave every scene done.
    ResetStory();
}
