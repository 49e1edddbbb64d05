#include "world/field_camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// GL's perspective and look-at matrices, column-major, from plain math.
void Perspective(float fovyDegrees, float aspect, float zNear, float zFar, float m[16]) {
    for (int i = 0; i < 16; ++i) m[i] = 0.0f;
    const float f = static_cast<float>(1.0 / std::tan(fovyDegrees * kPi / 360.0));
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (zFar + zNear) / (zNear - zFar);
    m[11] = -1.0f;
    m[14] = 2.0f * zFar * zNear / (zNear - zFar);
}

float Length(CVector3 v) {
    return std::sqrt(Dot(v, v));
}
CVector3 Normalised(CVector3 v) {
    return v * (1.0f / Length(v));
}

void LookAt(CVector3 eye, CVector3 centre, CVector3 up, float m[16]) {
    const CVector3 f = Normalised(centre - eye);
    const CVector3 s = Normalised(Cross(f, up));
    const CVector3 u = Cross(s, f);
    const float rows[3][3] = {{s.x, s.y, s.z}, {u.x, u.y, u.z}, {-f.x, -f.y, -f.z}};
    for (int i = 0; i < 16; ++i) m[i] = 0.0f;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) m[4 * c + r] = rows[r][c];
    m[12] = -Dot(s, eye);
    m[13] = -Dot(u, eye);
    m[14] = Dot(f, eye);
    m[15] = 1.0f;
}

float PlaneValue(const FrustumRecord& frustum, int side, CVector3 p) {
    const float* q = frustum.plane[side];
    return q[0] * p.x + q[1] * p.y + q[2] * p.z + q[3];
}

// The sides a point lies behind, as a bit set in plane order.
int SidesOutside(const FrustumRecord& frustum, CVector3 p) {
    int sides = 0;
    for (int side = 0; side < 6; ++side)
        if (PlaneValue(frustum, side, p) < 0.0f) sides |= 1 << side;
    return sides;
}

CameraRecord BehindHero(const CVector3& hero) {
    // The arrival cameras: view point 2.5 above the hero, eye 5 back and 2 above that.
    return {{hero.x, hero.y + 4.5f, hero.z + 5.0f}, {hero.x, hero.y + 2.5f, hero.z}, {0.0f, 1.0f, 0.0f}};
}

} // namespace

TEST(FieldCamera, MoveCamera) {
    // A walking step moves eye and view point by 1/25 of the horizontal view vector, never in y.
    CameraRecord camera = BehindHero({0.0f, 0.0f, 0.0f});
    MoveCamera(camera, WalkSpeed);
    EXPECT_LT(Length(camera.Position - CVector3{0, 4.5f, 4.8f}), 1e-6f);
    EXPECT_LT(Length(camera.ViewPoint - CVector3{0, 2.5f, -0.2f}), 1e-6f);
    MoveCamera(camera, -WalkSpeed);
    EXPECT_LT(Length(camera.Position - CVector3{0, 4.5f, 5}) +
                  Length(camera.ViewPoint - CVector3{0, 2.5f, 0}),
              1e-6f);
}

TEST(FieldCamera, RotateAroundPointEachAxis) {
    const float quarter = static_cast<float>(kPi / 2);
    CameraRecord camera = {{3.0f, 0.0f, 0.0f}, {7, 8, 9}, {0, 1, 0}};
    RotateAroundPoint(camera, 2.0f, 0.0f, 0.0f, 0.0f, quarter, 0.0f);
    EXPECT_LT(Length(camera.Position - CVector3{2, 0, 1}), 1e-6f);
    // Only the eye moves.
    EXPECT_TRUE(camera.ViewPoint.x == 7);
    EXPECT_TRUE(camera.UpVector.y == 1);
    // About x, about z, and two angles at once, both from the offset taken before either turn.
    const struct {
        CVector3 from;
        float x, y, z;
        CVector3 to;
    } turns[] = {{{0, 1, 0}, quarter, 0, 0, {0, 0, 1}},
                 {{1, 0, 0}, 0, 0, quarter, {0, -1, 0}},
                 {{1, 1, 0}, quarter, quarter, 0, {0, 0, 1}}};
    for (const auto& t : turns) {
        camera.Position = t.from;
        RotateAroundPoint(camera, 0, 0, 0, t.x, t.y, t.z);
        EXPECT_LT(Length(camera.Position - t.to), 1e-6f) << t.x << " " << t.y << " " << t.z;
    }
}

TEST(FieldCamera, MouseLookAtCentreChangesNothing) {
    const CVector3 hero = {1.0f, 2.0f, 3.0f};
    CameraRecord camera = BehindHero(hero);
    const CameraRecord before = camera;
    CVector3 rotation = {0.0f, 45.0f, 0.0f};
    EXPECT_FALSE(MouseLookStep(camera, hero, rotation, 512, 384, 512, 384));
    EXPECT_EQ(std::memcmp(&camera, &before, sizeof camera), 0);
    EXPECT_FLOAT_EQ(rotation.y, 45.0f);
}

TEST(FieldCamera, MouseLookTurnsHeroAndOrbitsCamera) {
    const CVector3 hero = {0.0f, 0.0f, 0.0f};
    CameraRecord camera = BehindHero(hero);
    CVector3 rotation = {0.0f, 10.0f, 0.0f};
    // 100 pixels left of the centre: 0.1 rad of turn, shown as degrees on the hero.
    EXPECT_TRUE(MouseLookStep(camera, hero, rotation, 512, 384, 412, 384));
    EXPECT_NEAR(rotation.y, 10.0f + 5.7296f, 1e-4f);
    // The eye orbits by -0.1 rad: from straight behind (+z) towards +x.
    EXPECT_LT(Length(camera.Position - CVector3{5 * std::sin(0.1f), 4.5f, 5 * std::cos(0.1f)}), 1e-5f);
    EXPECT_EQ(camera.ViewPoint.x, 0.0f);

    // Right of the centre turns the other way.
    camera = BehindHero(hero);
    rotation = {0.0f, 0.0f, 0.0f};
    MouseLookStep(camera, hero, rotation, 512, 384, 562, 384);
    EXPECT_NEAR(rotation.y, -2.8648f, 1e-4f);
    EXPECT_LT(camera.Position.x, 0.0f);
}

TEST(FieldCamera, MouseLookTiltAndItsLimits) {
    const CVector3 hero = {0.0f, 1.0f, 0.0f};
    CVector3 rotation = {};
    auto tilt = [&](float viewAboveHero, int pixelsUp) {
        CameraRecord camera = {{0.0f, 5.0f, 5.0f}, {0.0f, hero.y + viewAboveHero, 0.0f}, {0, 1, 0}};
        MouseLookStep(camera, hero, rotation, 512, 384, 512, 384 - pixelsUp);
        // The view pivots about the middle: whatever the view point gains, the eye loses.
        EXPECT_NEAR(camera.Position.y + camera.ViewPoint.y, 5.0f + hero.y + viewAboveHero, 1e-5f);
        return camera.ViewPoint.y - hero.y;
    };
    EXPECT_NEAR(tilt(2.5f, 100), 4.0f, 1e-5f);    // free range: 15 x 0.1
    EXPECT_NEAR(tilt(2.5f, -100), 1.0f, 1e-5f);   // moving the mouse down lowers the view
    EXPECT_NEAR(tilt(9.5f, 100), 10.0f, 1e-5f);   // 11 is pulled back by one
    EXPECT_NEAR(tilt(11.9f, 200), 8.9f, 1e-5f);   // 14.9, less one is still above 12: less five more
    EXPECT_NEAR(tilt(-2.5f, -100), -3.0f, 1e-5f); // -4 is pushed up by one
    EXPECT_NEAR(tilt(-4.9f, -100), -0.4f, 1e-5f); // -6.4, plus one is still below -5: plus five more
    EXPECT_FLOAT_EQ(rotation.y, 0.0f);            // straight up and down never turns
}

TEST(FieldCamera, FrustumPlanesInOrderForATurnedCamera) {
    float projection[16];
    float modelview[16];
    Perspective(45.0f, 4.0f / 3.0f, 0.5f, 1000.0f, projection);
    const CVector3 eye = {5.0f, 1.0f, -2.0f};
    LookAt(eye, {15.0f, 1.0f, -2.0f}, {0, 1, 0}, modelview); // looking along +x, so +z is right
    FrustumRecord frustum = {};
    FrustumFromMatrices(projection, modelview, frustum);

    for (const auto& p : frustum.plane)
        EXPECT_NEAR(std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]), 1.0f, 1e-5f);
    auto at = [&](float ahead, float up, float right) {
        return CVector3{eye.x + ahead, eye.y + up, eye.z + right};
    };
    EXPECT_EQ((std::vector{SidesOutside(frustum, at(50, 0, 0)), SidesOutside(frustum, at(50, 0, 80)),
                           SidesOutside(frustum, at(50, 0, -80)), SidesOutside(frustum, at(50, -30, 0)),
                           SidesOutside(frustum, at(50, 30, 0)), SidesOutside(frustum, at(1200, 0, 0)),
                           SidesOutside(frustum, at(0.2f, 0, 0))}),
              (std::vector{0, 1 << FrustumRight, 1 << FrustumLeft, 1 << FrustumBottom, 1 << FrustumTop,
                           1 << FrustumFar, 1 << FrustumNear}));
    // Normalised planes give true distances.
    EXPECT_NEAR(PlaneValue(frustum, FrustumNear, at(3.5f, 0, 0)), 3.0f, 1e-3f);
    EXPECT_NEAR(PlaneValue(frustum, FrustumFar, at(900, 0, 0)), 100.0f, 0.05f);
}

TEST(FieldCamera, FrustumWithoutMatricesStaysFinite) {
    const float zero[16] = {};
    FrustumRecord frustum = {};
    FrustumFromMatrices(zero, zero, frustum);
    for (const auto& p : frustum.plane)
        for (float v : p) EXPECT_TRUE(std::isfinite(v));
    // Nothing is in front of a plane without a direction, so nothing is tested against.
    EXPECT_FALSE(CubeInFrustum(0, 0, 0, 100, frustum));
}

TEST(FieldCamera, CubeInFrustum) {
    float projection[16];
    float modelview[16];
    Perspective(90.0f, 1.0f, 1.0f, 100.0f, projection);
    LookAt({0, 0, 0}, {0, 0, -1}, {0, 1, 0}, modelview);
    FrustumRecord frustum = {};
    FrustumFromMatrices(projection, modelview, frustum);

    EXPECT_TRUE(CubeInFrustum(0, 0, -10, 1, frustum));    // wholly inside
    EXPECT_FALSE(CubeInFrustum(0, 0, 10, 1, frustum));    // behind the eye
    EXPECT_FALSE(CubeInFrustum(0, 0, -200, 10, frustum)); // beyond the far plane
    EXPECT_TRUE(CubeInFrustum(0, 0, -105, 10, frustum));  // straddles the far plane
    EXPECT_TRUE(CubeInFrustum(0, 0, 3, 5, frustum));      // big enough to reach past the near plane
    EXPECT_FALSE(CubeInFrustum(30, 0, -10, 5, frustum));  // right of the view
    EXPECT_TRUE(CubeInFrustum(14, 0, -10, 5, frustum));   // a corner pokes in from the right

    // A cube touching a plane from outside is out: in front means strictly in front.
    FrustumRecord beyondOne = {};
    for (auto& p : beyondOne.plane) {
        p[2] = -1.0f; // z < -1
        p[3] = -1.0f;
    }
    EXPECT_FALSE(CubeInFrustum(0, 0, -0.5f, 0.5f, beyondOne));
    EXPECT_TRUE(CubeInFrustum(0, 0, -0.5f, 0.625f, beyondOne));
    // The default argument is the global frustum.
    const FrustumRecord saved = ViewFrustum;
    ViewFrustum = frustum;
    EXPECT_TRUE(CubeInFrustum(0, 0, -10, 1));
    EXPECT_FALSE(CubeInFrustum(0, 0, 10, 1));
    ViewFrustum = saved;
}
