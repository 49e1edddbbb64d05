#include "world/collision.h"

#include "assets/camera.h"
#include "assets/game_state.h"
#include "world/field_camera.h"

namespace {

// The three vertices of the triangle at index position first, moved by offset;
// false when the object's index list names a vertex it does not have.
bool FetchTriangle(const Object3D& object, size_t first, const CVector3& offset, CVector3 triangle[3]) {
    for (size_t k = 0; k < 3; ++k) {
        const int32_t index = object.indices[first + k];
        if (index < 0 || static_cast<size_t>(index) >= object.vertices.size()) return false;
        const CVector3& v = object.vertices[static_cast<size_t>(index)];
        triangle[k] = {v.x + offset.x, v.y + offset.y, v.z + offset.z};
    }
    return true;
}

// A cheap test that the sphere cannot touch the triangle. The margin is loose on
// purpose: a point more than twice the triangle's size beside it sees the triangle
// under far less than the angle InsidePolygon needs, so the exact test below
// would have said no as well.
bool ClearlyApart(const CVector3 triangle[3], const CVector3& centre) {
    const float loX = std::min({triangle[0].x, triangle[1].x, triangle[2].x});
    const float hiX = std::max({triangle[0].x, triangle[1].x, triangle[2].x});
    const float loY = std::min({triangle[0].y, triangle[1].y, triangle[2].y});
    const float hiY = std::max({triangle[0].y, triangle[1].y, triangle[2].y});
    const float loZ = std::min({triangle[0].z, triangle[1].z, triangle[2].z});
    const float hiZ = std::max({triangle[0].z, triangle[1].z, triangle[2].z});
    const float margin = CollisionRadius + 2.0f * ((hiX - loX) + (hiY - loY) + (hiZ - loZ));
    return centre.x < loX - margin || centre.x > hiX + margin || centre.y < loY - margin ||
           centre.y > hiY + margin || centre.z < loZ - margin || centre.z > hiZ + margin;
}

// Push hero and camera out of one triangle, from wherever the pushes before left them.
void PushOutOfTriangle(const CVector3 triangle[3]) {
    const CVector3 centre = CollisionSphereCentre();
    if (ClearlyApart(triangle, centre)) return;
    if (!SpherePolygonCollision(triangle, centre, 3, CollisionRadius)) return;
    const CVector3 n = PolygonNormal(triangle);
    float distance = 0.0f;
    ClassifySphere(centre, n, triangle[0], CollisionRadius, distance);
    const CVector3 offset = CollisionOffset(n, CollisionRadius, distance);
    for (CVector3* p : {&Camera.Position, &Camera.ViewPoint, &HeroPosition}) {
        p->x += offset.x;
        p->y += offset.y;
        p->z += offset.z;
    }
}

void CollideWithObject(const Object3D& object, const CVector3& offset) {
    const size_t end = std::min(object.indices.size(), static_cast<size_t>(std::max(object.indexCount, 0)));
    CVector3 triangle[3];
    for (size_t i = 0; i + 2 < end; i += 3) {
        if (FetchTriangle(object, i, offset, triangle)) PushOutOfTriangle(triangle);
    }
}

size_t ObjectEnd(const Model3D& model) {
    return std::min(model.objects.size(), static_cast<size_t>(std::max(model.objectCount, 0)));
}

} // namespace

CVector3 CollisionSphereCentre() {
    // The view point hangs straight above the hero, so its x and z are his.
    return {Camera.ViewPoint.x, HeroPosition.y + CollisionLift, Camera.ViewPoint.z};
}

void CollideWithLevel(const Model3D& model) {
    HeroPosition.y -= FallPerStep;
    Camera.Position.y -= FallPerStep;
    Camera.ViewPoint.y -= FallPerStep;
    if (PlayerHasControl == 0) return;

    const CVector3 noOffset = {0.0f, 0.0f, 0.0f};
    const size_t end = ObjectEnd(model);
    for (size_t i = 0; i < end; ++i) {
        const Object3D& object = model.objects[i];
        // Ground the camera cannot see does not hold the hero up.
        if (!CubeInFrustum(object.center.x, object.center.y, object.center.z, object.size * 0.5f)) continue;
        CollideWithObject(object, noOffset);
    }
}

void CollideWithBox(const Model3D& box, float x, float y, float z) {
    if (PlayerHasControl == 0) return;
    const CVector3 offset = {x, y, z};
    const size_t end = ObjectEnd(box);
    for (size_t i = 0; i < end; ++i) CollideWithObject(box.objects[i], offset);
}
