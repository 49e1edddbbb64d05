// The mesh builder: geometry pieces made from primitives, placed with affine
// transforms and merged into the objects of a model, each object with one
// material; and the writer of the game's text model format.
#pragma once

#include "content/geometry.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct DataWriter;

struct MeshVertex {
    CVector3 position;
    CVector3 normal;
    CVector2 texel;
};

// Triangles are counter-clockwise seen from the side their normals face, which
// is the side the game's back-face culling keeps.
struct Geometry {
    std::vector<MeshVertex> vertices;
    std::vector<std::array<int32_t, 3>> triangles;
};

struct MeshMaterial {
    std::string texture; // file name below Textures/, empty for a plain colour
    uint8_t red = 255, green = 255, blue = 255;
};

struct MeshObject {
    std::string name;
    Geometry geometry;
    int32_t material = 0;
};

struct Mesh {
    std::vector<MeshObject> objects;
    std::vector<MeshMaterial> materials;
};

// Primitives. texelsPerUnit sets how often a texture repeats per unit of surface.
// A box centred on the origin, flat-shaded.
Geometry MakeBox(CVector3 size, float texelsPerUnit = 1.0f);
// A tube standing on the origin along +y; caps close its ends. A top radius of 0 is a cone.
Geometry MakeCylinder(float bottomRadius, float topRadius, float height, int segments, bool caps,
                      float texelsPerUnit = 1.0f);
Geometry MakeCone(float radius, float height, int segments, bool cap = true);
// A sphere centred on the origin, smooth-shaded, texture wrapped once around.
Geometry MakeSphere(float radius, int rings, int segments);
// A prism from a simple polygon in the x-z plane (either winding, convex or not)
// between two heights, with flat walls and both caps.
Geometry MakeExtrusion(const std::vector<CVector2>& outline, float bottom, float top,
                       float texelsPerUnit = 1.0f);
// A terrain grid over [x0, x1] x [z0, z1] whose height comes from a function of x and z.
Geometry MakeHeightfield(float x0, float z0, float x1, float z1, int cellsX, int cellsZ,
                         const std::function<float(float, float)>& height, float texelsPerUnit = 1.0f);
// A flat rectangle in the x-y plane facing +z, centred on the origin; two-sided
// when asked (for cards seen from both sides, such as leaves).
Geometry MakeQuad(float width, float height, bool twoSided = false);

// Operations on geometry.
void Transform(Geometry& geometry, const Affine& transform);
Geometry Transformed(Geometry geometry, const Affine& transform);
void Append(Geometry& target, const Geometry& source);
// Texture coordinates projected along each face's main axis, for walls and rocks.
void BoxMapTexels(Geometry& geometry, float texelsPerUnit);
void ScaleTexels(Geometry& geometry, float u, float v);
// Adds a triangle, ordering its corners so that it faces along the hint.
void AddTriangleFacing(Geometry& geometry, int32_t a, int32_t b, int32_t c, CVector3 facing);

// Mesh assembly.
int32_t AddMaterial(Mesh& mesh, const std::string& texture, uint8_t red, uint8_t green, uint8_t blue);
MeshObject& AddObject(Mesh& mesh, const std::string& name, int32_t material, Geometry geometry = {});
void GetBounds(const Mesh& mesh, CVector3& low, CVector3& high);

// Formats a number the way every text file of the game's data is written.
std::string FormatFloat(float value);

// Writes the text model; false with a reason when the mesh breaks the format's
// rules (indices outside an object, a material out of range, a texture named
// past the tenth material or with white space in its name).
bool WriteModel3D(const Mesh& mesh, std::string& text, std::string* error);
// Writes the model into the data folder, or records why it could not.
void WriteMesh(DataWriter& w, const std::string& path, const Mesh& mesh);
