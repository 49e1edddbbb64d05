#include "assets/text2d.h"

#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/saturate.h"
#include "assets/scene_scale.h"
#include "assets/screen_area.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

uint32_t ArialFontBase = 0;
uint32_t TimesFontBase = 0;

namespace {

void PlaceRaster(int32_t x, int32_t y) {
    FinishScaledScene();
    const TextPoint origin = TextRasterOrigin(x, y);
    glPushAttrib(GL_TRANSFORM_BIT | GL_VIEWPORT_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    // A zero-sized viewport maps the origin straight onto its corner, so no 2D projection is needed.
    glViewport(origin.x, origin.y, 0, 0);
    glRasterPos4f(0.0f, 0.0f, 0.0f, 1.0f);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

} // namespace

int32_t FormatTextV(char (&buffer)[kTextBufferSize], const char* format, va_list args) {
    buffer[0] = '\0';
    if (!format) return -1;
    const int written = std::vsnprintf(buffer, kTextBufferSize, format, args);
    if (written < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return std::min<int32_t>(written, static_cast<int32_t>(kTextBufferSize - 1));
}

int32_t FormatText(char (&buffer)[kTextBufferSize], const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int32_t length = FormatTextV(buffer, format, args);
    va_end(args);
    return length;
}

TextPoint TextRasterOrigin(int32_t x, int32_t y) {
    // The raster stands at the glyphs' baseline, a cell below the text's top.
    return {Saturate(WindowColumnOfLayoutX(x) - 1), Saturate(WindowRowOfLayoutY(y) - FontCellHeight() - 1)};
}

TextPoint ShadowTextOffset(int32_t screenWidth, int32_t screenHeight) {
    return {static_cast<int32_t>(screenWidth / 204.8), static_cast<int32_t>(screenHeight / 256.0)};
}

void PrintText(uint32_t fontBase, int32_t x, int32_t y, const char* format, ...) {
    if (!format) return;
    char text[kTextBufferSize];
    va_list args;
    va_start(args, format);
    const int32_t length = FormatTextV(text, format, args);
    va_end(args);

    PlaceRaster(x, y);
    glPushAttrib(GL_LIST_BIT);
    glListBase(fontBase);
    glCallLists(length, GL_UNSIGNED_BYTE, text);
    glPopAttrib();
}

void PrintShadowText(uint32_t fontBase, int32_t x, int32_t y, const char* format, ...) {
    if (!format) return;
    char text[kTextBufferSize];
    va_list args;
    va_start(args, format);
    FormatTextV(text, format, args);
    va_end(args);

    const TextPoint offset = ShadowTextOffset(LayoutArea.width, LayoutArea.height);
    glColor3f(0.0f, 0.0f, 0.0f);
    PrintText(fontBase, Saturate(int64_t{x} + offset.x), Saturate(int64_t{y} + offset.y), "%s", text);
    glColor3f(1.0f, 1.0f, 1.0f);
    PrintText(fontBase, x, y, "%s", text);
}

void OrthoMode(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    FinishScaledScene();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // The corners name the layout area; the picture around it extends the same scale.
    const AreaBounds p = PictureInLayout();
    const double sx = static_cast<double>(right - left) / LayoutArea.width;
    const double sy = static_cast<double>(bottom - top) / LayoutArea.height;
    if (PictureIsLayout())
        glOrtho(left, right, bottom, top, 0.0, 1.0);
    else
        glOrtho(left + p.left * sx, left + p.right * sx, top + p.bottom * sy, top + p.top * sy, 0.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void PerspectiveMode() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

namespace {

void TexturedQuad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                  uint32_t texture, bool facingViewer) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    if (facingViewer) glNormal3f(0.0f, 0.0f, 1.0f);
    TexturedVertex2D(x1, y1, 0.0f, 0.0f);
    TexturedVertex2D(x2, y2, 1.0f, 0.0f);
    TexturedVertex2D(x3, y3, 1.0f, 1.0f);
    TexturedVertex2D(x4, y4, 0.0f, 1.0f);
    glEnd();
}

} // namespace

void DrawTexturedQuad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                      uint32_t texture) {
    TexturedQuad(x1, y1, x2, y2, x3, y3, x4, y4, texture, false);
}

void DrawLitTexturedQuad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                         uint32_t texture) {
    TexturedQuad(x1, y1, x2, y2, x3, y3, x4, y4, texture, true);
}

void DrawPanel(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
               uint32_t texture) {
    // Colour material off so the panel texture shows in its own colours whatever colour was current.
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    TexturedVertex2D(x1, y1, 0.0f, 1.0f);
    TexturedVertex2D(x2, y2, 0.0f, 0.0f);
    TexturedVertex2D(x3, y3, 1.0f, 0.0f);
    TexturedVertex2D(x4, y4, 1.0f, 1.0f);
    glEnd();
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
}

void DrawGradientQuad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                      bool green) {
    glDisable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    if (green)
        glColor3f(0.0f, 1.0f, 0.0f);
    else
        glColor3f(0.0f, 0.0f, 1.0f);
    glVertex2f(x1, y1);
    glVertex2f(x2, y2);
    if (green)
        glColor3f(0.0f, 0.0f, 1.0f);
    else
        glColor3f(1.0f, 0.0f, 0.0f);
    glVertex2f(x3, y3);
    glVertex2f(x4, y4);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

void TexturedVertex2D(float x, float y, float u, float v) {
    glTexCoord2f(u, v);
    glVertex2f(x, y);
}

void DrawMenuPanel(float x1, float y1, float x2, float y2) {
    DrawLitTexturedQuad(x1, y1, x2, y1, x2, y2, x1, y2, PanelTexture.texName);
}
