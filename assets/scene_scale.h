// The 3D scene drawn at a fraction of the picture's size, then stretched over
// the picture with filtering, for machines that cannot shade every pixel in
// time. Whatever 2D follows is drawn at full size and stays sharp.
#pragma once

#include <cstdint>

// A side of the smaller scene: never under one pixel.
int32_t ScaledSide(int32_t side, float scale);

// Before a frame whose 3D comes first: below 1, the scene is drawn at that
// fraction of the picture's size, into a texture of its own where the context
// can, else into the picture's lower-left corner. At 1 nothing changes.
void BeginScaledScene(float scale);
// True between a smaller scene's start and its stretch.
bool ScaledScenePending();
// Stretch a scene begun smaller over the picture and clear the depth for what
// follows; nothing when there is none. The first 2D drawing and the buffer
// swap call it, so a frame needs no call of its own.
void FinishScaledScene();
// Forget a smaller scene: the frame drew its 3D another way (the battle capture).
void DropScaledScene();
