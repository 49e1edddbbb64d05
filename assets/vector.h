// The two small vector types every subsystem shares, and their arithmetic.
#pragma once

struct CVector3 {
    float x, y, z;
};

struct CVector2 {
    float u, v;
};

static_assert(sizeof(CVector3) == 12);
static_assert(sizeof(CVector2) == 8);

inline CVector3 operator+(CVector3 a, CVector3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline CVector3 operator-(CVector3 a, CVector3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline CVector3 operator-(CVector3 a) {
    return {-a.x, -a.y, -a.z};
}
inline CVector3 operator*(CVector3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline CVector3 operator*(float s, CVector3 a) {
    return a * s;
}
inline float Dot(CVector3 a, CVector3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline CVector3 Cross(CVector3 a, CVector3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
