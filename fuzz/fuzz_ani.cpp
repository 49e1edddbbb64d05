// Any bytes at all through the .ani reader, then every frame through playback
// onto models with too few and too many objects and vertices.
#include "assets/animation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

Model3D MakeModel(std::initializer_list<int> vertexCounts) {
    Model3D model;
    model.objectCount = static_cast<int32_t>(vertexCounts.size());
    for (int count : vertexCounts) {
        Object3D& object = model.objects.emplace_back();
        object.vertexCount = count;
        object.vertexArray =
            std::make_shared<std::vector<CVector3>>(static_cast<size_t>(count), CVector3{0, 0, 0});
    }
    return model;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Animation animation;
    const char* reason = nullptr;
    const bool accepted = ParseAnimation(reinterpret_cast<const char*>(data), size, animation, &reason);
    if (!accepted && (!reason || !animation.frames.empty())) std::abort();
    if (animation.frames.size() > static_cast<size_t>(kMaxAnimationFrames)) std::abort();
    for (const AnimFrame& frame : animation.frames) {
        if (frame.animObjects.size() > static_cast<size_t>(kMaxAnimationObjects)) std::abort();
        for (const AnimObject& object : frame.animObjects)
            if (object.vertices.size() > static_cast<size_t>(kMaxAnimationVertices)) std::abort();
    }

    Model3D small = MakeModel({1, 0});
    Model3D large = MakeModel({100, 100, 3, 100, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 100});
    for (int32_t frame = -1; frame <= kMaxAnimationFrames + 1; ++frame) {
        ApplyAnimationFrame(small, animation, frame);
        ApplyAnimationFrame(large, animation, frame);
    }
    return 0;
}
