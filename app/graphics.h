// The rendering context, the fixed render state and the two bitmap fonts.
#pragma once

#include <cstdint>

// Set up the context, render state, the Arial font and the logo.
void InitGraphics();
// Choose the pixel format, create the context and set the render state.
void SetupRenderState(int width, int height);
// Reserve 256 display lists and fill them with a bold font of this cell height.
uint32_t BuildFont(const char* face, int cellHeight);
