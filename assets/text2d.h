// Text and 2D overlay drawing: a printf-style printer over the bitmap fonts,
// a shadowed variant, the switch into and out of a pixel projection, and the
// flat quads that boxes, panels, icons and bars are made of.
#pragma once

#include "assets/screen_area.h"

#include <cstdarg>
#include <cstddef>
#include <cstdint>

// Display-list bases of the two bitmap fonts, built with the render context.
extern uint32_t ArialFontBase;
extern uint32_t TimesFontBase;

// One printed text holds at most 255 characters.
constexpr size_t kTextBufferSize = 256;

struct TextPoint {
    int32_t x;
    int32_t y;
};

// Format into the print buffer, cutting what does not fit. Returns the length
// kept (0..255), or -1 with an empty buffer when there is no format.
int32_t FormatTextV(char (&buffer)[kTextBufferSize], const char* format, va_list args);
int32_t FormatText(char (&buffer)[kTextBufferSize], const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Window position, from the bottom-left, of the raster origin for text at
// layout pixel (x, y): one pixel left, the baseline one font height (a 32nd
// of the layout width) below y.
TextPoint TextRasterOrigin(int32_t x, int32_t y);
// How far the drop shadow sits right and down of the text.
TextPoint ShadowTextOffset(int32_t screenWidth, int32_t screenHeight);

// Print formatted text with a font's display lists in the current colour, at
// layout pixels (from the layout area's top-left). Works in any projection; leaves matrices,
// viewport and list base as they were.
void PrintText(uint32_t fontBase, int32_t x, int32_t y, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
// Print black then white on top, offset by ShadowTextOffset; the colour is left white.
void PrintShadowText(uint32_t fontBase, int32_t x, int32_t y, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// Save the projection and set one with (left, top) and (right, bottom) as the
// layout area's corners; the picture beyond the area continues the same scale.
void OrthoMode(int32_t left, int32_t top, int32_t right, int32_t bottom);
// Restore the projection OrthoMode saved and select the model-view matrix.
void PerspectiveMode();

void DrawTexturedQuad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                      uint32_t texture);
// The same quad with a normal towards the viewer, for use with lighting on.
void DrawLitTexturedQuad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                         uint32_t texture);
// A menu panel: the console texture, lit, over the rectangle from (x1, y1) to (x2, y2).
void DrawMenuPanel(float x1, float y1, float x2, float y2);
// A white panel with its texture turned a quarter; leaves texturing off.
void DrawPanel(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
               uint32_t texture);
// Untextured: green to blue when `green`, else blue to red, from corners 1-2 to 3-4; leaves texturing on.
void DrawGradientQuad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                      bool green);
// One texture coordinate and 2D vertex inside a quad the caller began.
void TexturedVertex2D(float x, float y, float u, float v);
