#include "content/geometry.h"

Affine IdentityAffine() {
    return {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}}};
}

Affine Translation(CVector3 o) {
    return {{{1, 0, 0, o.x}, {0, 1, 0, o.y}, {0, 0, 1, o.z}}};
}

Affine Scaling(CVector3 f) {
    return {{{f.x, 0, 0, 0}, {0, f.y, 0, 0}, {0, 0, f.z, 0}}};
}

Affine RotationX(float degrees) {
    float c = std::cos(Radians(degrees)), s = std::sin(Radians(degrees));
    return {{{1, 0, 0, 0}, {0, c, -s, 0}, {0, s, c, 0}}};
}

Affine RotationY(float degrees) {
    float c = std::cos(Radians(degrees)), s = std::sin(Radians(degrees));
    return {{{c, 0, s, 0}, {0, 1, 0, 0}, {-s, 0, c, 0}}};
}

Affine RotationZ(float degrees) {
    float c = std::cos(Radians(degrees)), s = std::sin(Radians(degrees));
    return {{{c, -s, 0, 0}, {s, c, 0, 0}, {0, 0, 1, 0}}};
}

Affine RotationXZY(CVector3 d) {
    return RotationY(d.y) * RotationZ(d.z) * RotationX(d.x);
}

Affine RotationAbout(CVector3 point, CVector3 degrees) {
    return Translation(point) * RotationXZY(degrees) * Translation(-point);
}

Affine operator*(const Affine& a, const Affine& b) {
    Affine r{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = j == 3 ? a.m[i][3] : 0.0f;
            for (int k = 0; k < 3; ++k) sum += a.m[i][k] * b.m[k][j];
            r.m[i][j] = sum;
        }
    }
    return r;
}

CVector3 TransformPoint(const Affine& t, CVector3 p) {
    return {t.m[0][0] * p.x + t.m[0][1] * p.y + t.m[0][2] * p.z + t.m[0][3],
            t.m[1][0] * p.x + t.m[1][1] * p.y + t.m[1][2] * p.z + t.m[1][3],
            t.m[2][0] * p.x + t.m[2][1] * p.y + t.m[2][2] * p.z + t.m[2][3]};
}

CVector3 TransformNormal(const Affine& t, CVector3 n) {
    // The cofactor matrix is the inverse transpose times the determinant; only
    // the determinant's sign matters once the result is normalised.
    const auto& m = t.m;
    float c[3][3];
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            int i1 = (i + 1) % 3, i2 = (i + 2) % 3, j1 = (j + 1) % 3, j2 = (j + 2) % 3;
            c[i][j] = m[i1][j1] * m[i2][j2] - m[i1][j2] * m[i2][j1];
        }
    }
    float det = m[0][0] * c[0][0] + m[0][1] * c[0][1] + m[0][2] * c[0][2];
    float sign = det < 0 ? -1.0f : 1.0f;
    return sign * Normalize({c[0][0] * n.x + c[0][1] * n.y + c[0][2] * n.z,
                             c[1][0] * n.x + c[1][1] * n.y + c[1][2] * n.z,
                             c[2][0] * n.x + c[2][1] * n.y + c[2][2] * n.z});
}

float Determinant(const Affine& t) {
    const auto& m = t.m;
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}
