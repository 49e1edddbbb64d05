#include "app/boot.h"

#include "app/game_state.h"
#include "app/graphics.h"
#include "app/loaded_assets.h"
#include "app/log.h"
#include "platform/platform.h"

#include <GL/gl.h>

TextureImage BattleCaptureTexture = {};
TextureImage PanelTexture = {};
TextureImage TitleButtonTextures[4] = {};
TextureImage ParticleTexture = {};
TextureImage RingTexture = {};
TextureImage SparkTexture = {};

void DrawLogoFrame() {
    glClearColor(0.2f, 0.5f, 1.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(-0.68f, -0.5f, -1.2f);
    glScalef(1.36f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, LogoTexture.texName);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(1, 0);
    glVertex2f(1, 0);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(0, 1);
    glEnd();
    glPopMatrix();
    SwapScreenBuffer();
}

void LoadEverything() {
    TimesFontBase = BuildFont("Times New Roman", ScreenWidth / 32);
    AppendLog("Created Times New Roman Font");
    GameMode = ModeTitle;
}
