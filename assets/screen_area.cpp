#include "assets/screen_area.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

int32_t WindowWidth = 1024;
int32_t WindowHeight = 768;
ScreenRect PictureArea = {0, 0, 1024, 768};
ScreenRect LayoutArea = {0, 0, 1024, 768};
uint8_t PillarboxFlag = 0;

namespace {

// The unit square sits at this depth, and is this wide, in front of the eye.
constexpr double kUnitSquareDepth = 1.2;
constexpr double kUnitSquareWidth = 1.36;
constexpr double kFieldOfView = 45.0;
constexpr double kNearPlane = 0.5;
constexpr double kFarPlane = 1000.0;
// The classic picture placed the square with these very floats.
static_assert(static_cast<float>(-kUnitSquareWidth / 2) == -0.68f &&
              static_cast<float>(-kUnitSquareDepth) == -1.2f &&
              static_cast<float>(kUnitSquareWidth) == 1.36f);

} // namespace

ScreenRect LargestFourThree(int32_t width, int32_t height) {
    if (width < 1) width = 1;
    if (height < 1) height = 1;
    // 64-bit: 4 * height overflows for absurd sizes.
    int64_t w = width;
    int64_t h = height;
    if (w * 3 > h * 4)
        w = h * 4 / 3;
    else
        h = w * 3 / 4;
    if (w < 1) w = 1;
    if (h < 1) h = 1;
    return {static_cast<int32_t>((width - w) / 2), static_cast<int32_t>((height - h) / 2),
            static_cast<int32_t>(w), static_cast<int32_t>(h)};
}

void SetWindowSize(int32_t width, int32_t height) {
    WindowWidth = width < 1 ? 1 : width;
    WindowHeight = height < 1 ? 1 : height;
    const ScreenRect area = LargestFourThree(WindowWidth, WindowHeight);
    PictureArea = PillarboxFlag ? area : ScreenRect{0, 0, WindowWidth, WindowHeight};
    LayoutArea = area;
}

int32_t PictureBottom() {
    return WindowHeight - PictureArea.top - PictureArea.height;
}

bool PictureIsLayout() {
    return PictureArea.left == LayoutArea.left && PictureArea.top == LayoutArea.top &&
           PictureArea.width == LayoutArea.width && PictureArea.height == LayoutArea.height;
}

void PictureViewport(int32_t viewport[4]) {
    viewport[0] = PictureArea.left;
    viewport[1] = PictureBottom();
    viewport[2] = PictureArea.width;
    viewport[3] = PictureArea.height;
}

LayoutPoint LayoutPointOfWindow(int32_t column, int32_t row) {
    return {column - LayoutArea.left, WindowHeight - LayoutArea.top - row};
}

int64_t WindowColumnOfLayoutX(int64_t x) {
    return x + LayoutArea.left;
}

int64_t WindowRowOfLayoutY(int64_t y) {
    return int64_t{WindowHeight} - LayoutArea.top - y;
}

int32_t FontCellHeight() {
    return FontCellHeightFor(LayoutArea.width);
}

int32_t FontCellHeightFor(int32_t layoutWidth) {
    return layoutWidth / 32;
}

int32_t PowerOfTwoAtLeast(int32_t n) {
    int32_t p = 1;
    while (p < n && p < kLargestScreenSide) p <<= 1;
    return p;
}

AreaBounds PictureInLayout() {
    return {static_cast<double>(PictureArea.left - LayoutArea.left),
            static_cast<double>(PictureArea.top - LayoutArea.top),
            static_cast<double>(PictureArea.left + PictureArea.width - LayoutArea.left),
            static_cast<double>(PictureArea.top + PictureArea.height - LayoutArea.top)};
}

AreaBounds PictureInUnitSquare() {
    // The layout area spans clip x and y from -1 to 1; the picture reaches past it.
    const AreaBounds p = PictureInLayout();
    const double w = LayoutArea.width, h = LayoutArea.height;
    const double clipLeft = 2.0 * p.left / w - 1.0, clipRight = 2.0 * p.right / w - 1.0;
    const double clipTop = 1.0 - 2.0 * p.top / h, clipBottom = 1.0 - 2.0 * p.bottom / h;
    const double halfHeight = kUnitSquareDepth * std::tan(kFieldOfView * M_PI / 360.0);
    const double halfWidth = halfHeight * w / h;
    const auto u = [&](double clip) { return (clip * halfWidth) / kUnitSquareWidth + 0.5; };
    const auto v = [&](double clip) { return clip * halfHeight + 0.5; };
    return {u(clipLeft), v(clipTop), u(clipRight), v(clipBottom)};
}

void SetPictureViewport() {
    int32_t viewport[4];
    PictureViewport(viewport);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
}

void LoadGamePerspective() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (!PictureIsLayout()) {
        // Squeeze the layout area's view into its place in the picture; the rest shows more world.
        const AreaBounds p = PictureInLayout();
        const double sx = LayoutArea.width / (p.right - p.left);
        const double sy = LayoutArea.height / (p.bottom - p.top);
        const double tx = (LayoutArea.width - p.left - p.right) / (p.right - p.left);
        const double ty = (p.top + p.bottom - LayoutArea.height) / (p.bottom - p.top);
        const GLdouble squeeze[16] = {sx, 0, 0, 0, 0, sy, 0, 0, 0, 0, 1, 0, tx, ty, 0, 1};
        glMultMatrixd(squeeze);
    }
    gluPerspective(kFieldOfView, static_cast<double>(LayoutArea.width) / LayoutArea.height, kNearPlane,
                   kFarPlane);
    glMatrixMode(GL_MODELVIEW);
}

void BeginPictureFrame() {
    glDisable(GL_SCISSOR_TEST);
    if (PictureArea.width == WindowWidth && PictureArea.height == WindowHeight) return;
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glPopAttrib();
    glEnable(GL_SCISSOR_TEST);
    glScissor(PictureArea.left, PictureBottom(), PictureArea.width, PictureArea.height);
}

void EnterUnitSquare() {
    glTranslatef(static_cast<float>(-kUnitSquareWidth / 2), -0.5f, static_cast<float>(-kUnitSquareDepth));
    glScalef(static_cast<float>(kUnitSquareWidth), 1.0f, 1.0f);
}

void EnterPictureSquare() {
    EnterUnitSquare();
    if (PictureIsLayout()) return;
    const float sx = static_cast<float>(PictureArea.width) / static_cast<float>(LayoutArea.width);
    const float sy = static_cast<float>(PictureArea.height) / static_cast<float>(LayoutArea.height);
    glTranslatef(0.5f, 0.5f, 0.0f);
    glScalef(sx, sy, 1.0f);
    glTranslatef(-0.5f, -0.5f, 0.0f);
}
