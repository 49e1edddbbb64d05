// The field frame: the level, its villagers and chests, the hero, the exits and
// the dialogue box, drawn from the one camera once per frame.
#pragma once

#include "assets/texture.h"

#include <cstdint>

// The field picture the shatter breaks: the lower-left square of this size.
constexpr int32_t kBattleCaptureSize = 512;

// The battle's take-over, called by the field frame that found a battle asked
// for. The battle sits above the field, so the shell points this at it.
extern void (*StartBattleFromField)();

// Level objects wholly outside the view are not drawn, and the hero and the
// villagers are drawn before the level; off only to compare pictures.
extern bool FieldDrawShortcuts;

// Copy the lower-left width x height pixels into the texture as RGB, then give
// the whole window back to drawing.
void CaptureScreen(TextureImage& texture, int32_t width, int32_t height);
// The capture's side: 512, or the largest power of two that a smaller picture holds.
int32_t BattleCaptureSize();
// One frame of field mode, ending with the buffer swap.
void FieldFrame();
