// The field frame: the level, its villagers and chests, the hero, the exits and
// the dialogue box, drawn from the one camera once per frame.
#pragma once

#include "assets/texture.h"

#include <cstdint>

// Copy the lower-left width x height pixels into the texture as RGB, then give
// the whole window back to drawing.
void CaptureScreen(TextureImage& texture, int32_t width, int32_t height);
// One frame of field mode, ending with the buffer swap.
void FieldFrame();
