// Vector arithmetic and affine transforms for building meshes.
#pragma once

#include "assets/vector.h"

#include <cmath>

constexpr float kPi = 3.14159265358979f;

inline float Radians(float degrees) {
    return degrees * (kPi / 180.0f);
}

inline float Length(CVector3 a) {
    return std::sqrt(Dot(a, a));
}
// A zero vector stays zero instead of turning into NaNs.
inline CVector3 Normalize(CVector3 a) {
    float len = Length(a);
    return len > 1e-12f ? a * (1.0f / len) : CVector3{0, 0, 0};
}
inline CVector3 Lerp(CVector3 a, CVector3 b, float t) {
    return a + (b - a) * t;
}

// Row-major 3x4 matrix: a linear part and a translation in the last column.
struct Affine {
    float m[3][4];
};

Affine IdentityAffine();
Affine Translation(CVector3 offset);
Affine Scaling(CVector3 factors);
Affine RotationX(float degrees);
Affine RotationY(float degrees);
Affine RotationZ(float degrees);
// Euler angles in degrees, applied about x first, then z, then y (yaw outermost).
Affine RotationXZY(CVector3 degrees);
// Rotation about an axis through a point.
Affine RotationAbout(CVector3 point, CVector3 degrees);
// a * b applies b first.
Affine operator*(const Affine& a, const Affine& b);
CVector3 TransformPoint(const Affine& t, CVector3 p);
// Normals go through the inverse transpose so non-uniform scales keep them perpendicular.
CVector3 TransformNormal(const Affine& t, CVector3 n);
// Negative for a mirroring transform, whose triangles must change winding.
float Determinant(const Affine& t);
