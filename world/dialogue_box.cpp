// Drawing the dialogue box and the message box over the finished 3D picture.
#include "assets/control_hints.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/text2d.h"
#include "world/dialogue.h"
#include "world/field_common.h"
#include "world/story_scenes.h"

#include <GL/gl.h>

namespace {

// Pixel projection with y growing downward, depth off, the console texture bound.
void BeginBox() {
    OrthoMode(0, 0, LayoutArea.width, LayoutArea.height);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    glBindTexture(GL_TEXTURE_2D, PanelTexture.texName);
}

void Corner(float u, float v, double x, double y) {
    glTexCoord2f(u, v);
    glVertex2f(static_cast<float>(x), static_cast<float>(y));
}

} // namespace

void DrawDialogueBox(DialogueRecord buffer) {
    const int32_t w = LayoutArea.width;
    const int32_t h = LayoutArea.height;
    BeginBox();
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    Corner(0.0f, 1.0f, w / 51.2, h - h / 4.31);
    Corner(0.0f, 0.0f, w / 51.2, h - h / 76.8);
    Corner(1.0f, 0.0f, w / 1.28, h - h / 76.8);
    Corner(1.0f, 1.0f, w / 1.28, h - h / 4.31);
    glEnd();
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);

    // Printed as text, never as a format: a stray percent sign stays a percent sign.
    for (int i = 0; i < kDialogueTextCount; ++i) {
        buffer.Text[i][kDialogueTextSize - 1] = '\0';
        const TextPoint at = DialogueTextPosition(i, w, h);
        PrintText(TimesFontBase, at.x, at.y, "%s", buffer.Text[i]);
    }
    // Every page waits for OK but the ending's closing words, which go on by themselves.
    if (!EndingStage[kEndingStageCount - 1]) DrawOkMarker(DialogueTextPosition(0, w, h).y);

    glColor3f(1.0f, 1.0f, 1.0f);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_DEPTH_TEST);
    PerspectiveMode();
}

void DrawMessageBox(const char* text, int32_t dx, int32_t dy) {
    const int32_t w = LayoutArea.width;
    const int32_t h = LayoutArea.height;
    const float x = static_cast<float>(dx);
    const float y = static_cast<float>(dy);
    BeginBox();
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    Corner(0.0f, 1.0f, w * 0.25f + x, h / 15.36f + y);
    Corner(0.0f, 0.0f, w * 0.25f + x, h / 5.12f + y);
    Corner(1.0f, 0.0f, w / 1.33f + x, h / 5.12f + y);
    Corner(1.0f, 1.0f, w / 1.33f + x, h / 15.36f + y);
    glEnd();
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);

    const TextPoint at = MessageTextPosition(w, h);
    PrintText(TimesFontBase, SaturatingAdd(at.x, dx), SaturatingAdd(at.y, dy), "%s", text ? text : "");

    glColor3f(1.0f, 1.0f, 1.0f);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    PerspectiveMode();
}
