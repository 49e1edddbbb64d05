#include "world/collision.h"

#include <cmath>

namespace {

// In double: the game's lengths are taken that way, and pushes depend on the last bit.
float Length(const CVector3& a) {
    return static_cast<float>(std::sqrt(static_cast<double>(Dot(a, a))));
}

// A full turn less 1 %, so that points on an edge still count as inside.
constexpr double kInsideAngleSum = 6.220353454107791;

} // namespace

CVector3 PolygonNormal(const CVector3 triangle[3]) {
    const CVector3 n = Cross(triangle[2] - triangle[0], triangle[1] - triangle[0]);
    const float length = Length(n);
    // No area, or coordinates so large that the length overflowed: no direction to push along.
    if (!(length > 0.0f) || !std::isfinite(length)) return {0.0f, 0.0f, 0.0f};
    return {n.x / length, n.y / length, n.z / length};
}

int32_t ClassifySphere(const CVector3& centre, const CVector3& normal, const CVector3& point, float radius,
                       float& distance) {
    const float d = -Dot(normal, point);
    distance = Dot(normal, centre) + d;
    if (std::fabs(distance) < radius) return SphereIntersects;
    if (distance >= radius) return SphereInFront;
    return SphereBehind;
}

CVector3 CollisionOffset(const CVector3& normal, float radius, float distance) {
    // A centre on or behind the plane is pushed on through to the back face.
    if (distance > 0.0f) return normal * (radius - distance);
    return normal * -(radius + distance);
}

bool SpherePolygonCollision(const CVector3* polygon, const CVector3& centre, int32_t count, float radius) {
    if (count < 3) return false;
    const CVector3 n = PolygonNormal(polygon);
    if (n.x == 0.0f && n.y == 0.0f && n.z == 0.0f) return false;
    const float distance = Dot(n, centre) - Dot(n, polygon[0]);
    if (!(std::fabs(distance) < radius)) return false;
    const CVector3 projected = centre - n * distance;
    if (InsidePolygon(projected, polygon, count)) return true;
    return EdgeSphereCollision(centre, polygon, count, radius);
}

bool InsidePolygon(const CVector3& point, const CVector3* polygon, int32_t count) {
    double angle = 0.0;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t next = (i + 1) % count;
        angle += AngleBetweenVectors(polygon[i] - point, polygon[next] - point);
    }
    return angle >= kInsideAngleSum;
}

bool EdgeSphereCollision(const CVector3& centre, const CVector3* polygon, int32_t count, float radius) {
    for (int32_t i = 0; i < count; ++i) {
        const CVector3 q = ClosestPointOnLine(polygon[i], polygon[(i + 1) % count], centre);
        if (Length(centre - q) < radius) return true;
    }
    return false;
}

CVector3 ClosestPointOnLine(const CVector3& a, const CVector3& b, const CVector3& p) {
    const CVector3 edge = b - a;
    const float length = Length(edge);
    // A zero-length edge is just its end point.
    if (!(length > 0.0f)) return a;
    const CVector3 w = {edge.x / length, edge.y / length, edge.z / length};
    const float t = Dot(w, p - a);
    if (t <= 0.0f) return a;
    if (t >= length) return b;
    return a + w * t;
}

double AngleBetweenVectors(const CVector3& u, const CVector3& v) {
    const float dot = Dot(u, v);
    const float magnitude = Length(u) * Length(v);
    if (!(magnitude > 0.0f)) return 0.0;
    const double angle = std::acos(static_cast<double>(dot / magnitude));
    // Float error can put the quotient just outside -1..1.
    if (std::isnan(angle)) return 0.0;
    return angle;
}
