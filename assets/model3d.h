// Models: the text .m3d meshes every level, character, prop and effect is made
// of. A loaded model keeps the lists as read and flat arrays built from them
// for drawing. Copies of a model share its draw arrays (animation writes
// through them), so the arrays live as long as any copy does.
#pragma once

#include "assets/texture.h"
#include "assets/vector.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Object3D {
    int32_t vertexCount = 0;
    int32_t indexCount = 0;
    bool hasTexture = false;
    int32_t materialId = 0;
    CVector3 center = {0, 0, 0};
    float size = 0.0f;
    // The exact box around the vertices as read, for culling what is drawn.
    CVector3 boxLow = {0, 0, 0};
    CVector3 boxHigh = {0, 0, 0};
    // Drawn with a texture whose name starts "Sky": a backdrop around the eye, not a solid thing.
    bool sky = false;
    std::vector<CVector3> vertices;
    std::vector<CVector2> texels;
    std::vector<CVector3> normals;
    std::vector<int32_t> indices;
    // Draw arrays, shared between copies of a model.
    std::shared_ptr<std::vector<CVector3>> vertexArray;
    std::shared_ptr<std::vector<CVector3>> normalArray;
    std::shared_ptr<std::vector<CVector2>> texelArray; // null when !hasTexture
    std::shared_ptr<std::vector<uint32_t>> indexArray;
};

struct Material3D {
    char fileName[256] = {};
    int32_t textureId = 0;
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
};

constexpr int kModelTextureSlots = 10;

struct Model3D {
    int32_t objectCount = 0;
    int32_t materialCount = 0;
    std::vector<Object3D> objects;
    std::vector<Material3D> materials;
    TextureImage textures[kModelTextureSlots] = {};
};

// Load a .m3d file into an empty model; false only when the file cannot be opened.
bool LoadModel3D(const char* fileName, Model3D& model);
// Read a .m3d text into an empty model without touching GL or files. The input
// is never trusted: counts only say how much to try to read, so a model holds
// what the text really contains and every index stays inside its object. When
// textureNames is given, entry i receives the file to load into texture slot i
// ("Textures/<name>"), or "" when slot i has nothing to load. Returns true when
// the text broke the format's rules and something had to be clipped.
bool ParseModel3D(const char* text, size_t size, Model3D& model, std::vector<std::string>* textureNames);
// Draw every object of a model with the current matrices.
void DrawModel3D(const Model3D& model);
// While false, drawing a model does nothing at all: for frames nobody sees.
extern bool ModelDrawingOn;
// Compute each object's centre and size for the frustum test of collision.
void PrepareModelBounds(Model3D& model);

// Planes (a, b, c, d) with unit normals pointing into the volume they bound.
using CullPlane = float[4];
constexpr int kCullPlanes = 6;
// Tell whether some of the box lies within margin of the inner side of every plane.
bool BoxInsidePlanes(const CVector3& low, const CVector3& high, const CullPlane* planes, float margin);
// Draw the objects of a level model whose boxes the six planes keep; null planes keep every one.
// Sky objects are left out.
void DrawLevelModel(const Model3D& model, const CullPlane* planes);
// Draw only the sky objects of a model, with whatever state the caller set for them.
void DrawModelSky(const Model3D& model);
// Take the sky objects out of a model (collision has no use for them).
void RemoveSkyObjects(Model3D& model);
