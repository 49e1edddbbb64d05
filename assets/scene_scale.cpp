#include "assets/scene_scale.h"

#include "assets/game_state.h"
#include "assets/scene_scale_target.h"
#include "assets/screen_area.h"
#include "platform/platform.h"

#include <GL/gl.h>

#include <cmath>

namespace {

bool Pending = false;
// Drawn into a texture of its own rather than the window's corner.
bool IntoTarget = false;
int32_t SceneWidth = 0;
int32_t SceneHeight = 0;
GLuint SceneTexture = 0;
// The frame's own scissor and fog, given back when the scene is done.
GLboolean FrameScissored = GL_FALSE;
GLboolean FrameFogged = GL_FALSE;
GLint FrameScissor[4] = {0, 0, 0, 0};
int32_t TextureWidth = 0;
int32_t TextureHeight = 0;

bool FitsTexture(int32_t width, int32_t height) {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    return PowerOfTwoAtLeast(width) <= largest && PowerOfTwoAtLeast(height) <= largest;
}

// One texture, made again only when the scene's power-of-two size changes.
void BindSceneTexture() {
    const int32_t width = PowerOfTwoAtLeast(SceneWidth), height = PowerOfTwoAtLeast(SceneHeight);
    // A new context forgets the old name.
    if (SceneTexture == 0 || !glIsTexture(SceneTexture)) {
        glGenTextures(1, &SceneTexture);
        TextureWidth = TextureHeight = 0;
    }
    glBindTexture(GL_TEXTURE_2D, SceneTexture);
    if (width == TextureWidth && height == TextureHeight) return;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    TextureWidth = width;
    TextureHeight = height;
}

// The scene into the texture, its last column and row once more beyond it, so
// that filtering at the picture's right and top edges blends nothing foreign.
void CopyScene() {
    const int32_t x = PictureArea.left, y = PictureBottom();
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x, y, SceneWidth, SceneHeight);
    if (SceneWidth < TextureWidth)
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, SceneWidth, 0, x + SceneWidth - 1, y, 1, SceneHeight);
    if (SceneHeight < TextureHeight)
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, SceneHeight, x, y + SceneHeight - 1, SceneWidth, 1);
}

// The scene's texture over the whole picture, filtered; u and v are the
// scene's share of the texture.
void DrawSceneOverPicture(float u, float v) {
    SetPictureViewport();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glEnable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(u, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glTexCoord2f(u, v);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(0.0f, v);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

} // namespace

int32_t ScaledSide(int32_t side, float scale) {
    const double scaled = std::round(static_cast<double>(side) * scale);
    return scaled < 1.0 ? 1 : scaled > side ? side : static_cast<int32_t>(scaled);
}

void BeginScaledScene(float scale) {
    static bool hooked = false;
    if (!hooked) SetBeforeSwap(FinishScaledScene);
    hooked = true;
    Pending = IntoTarget = false;
    if (!(scale < 1.0f) || !(scale > 0.0f)) return;
    const int32_t width = ScaledSide(PictureArea.width, scale),
                  height = ScaledSide(PictureArea.height, scale);
    FrameScissored = glIsEnabled(GL_SCISSOR_TEST);
    glGetIntegerv(GL_SCISSOR_BOX, FrameScissor);
    IntoTarget = BindSceneTarget(width, height);
    if (!IntoTarget) {
        if (!FitsTexture(width, height)) return;
        glViewport(PictureArea.left, PictureBottom(), width, height);
        // The stretch covers the rest of the picture: clearing it too would be
        // wasted, and on a large screen the clear alone is a good part of the frame.
        glEnable(GL_SCISSOR_TEST);
        glScissor(PictureArea.left, PictureBottom(), width, height);
    }
    SceneWidth = width;
    SceneHeight = height;
    Pending = true;
    // Clear fog moves a rare pixel by one level, which a full-size picture must
    // keep; a smaller one is resampled anyway, and saves a tenth of its shading.
    FrameFogged = glIsEnabled(GL_FOG);
    if (FogDensity <= kClearFogDensity) glDisable(GL_FOG);
}

bool ScaledScenePending() {
    return Pending;
}

void FinishScaledScene() {
    if (!Pending) return;
    const bool fromTarget = IntoTarget;
    DropScaledScene();
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_CURRENT_BIT | GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT |
                 GL_POLYGON_BIT);
    // Cleared first: what is drawn after the scene lies in front of it, and the
    // stretch neither tests nor writes depth.
    glDepthMask(GL_TRUE);
    glClear(GL_DEPTH_BUFFER_BIT);
    if (fromTarget) {
        // On Mesa's software renderer a textured quad stretches the scene for
        // about a fifth less than a filtered framebuffer blit.
        if (BindSceneTargetTexture()) DrawSceneOverPicture(1.0f, 1.0f);
    } else {
        BindSceneTexture();
        CopyScene();
        DrawSceneOverPicture(static_cast<float>(SceneWidth) / static_cast<float>(TextureWidth),
                             static_cast<float>(SceneHeight) / static_cast<float>(TextureHeight));
    }
    glPopAttrib();
}

void DropScaledScene() {
    if (!Pending) return;
    Pending = false;
    if (IntoTarget) {
        UnbindSceneTarget();
        SetPictureViewport();
        IntoTarget = false;
    }
    glScissor(FrameScissor[0], FrameScissor[1], FrameScissor[2], FrameScissor[3]);
    if (!FrameScissored) glDisable(GL_SCISSOR_TEST);
    if (FrameFogged) glEnable(GL_FOG);
}
