// Keeping the hero on the ground and out of walls. The hero is one sphere
// riding under the camera's view point; every triangle it touches pushes hero
// and camera back out along the triangle's normal. There is no floor query:
// each step lets both fall a little and the floor pushes them back up.
#pragma once

#include "assets/model3d.h"
#include "assets/vector.h"

#include <algorithm>
#include <cstdint>
#include <vector>

constexpr float CollisionRadius = 0.7f;
// The sphere's centre sits this far above the hero's feet.
constexpr float CollisionLift = 0.5f;
// How far hero and camera drop before every walking step's collision.
constexpr float FallPerStep = 0.3f;

// Centre of the hero's sphere from the current camera and hero.
CVector3 CollisionSphereCentre();

// Fall, then push hero and camera out of every visible triangle of the model.
void CollideWithLevel(const Model3D& model);
// Push hero and camera out of the box model standing at (x, y, z); no fall, no frustum test.
void CollideWithBox(const Model3D& box, float x, float y, float z);

// Push the hero out of the box at every villager, then every chest. Works on any
// records with a Position; counts beyond an array's length are cut to it.
template <class Villager, class Chest>
void CollideWithProps(const Model3D& box, const std::vector<Villager>& villagers, int32_t villagerCount,
                      const std::vector<Chest>& chests, int32_t chestCount) {
    const size_t villagerEnd = std::min(villagers.size(), static_cast<size_t>(std::max(villagerCount, 0)));
    for (size_t i = 0; i < villagerEnd; ++i) {
        const CVector3& p = villagers[i].Position;
        CollideWithBox(box, p.x, p.y, p.z);
    }
    const size_t chestEnd = std::min(chests.size(), static_cast<size_t>(std::max(chestCount, 0)));
    for (size_t i = 0; i < chestEnd; ++i) {
        const CVector3& p = chests[i].Position;
        CollideWithBox(box, p.x, p.y, p.z);
    }
}

// Geometry of spheres and triangles; all in 32-bit floats, with square roots
// and arc cosines taken in double precision.

enum SphereSide : int32_t { SphereBehind = 0, SphereIntersects = 1, SphereInFront = 2 };

// Unit normal of (p0, p1, p2); (0, 0, 0) for a triangle without area.
CVector3 PolygonNormal(const CVector3 triangle[3]);
// Where the sphere lies against the plane through point with this normal; distance is signed.
int32_t ClassifySphere(const CVector3& centre, const CVector3& normal, const CVector3& point, float radius,
                       float& distance);
// How far to move a sphere at this signed distance so that it just touches the plane.
CVector3 CollisionOffset(const CVector3& normal, float radius, float distance);
// Does the sphere touch the triangle (count is 3, or the polygon's vertex count)?
bool SpherePolygonCollision(const CVector3* polygon, const CVector3& centre, int32_t count, float radius);
// Is a point in the polygon's plane inside it (edges count as inside)?
bool InsidePolygon(const CVector3& point, const CVector3* polygon, int32_t count);
// Does the sphere come closer than radius to any edge of the polygon?
bool EdgeSphereCollision(const CVector3& centre, const CVector3* polygon, int32_t count, float radius);
// The point of segment a..b closest to p.
CVector3 ClosestPointOnLine(const CVector3& a, const CVector3& b, const CVector3& p);
// Angle in radians between two vectors; 0 when either has no length.
double AngleBetweenVectors(const CVector3& u, const CVector3& v);
