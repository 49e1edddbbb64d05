// The rendering context, the fixed render state and the two bitmap fonts.
#pragma once

#include <cstdint>

// Set up the context, render state, the Arial font and the logo; false when
// no context could be made (the quit message is then posted).
bool InitGraphics();
// Choose the pixel format, create the context and set the render state.
bool SetupRenderState(int width, int height);
// Reserve 256 display lists and fill them with a bold font of this cell height.
uint32_t BuildFont(const char* face, int cellHeight);
