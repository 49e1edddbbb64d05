// Drawing models from their client arrays, and the per-object bounds that the
// collision code tests against the view frustum.
#include "assets/model3d.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The texture a textured object binds; 0 (no texture) when its material or
// slot number points outside the model.
GLuint TextureNameFor(const Model3D& model, const Object3D& object) {
    if (object.materialId < 0 || static_cast<size_t>(object.materialId) >= model.materials.size()) return 0;
    const int32_t slot = model.materials[static_cast<size_t>(object.materialId)].textureId;
    if (slot < 0 || slot >= kModelTextureSlots) return 0;
    return model.textures[slot].texName;
}

const Material3D* MaterialFor(const Model3D& model, const Object3D& object) {
    if (object.materialId < 0 || static_cast<size_t>(object.materialId) >= model.materials.size())
        return nullptr;
    return &model.materials[static_cast<size_t>(object.materialId)];
}

// Truncates toward zero like a plain int conversion, without its undefined
// cases: NaN counts as 0 and values past the int range saturate.
int64_t TruncatedMagnitude(float value) {
    if (std::isnan(value)) return 0;
    const float magnitude = std::fabs(value);
    if (magnitude >= 2147483648.0f) return INT32_MAX;
    return static_cast<int64_t>(magnitude);
}

} // namespace

namespace {

void DrawObject(const Model3D& model, const Object3D& object) {
    if (!ModelDrawingOn) return;
    // Arrays that do not cover the vertices they are drawn with are not handed to GL.
    if (!object.vertexArray || !object.normalArray || !object.indexArray) return;
    const size_t vertexCount = object.vertexArray->size();
    if (object.normalArray->size() < vertexCount) return;
    const bool textured = object.hasTexture && object.texelArray && object.texelArray->size() >= vertexCount;

    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, object.vertexArray->data());
    glEnableClientState(GL_NORMAL_ARRAY);
    glNormalPointer(GL_FLOAT, 0, object.normalArray->data());
    if (textured) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 0, object.texelArray->data());
        glColor3ub(255, 255, 255);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, TextureNameFor(model, object));
    } else {
        // Left on, the array would still point at an earlier object's
        // coordinates, which may be shorter than this object.
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisable(GL_TEXTURE_2D);
        glEnable(GL_COLOR_MATERIAL);
        if (const Material3D* material = MaterialFor(model, object))
            glColor3ub(static_cast<GLubyte>(material->red), static_cast<GLubyte>(material->green),
                       static_cast<GLubyte>(material->blue));
        else
            glColor3ub(255, 255, 255);
    }
    const size_t indexCount =
        object.indexCount > 0 ? std::min(static_cast<size_t>(object.indexCount), object.indexArray->size())
                              : 0;
    if (indexCount > 0)
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indexCount), GL_UNSIGNED_INT,
                       object.indexArray->data());
    glColor3f(1.0f, 1.0f, 1.0f);
}

// A box touching a plane is kept: rounding in the planes must never cost a visible pixel.
constexpr float kCullMargin = 0.01f;

} // namespace

bool ModelDrawingOn = true;

void DrawModel3D(const Model3D& model) {
    for (const Object3D& object : model.objects) DrawObject(model, object);
}

bool BoxInsidePlanes(const CVector3& low, const CVector3& high, const CullPlane* planes, float margin) {
    for (int i = 0; i < kCullPlanes; ++i) {
        const float* p = planes[i];
        // The corner furthest along the plane's normal; when even it lies outside, all of the box does.
        const float x = p[0] >= 0.0f ? high.x : low.x;
        const float y = p[1] >= 0.0f ? high.y : low.y;
        const float z = p[2] >= 0.0f ? high.z : low.z;
        if (p[0] * x + p[1] * y + p[2] * z + p[3] < -margin) return false;
    }
    return true;
}

void DrawLevelModel(const Model3D& model, const CullPlane* planes) {
    for (const Object3D& object : model.objects)
        if (!object.sky && (!planes || BoxInsidePlanes(object.boxLow, object.boxHigh, planes, kCullMargin)))
            DrawObject(model, object);
}

void DrawModelSky(const Model3D& model) {
    for (const Object3D& object : model.objects)
        if (object.sky) DrawObject(model, object);
}

void RemoveSkyObjects(Model3D& model) {
    std::erase_if(model.objects, [](const Object3D& object) { return object.sky; });
    model.objectCount = static_cast<int32_t>(model.objects.size());
}

void PrepareModelBounds(Model3D& model) {
    for (Object3D& object : model.objects) {
        const size_t count = object.vertexCount > 0
                                 ? std::min(static_cast<size_t>(object.vertexCount), object.vertices.size())
                                 : 0;
        object.center = {0, 0, 0};
        object.size = 0.0f;
        if (count == 0) continue;

        CVector3 sum = {0, 0, 0};
        for (size_t i = 0; i < count; ++i) {
            sum.x += object.vertices[i].x;
            sum.y += object.vertices[i].y;
            sum.z += object.vertices[i].z;
        }
        const float divisor = static_cast<float>(count);
        object.center = {sum.x / divisor, sum.y / divisor, sum.z / divisor};

        int64_t ex = 0, ey = 0, ez = 0;
        for (size_t i = 0; i < count; ++i) {
            const CVector3& v = object.vertices[i];
            ex = std::max(ex, TruncatedMagnitude(v.x - object.center.x));
            ey = std::max(ey, TruncatedMagnitude(v.y - object.center.y));
            ez = std::max(ez, TruncatedMagnitude(v.z - object.center.z));
        }
        object.size = static_cast<float>(2 * std::max({ex, ey, ez}));
    }
}
