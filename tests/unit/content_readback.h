// Built content read back the way the game reads it, for the content tests.
#pragma once

#include "assets/animation.h"
#include "assets/model3d.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

struct ReadObject {
    std::vector<CVector3> vertices, normals;
    std::vector<CVector2> texels;
    std::vector<int32_t> indices;
    int32_t material = -1;
};
struct ReadModel {
    std::vector<ReadObject> objects;
    std::vector<std::string> textures; // empty for a plain colour
    bool complete = false;
};

// Through the game's own reader; complete means nothing had to be clipped.
inline ReadModel ParseModel(const std::string& text) {
    Model3D model;
    ReadModel m;
    m.complete = !ParseModel3D(text.data(), text.size(), model, nullptr);
    for (const Object3D& o : model.objects)
        m.objects.push_back({o.vertices, o.normals, o.texels, o.indices, o.materialId});
    for (const Material3D& material : model.materials) m.textures.push_back(material.fileName);
    return m;
}

// The box round every vertex of a model read back.
inline void ReadBounds(const ReadModel& m, CVector3& low, CVector3& high) {
    low = {1e9f, 1e9f, 1e9f}, high = {-1e9f, -1e9f, -1e9f};
    for (const ReadObject& o : m.objects)
        for (const CVector3& v : o.vertices) {
            low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
            high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
        }
}

// Frames of objects of vertex positions.
using ReadAnimation = std::vector<std::vector<std::vector<CVector3>>>;

// Also through the game's reader, which keeps what it read of a cut file: every
// count the file claims must have been read in full.
inline bool ParseAnimation(const std::string& text, ReadAnimation& anim) {
    Animation read;
    if (!ParseAnimation(text.data(), text.size(), read) ||
        read.frames.size() != static_cast<size_t>(read.frameCount))
        return false;
    for (const AnimFrame& f : read.frames) {
        if (f.animObjects.size() != static_cast<size_t>(f.objectCount)) return false;
        anim.emplace_back();
        for (const AnimObject& o : f.animObjects) {
            if (o.vertices.size() != static_cast<size_t>(o.vertexCount)) return false;
            anim.back().push_back(o.vertices);
        }
    }
    return true;
}

// Sample i of a 16-bit WAV file.
inline int16_t Sample(const std::string& wav, size_t i) {
    return static_cast<int16_t>(static_cast<uint8_t>(wav[44 + 2 * i]) | static_cast<uint8_t>(wav[45 + 2 * i])
                                                                            << 8);
}
