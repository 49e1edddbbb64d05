// Vertex animations (.ani): for every frame, the position of every vertex of
// every object of one model. Playing one copies a frame into the model's draw
// arrays; there is no skeleton, no blending and no timing in the file.
#pragma once

#include "assets/model3d.h"
#include "assets/vector.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct AnimObject {
    int32_t vertexCount = 0; // as the file claims
    std::vector<CVector3> vertices;
};

struct AnimFrame {
    int32_t objectCount = 0; // as the file claims
    std::vector<AnimObject> animObjects;
};

struct Animation {
    int32_t frameCount = 0; // as the file claims; frames holds what was actually read
    std::vector<AnimFrame> frames;
};

// The largest animation any model of the game needs; anything bigger is a broken file.
constexpr int32_t kMaxAnimationFrames = 35;
constexpr int32_t kMaxAnimationObjects = 15;
constexpr int32_t kMaxAnimationVertices = 100;

// Read an .ani text held in memory into `animation` (replacing what it held).
// A truncated or garbled file keeps everything read up to the first value that
// does not read. A file over the bounds is rejected: the animation is left empty,
// *rejectReason (when given) names the bound, and the result is false.
bool ParseAnimation(const char* text, size_t size, Animation& animation, const char** rejectReason = nullptr);

// Load an .ani file. False when it cannot be opened (the animation is untouched)
// or is rejected (logged, the animation left empty).
bool LoadAnimation(const char* fileName, Animation& animation);

// Copy one frame's positions into the model's vertex arrays. Only what both the
// model and the frame have is copied; a frame outside the loaded ones copies nothing.
void ApplyAnimationFrame(Model3D& model, const Animation& animation, int32_t frame);
