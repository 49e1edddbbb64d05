// A texture with a depth buffer of its own that a smaller scene is drawn
// into, so that nothing has to be copied out of the window before it is
// stretched. Only where the context offers framebuffer objects (GL 3.0 or
// ARB_framebuffer_object) and textures of any size; elsewhere the scene is
// drawn into the window's corner and copied as before.
#pragma once

#include <cstdint>

// Draw from now on into a target of width x height (made or resized as
// needed), viewport and scissor covering it. False, with the window still
// drawn into, when the context cannot.
bool BindSceneTarget(int32_t width, int32_t height);
// Draw into the window again.
void UnbindSceneTarget();
// Bind the target's picture as the 2D texture, exactly its size and filtered,
// to be drawn over the picture; false when there is none.
bool BindSceneTargetTexture();
