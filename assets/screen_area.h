// Where the picture goes on the window. The 3D views fill the picture; every
// 2D layout is computed in a centred 4:3 area inside it, with (0, 0) at that
// area's top-left, so a 4:3 window keeps its one picture and a wider or taller
// one shows more of the world around the same menus and boxes.
#pragma once

#include <cstdint>

// Pixels from the window's top-left.
struct ScreenRect {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
};

// A rectangle in another unit (layout pixels or the unit square).
struct AreaBounds {
    double left;
    double top;
    double right;
    double bottom;
};

// No display or GL implementation reaches past this many pixels a side.
constexpr int32_t kLargestScreenSide = 16384;

// The window's drawable, in real pixels (not points on a HiDPI screen).
extern int32_t WindowWidth;
extern int32_t WindowHeight;
// The part of the window drawn into: all of it, or the 4:3 area with black bars.
extern ScreenRect PictureArea;
// The largest 4:3 rectangle inside the picture, centred.
extern ScreenRect LayoutArea;

// A 2D position or size: trunc(size / divisor) in double precision, so every
// layout scales with the area; LayoutX and LayoutY take the layout area's
// width and height, LayoutDiv a size given (a layout measured at any area).
inline int32_t LayoutDiv(int32_t size, double divisor) {
    return static_cast<int32_t>(size / divisor);
}
inline int32_t LayoutX(double divisor) {
    return LayoutDiv(LayoutArea.width, divisor);
}
inline int32_t LayoutY(double divisor) {
    return LayoutDiv(LayoutArea.height, divisor);
}

// Aspect=4:3 in Game.cfg: draw the picture, 3D included, in the 4:3 area only.
extern uint8_t PillarboxFlag;

// The largest 4:3 rectangle inside width x height, centred (each side at least 1).
ScreenRect LargestFourThree(int32_t width, int32_t height);
// Set the window's size and the areas that follow from it.
void SetWindowSize(int32_t width, int32_t height);
// The picture's lowest row counted from the window's bottom, as GL counts rows.
int32_t PictureBottom();
// The picture as a GL viewport: left, bottom row, width, height.
void PictureViewport(int32_t viewport[4]);
// A window point in GL's columns and rows (up from the bottom) as a layout point (down from the area's top).
struct LayoutPoint {
    int32_t x, y;
};
LayoutPoint LayoutPointOfWindow(int32_t column, int32_t row);
// Whether the picture is the layout area itself (a 4:3 window, or the classic picture).
bool PictureIsLayout();
// A layout x as a window column, and a layout y (down from the area's top) as
// the GL row of the window (up from its bottom), in 64 bits for any value.
int64_t WindowColumnOfLayoutX(int64_t x);
int64_t WindowRowOfLayoutY(int64_t y);
// The bitmap fonts' cell height for the layout area (Times New Roman; Arial's
// is twice it), and for a layout area of another width.
int32_t FontCellHeight();
int32_t FontCellHeightFor(int32_t layoutWidth);
// The smallest power of two at least n, for textures holding a copy of the screen.
int32_t PowerOfTwoAtLeast(int32_t n);

// The picture in layout pixels: where a full-screen 2D fill must reach.
AreaBounds PictureInLayout();
// The picture in the unit square the 2D quads are drawn in (see EnterUnitSquare), y up.
AreaBounds PictureInUnitSquare();

// The viewport for the whole picture, and the game's perspective: a 45 degree
// vertical field over the layout area, widened to whatever the picture adds.
void SetPictureViewport();
void LoadGamePerspective();
// Before a frame: black bars around a pillarboxed picture, and the frame's own
// drawing, clears included, kept inside the picture.
void BeginPictureFrame();
// Model-view for quads drawn in the unit square [0, 1] x [0, 1], which covers the layout area.
void EnterUnitSquare();
// The same square stretched about its middle to cover the whole picture, for
// full-screen pictures; on a 4:3 picture it is the unit square itself.
void EnterPictureSquare();
