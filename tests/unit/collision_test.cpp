#include "world/collision.h"

#include "assets/camera.h"
#include "assets/game_state.h"
#include "world/field_camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

float Length(CVector3 v) {
    return std::sqrt(Dot(v, v));
}

// One object from a flat list of triangles, with bounds that comfortably hold it.
Object3D MakeObject(const std::vector<CVector3>& corners) {
    Object3D object;
    object.vertices = corners;
    object.vertexCount = static_cast<int32_t>(corners.size());
    for (int32_t i = 0; i < object.vertexCount; ++i) object.indices.push_back(i);
    object.indexCount = object.vertexCount;
    CVector3 lo = corners.empty() ? CVector3{0, 0, 0} : corners[0];
    CVector3 hi = lo;
    for (const CVector3& v : corners) {
        lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
        hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
    }
    object.center = {(lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2};
    object.size = std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z}) + 2.0f;
    return object;
}

Model3D MakeModel(const std::vector<std::vector<CVector3>>& objects) {
    Model3D model;
    for (const auto& corners : objects) model.objects.push_back(MakeObject(corners));
    model.objectCount = static_cast<int32_t>(model.objects.size());
    return model;
}

// A 10 x 10 floor at height y facing up (normal +y).
std::vector<CVector3> Floor(float y) {
    return {{-5, y, -5}, {5, y, -5}, {-5, y, 5}, {5, y, -5}, {5, y, 5}, {-5, y, 5}};
}

// A view of everything within 1000 units, or with offset, of nothing near the origin.
FrustumRecord BoxFrustum(float shiftX) {
    float projection[16] = {};
    projection[0] = projection[5] = projection[10] = 0.001f;
    projection[15] = 1.0f;
    float modelview[16] = {};
    modelview[0] = modelview[5] = modelview[10] = modelview[15] = 1.0f;
    modelview[12] = shiftX;
    FrustumRecord frustum;
    FrustumFromMatrices(projection, modelview, frustum);
    return frustum;
}

class CollisionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedCamera_ = Camera;
        savedHero_ = HeroPosition;
        savedFrustum_ = ViewFrustum;
        savedControl_ = PlayerHasControl;
        PlayerHasControl = 1;
        ViewFrustum = BoxFrustum(0.0f);
    }
    void TearDown() override {
        Camera = savedCamera_;
        HeroPosition = savedHero_;
        ViewFrustum = savedFrustum_;
        PlayerHasControl = savedControl_;
    }
    // Hero at (x, y, z) with the arrival camera above and behind him.
    static void PlaceHero(float x, float y, float z) {
        HeroPosition = {x, y, z};
        Camera = {{x, y + 4.5f, z + 5.0f}, {x, y + 2.5f, z}, {0, 1, 0}};
    }
    // Hero, eye and view point must all have moved by the same amount.
    static void ExpectMovedTogether(const CameraRecord& before, const CVector3& heroBefore) {
        const CVector3 d = HeroPosition - heroBefore;
        EXPECT_LT(Length(Camera.Position - before.Position - d), 1e-5f);
        EXPECT_LT(Length(Camera.ViewPoint - before.ViewPoint - d), 1e-5f);
    }
    static bool AllFinite() {
        for (const CVector3* p : {&HeroPosition, &Camera.Position, &Camera.ViewPoint})
            if (!std::isfinite(p->x) || !std::isfinite(p->y) || !std::isfinite(p->z)) return false;
        return true;
    }

  private:
    CameraRecord savedCamera_ = {};
    CVector3 savedHero_ = {};
    FrustumRecord savedFrustum_ = {};
    uint8_t savedControl_ = 1;
};

} // namespace

TEST(CollisionGeometry, NormalClassifyAndOffset) {
    const CVector3 tri[3] = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}};
    const CVector3 n = PolygonNormal(tri);
    EXPECT_LT(Length(n - CVector3{0, 1, 0}), 1e-6f);
    // The other winding faces down.
    const CVector3 flipped[3] = {tri[0], tri[2], tri[1]};
    EXPECT_FLOAT_EQ(PolygonNormal(flipped).y, -1.0f);
    // A tilted, scaled triangle still gives a unit normal.
    const CVector3 tilted[3] = {{0, 0, 0}, {0, 7, 7}, {3, 0, 0}};
    EXPECT_NEAR(Length(PolygonNormal(tilted)), 1.0f, 1e-6f);

    float distance = 0.0f;
    EXPECT_EQ(ClassifySphere({0, 0.5f, 0}, n, tri[0], 0.7f, distance), SphereIntersects);
    EXPECT_FLOAT_EQ(distance, 0.5f);
    EXPECT_EQ(ClassifySphere({9, -0.5f, 9}, n, tri[0], 0.7f, distance), SphereIntersects);
    EXPECT_FLOAT_EQ(distance, -0.5f);
    EXPECT_EQ(ClassifySphere({0, 0.8f, 0}, n, tri[0], 0.7f, distance), SphereInFront);
    EXPECT_EQ(ClassifySphere({0, 0.7f, 0}, n, tri[0], 0.7f, distance), SphereInFront);
    EXPECT_EQ(ClassifySphere({0, -0.7f, 0}, n, tri[0], 0.7f, distance), SphereBehind);
    // The plane's height comes from the point given, not the origin.
    EXPECT_EQ(ClassifySphere({0, 3.5f, 0}, n, {4, 3, 4}, 0.7f, distance), SphereIntersects);
    EXPECT_FLOAT_EQ(distance, 0.5f);

    EXPECT_NEAR(CollisionOffset(n, 0.7f, 0.5f).y, 0.2f, 1e-6f);
    EXPECT_NEAR(CollisionOffset(n, 0.7f, -0.5f).y, -0.2f, 1e-6f);
    // A centre on the plane goes out through the back face.
    EXPECT_NEAR(CollisionOffset(n, 0.7f, 0.0f).y, -0.7f, 1e-6f);
}

TEST(CollisionGeometry, ClosestPointAndAngles) {
    const CVector3 a = {0, 0, 0};
    const CVector3 b = {2, 0, 0};
    EXPECT_FLOAT_EQ(ClosestPointOnLine(a, b, {1, 5, 0}).x, 1.0f);
    EXPECT_FLOAT_EQ(ClosestPointOnLine(a, b, {-3, 1, 0}).x, 0.0f); // before the start
    EXPECT_FLOAT_EQ(ClosestPointOnLine(a, b, {9, 1, 0}).x, 2.0f);  // past the end
    // A zero-length edge is its point, not NaN.
    EXPECT_EQ(Length(ClosestPointOnLine({1, 1, 1}, {1, 1, 1}, {5, 5, 5}) - CVector3{1, 1, 1}), 0.0f);

    EXPECT_NEAR(AngleBetweenVectors({1, 0, 0}, {0, 0, 3}), 3.14159265 / 2, 1e-6);
    EXPECT_NEAR(AngleBetweenVectors({1, 0, 0}, {-2, 0, 0}), 3.14159265, 1e-3);
    EXPECT_EQ(AngleBetweenVectors({0, 0, 0}, {1, 0, 0}), 0.0);
    // Parallel vectors whose quotient rounds just past 1 still give a number.
    EXPECT_NEAR(AngleBetweenVectors({0.1f, 0.2f, 0.3f}, {0.3f, 0.6f, 0.9f}), 0.0, 1e-3); // NaN fails too
}

TEST(CollisionGeometry, InsidePolygon) {
    const CVector3 tri[3] = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}};
    EXPECT_TRUE(InsidePolygon({0.2f, 0, 0.2f}, tri, 3));
    EXPECT_FALSE(InsidePolygon({0.8f, 0, 0.8f}, tri, 3));
    EXPECT_FALSE(InsidePolygon({-0.1f, 0, 0.5f}, tri, 3));
    // On an edge, or within the 1 % tolerance just outside it, counts as inside.
    EXPECT_TRUE(InsidePolygon({0.502f, 0, 0.502f}, tri, 3));
    EXPECT_TRUE(InsidePolygon({0.3f, 0, -0.001f}, tri, 3));
    EXPECT_FALSE(InsidePolygon({0.3f, 0, -0.05f}, tri, 3));

    // On a vertex the two angles to it count 0, which leaves a triangle's corner far short...
    EXPECT_FALSE(InsidePolygon(tri[1], tri, 3));
    // ...but a polygon whose other angles go all the way round still holds the point.
    const CVector3 fan[6] = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {-1, 0, 0}, {0, 0, -1}, {1, 0, -0.001f}};
    EXPECT_TRUE(InsidePolygon({0, 0, 0}, fan, 6));
}

TEST(CollisionGeometry, SphereAgainstTriangleEdges) {
    const CVector3 tri[3] = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}};
    // Projects outside, but 0.52 from the long edge.
    EXPECT_TRUE(SpherePolygonCollision(tri, {0.8f, 0.3f, 0.8f}, 3, 0.7f));
    // 0.71 from the nearest edge misses, 0.69 touches.
    EXPECT_FALSE(SpherePolygonCollision(tri, {-0.71f, 0, 0.2f}, 3, 0.7f));
    EXPECT_TRUE(SpherePolygonCollision(tri, {-0.69f, 0, 0.2f}, 3, 0.7f));
    EXPECT_FALSE(EdgeSphereCollision({-0.71f, 0, 0.2f}, tri, 3, 0.7f));
    EXPECT_TRUE(EdgeSphereCollision({-0.69f, 0, 0.2f}, tri, 3, 0.7f));
    // Exactly over an edge the two opposite vectors may round to an angle of 0, but the edge still touches.
    EXPECT_TRUE(SpherePolygonCollision(tri, {0.5f, 0.3f, 0.5f}, 3, 0.7f));
    // Straight above a vertex: not inside, but the vertex is within reach.
    EXPECT_TRUE(SpherePolygonCollision(tri, {1, 0.5f, 0}, 3, 0.7f));
    EXPECT_FALSE(SpherePolygonCollision(tri, {1, 0.75f, 0}, 3, 0.7f));
    // Close to the plane but far beside the triangle.
    EXPECT_FALSE(SpherePolygonCollision(tri, {3, 0.1f, 3}, 3, 0.7f));
    // Too few vertices make no polygon.
    EXPECT_FALSE(SpherePolygonCollision(tri, {0.2f, 0, 0.2f}, 2, 0.7f));
}

TEST(CollisionGeometry, DegenerateTrianglesNeverCollide) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const CVector3 cases[][3] = {
        {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}},          // a point
        {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}},          // a line
        {{0, 0, 0}, {0, 0, 0}, {0, 0, 1}},          // a repeated vertex
        {{0, nan, 0}, {1, 0, 0}, {0, 0, 1}},        // unreadable numbers
        {{0, 0, 0}, {inf, 0, 0}, {0, 0, 1}},        // infinite
        {{0, 0, 0}, {3e38f, 0, 0}, {0, 0, 3e38f}},  // an area too large for a float
        {{0, 0, 0}, {1e-30f, 0, 0}, {0, 0, 1e-30f}} // an area too small for a float
    };
    for (const auto& tri : cases) {
        const CVector3 n = PolygonNormal(tri);
        EXPECT_TRUE(std::isfinite(n.x) && std::isfinite(n.y) && std::isfinite(n.z));
        EXPECT_FALSE(SpherePolygonCollision(tri, {0.1f, 0.1f, 0.1f}, 3, 0.7f));
    }
}

TEST_F(CollisionTest, FloorHoldsTheHeroUpFromAboveAndBelow) {
    const Model3D level = MakeModel({Floor(0.0f)});
    // After the fall the sphere's centre is 0.5 above the floor: pushed up by 0.2.
    // 0.5 below the floor: pushed down by 0.2, out of its back side; 0.8 above:
    // no contact, the fall stands.
    for (const auto& [start, end] : {std::pair{0.3f, 0.2f}, {-0.7f, -1.2f}, {0.6f, 0.3f}}) {
        PlaceHero(1, start, 1);
        const CameraRecord before = Camera;
        const CVector3 heroBefore = HeroPosition;
        CollideWithLevel(level);
        EXPECT_NEAR(HeroPosition.y, end, 1e-5f) << start;
        EXPECT_FLOAT_EQ(HeroPosition.x, 1.0f);
        ExpectMovedTogether(before, heroBefore);
    }
}

TEST_F(CollisionTest, StandingOnTheFloorIsSteady) {
    const Model3D level = MakeModel({Floor(2.0f)});
    PlaceHero(0, 2.0f, 0);
    // Step after step the fall and the push settle at the same height.
    for (int i = 0; i < 50; ++i) CollideWithLevel(level);
    const float settled = HeroPosition.y;
    EXPECT_NEAR(settled, 2.0f + 0.7f - 0.5f, 1e-4f);
    CollideWithLevel(level);
    EXPECT_NEAR(HeroPosition.y, settled, 1e-5f);
}

TEST_F(CollisionTest, EachTrianglePushesFromWhereTheLastLeftOff) {
    // Two triangles of one quad under the hero's sphere: once the first has pushed
    // it clear, the second no longer touches, so the push is not doubled.
    const Model3D level = MakeModel({Floor(0.0f)});
    PlaceHero(0, 0.3f, 0); // centre on the shared diagonal
    CollideWithLevel(level);
    EXPECT_NEAR(HeroPosition.y, 0.2f, 1e-5f);

    // A floor and a wall beside it push on two axes in one step.
    const Model3D corner =
        MakeModel({Floor(0.0f), {{1, 0, -5}, {1, 5, -5}, {1, 0, 5}, {1, 0, 5}, {1, 5, -5}, {1, 5, 5}}});
    PlaceHero(0.5f, 0.3f, 0);
    const CVector3 n = PolygonNormal(corner.objects[1].vertices.data());
    ASSERT_NEAR(n.x, -1.0f, 1e-6f);
    CollideWithLevel(corner);
    EXPECT_NEAR(HeroPosition.y, 0.2f, 1e-5f);
    EXPECT_NEAR(HeroPosition.x, 0.3f, 1e-5f);
    EXPECT_NEAR(Camera.ViewPoint.x, 0.3f, 1e-5f);
}

TEST_F(CollisionTest, OnlyVisibleObjectsAndOnlyWithControl) {
    const Model3D level = MakeModel({Floor(0.0f)});
    // Ground the camera cannot see lets the hero fall through.
    ViewFrustum = BoxFrustum(5000.0f);
    PlaceHero(1, 0.3f, 1);
    CollideWithLevel(level);
    EXPECT_NEAR(HeroPosition.y, 0.0f, 1e-6f);

    // Without control the fall happens, the push does not.
    ViewFrustum = BoxFrustum(0.0f);
    PlayerHasControl = 0;
    PlaceHero(1, 0.3f, 1);
    CollideWithLevel(level);
    EXPECT_NEAR(HeroPosition.y, 0.0f, 1e-6f);
    EXPECT_NEAR(Camera.Position.y, 4.5f, 1e-6f);
}

TEST_F(CollisionTest, NoCollisionObjectsSinksEveryStep) {
    const Model3D empty;
    PlaceHero(3, 10, 3);
    const CameraRecord before = Camera;
    const CVector3 heroBefore = HeroPosition;
    for (int i = 0; i < 4; ++i) CollideWithLevel(empty);
    EXPECT_NEAR(HeroPosition.y, 10.0f - 1.2f, 1e-5f);
    ExpectMovedTogether(before, heroBefore);
}

TEST_F(CollisionTest, DegenerateTrianglesInALevelLeaveNoNaN) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // A point, a line through the sphere, a repeated vertex and an unreadable number.
    const std::vector<CVector3> corners = {{0, 0, 0},    {0, 0, 0},   {0, 0, 0},    {-1, 0, 0},
                                           {0, 0, 0},    {1, 0, 0},   {0, 0.2f, 0}, {0, 0.2f, 0},
                                           {0, 0.2f, 1}, {0, nan, 0}, {1, 0, 0},    {0, 0, 1}};
    const Model3D level = MakeModel({corners});
    PlaceHero(0, 0.3f, 0);
    for (int i = 0; i < 3; ++i) CollideWithLevel(level);
    EXPECT_TRUE(AllFinite());
    EXPECT_NEAR(HeroPosition.y, -0.6f, 1e-5f);
}

TEST_F(CollisionTest, BrokenIndexListsStayInsideTheirArrays) {
    Model3D level = MakeModel({Floor(0.0f), Floor(0.0f), Floor(0.0f)});
    level.objects[0].indices = {0, 1, 6, -4, 2, 1}; // names vertices it lacks, 6 just past the end
    level.objects[1].indexCount = 600;              // claims more than it holds
    level.objects[2].indices.resize(4);             // a triangle cut short
    level.objects[2].indexCount = 4;
    level.objectCount = 7; // claims more objects
    PlaceHero(1, 0.3f, 1);
    CollideWithLevel(level);
    // Only object 1's two whole triangles push.
    EXPECT_NEAR(HeroPosition.y, 0.2f, 1e-5f);

    level.objectCount = -3;
    PlaceHero(1, 0.3f, 1);
    CollideWithLevel(level);
    EXPECT_NEAR(HeroPosition.y, 0.0f, 1e-5f);
}

namespace {

// A closed box of side 2 with its floor at y = 0, faces pointing outwards.
Model3D UnitBox() {
    std::vector<CVector3> corners;
    auto quad = [&corners](CVector3 a, CVector3 b, CVector3 c, CVector3 d, CVector3 outward) {
        CVector3 tri[3] = {a, b, c};
        const CVector3 n = PolygonNormal(tri);
        const bool flip = n.x * outward.x + n.y * outward.y + n.z * outward.z < 0;
        if (flip)
            corners.insert(corners.end(), {a, c, b, a, d, c});
        else
            corners.insert(corners.end(), {a, b, c, a, c, d});
    };
    quad({-1, 0, -1}, {1, 0, -1}, {1, 0, 1}, {-1, 0, 1}, {0, -1, 0});
    quad({-1, 2, -1}, {1, 2, -1}, {1, 2, 1}, {-1, 2, 1}, {0, 1, 0});
    quad({-1, 0, -1}, {-1, 2, -1}, {-1, 2, 1}, {-1, 0, 1}, {-1, 0, 0});
    quad({1, 0, -1}, {1, 2, -1}, {1, 2, 1}, {1, 0, 1}, {1, 0, 0});
    quad({-1, 0, -1}, {1, 0, -1}, {1, 2, -1}, {-1, 2, -1}, {0, 0, -1});
    quad({-1, 0, 1}, {1, 0, 1}, {1, 2, 1}, {-1, 2, 1}, {0, 0, 1});
    return MakeModel({corners});
}

struct Prop {
    CVector3 Position;
};

} // namespace

TEST_F(CollisionTest, BoxPushesTheHeroOutWherePlaced) {
    const Model3D box = UnitBox();
    // The box stands at (10, 0, 0); the hero's sphere is 0.5 from its +x face.
    PlaceHero(11.5f, 0.0f, 0);
    const CameraRecord before = Camera;
    const CVector3 heroBefore = HeroPosition;
    // The view pruning does not apply to props.
    ViewFrustum = BoxFrustum(5000.0f);
    CollideWithBox(box, 10, 0, 0);
    EXPECT_NEAR(HeroPosition.x, 11.7f, 1e-5f);
    EXPECT_NEAR(HeroPosition.y, 0.0f, 1e-6f); // no fall in this pass
    ExpectMovedTogether(before, heroBefore);

    // Far from the box nothing happens; without control nothing either.
    PlaceHero(15, 0, 0);
    CollideWithBox(box, 10, 0, 0);
    EXPECT_FLOAT_EQ(HeroPosition.x, 15.0f);
    PlayerHasControl = 0;
    PlaceHero(11.5f, 0.0f, 0);
    CollideWithBox(box, 10, 0, 0);
    EXPECT_FLOAT_EQ(HeroPosition.x, 11.5f);
}

TEST_F(CollisionTest, PropsAreVillagersThenChestsUpToTheirCounts) {
    const Model3D box = UnitBox();
    const std::vector<Prop> villagers = {{{10, 0, 0}}, {{-10, 0, 0}}};
    const std::vector<Prop> chests = {{{0, 0, 10}}};

    // Where the hero stands, the counts given, and where he is pushed to. The
    // counts decide; a count past the array stops at its end.
    const struct {
        CVector3 start;
        int villagerCount, chestCount;
        CVector3 end;
    } cases[] = {
        {{11.5f, 0, 0}, 2, 1, {11.7f, 0, 0}},   {{-11.5f, 0, 0}, 2, 1, {-11.7f, 0, 0}},
        {{0, 0, 11.5f}, 2, 1, {0, 0, 11.7f}},   {{-11.5f, 0, 0}, 1, 0, {-11.5f, 0, 0}},
        {{0, 0, 11.5f}, 50, 50, {0, 0, 11.7f}}, {{0, 0, 11.5f}, -1, -1, {0, 0, 11.5f}},
    };
    for (const auto& c : cases) {
        PlaceHero(c.start.x, c.start.y, c.start.z);
        CollideWithProps(box, villagers, c.villagerCount, chests, c.chestCount);
        EXPECT_LT(Length(HeroPosition - c.end), 1e-5f)
            << c.start.x << "," << c.start.z << " " << c.villagerCount;
    }
}

TEST_F(CollisionTest, PushesExactlyWhenTheSphereTouches) {
    // Triangles of every shape and size around the sphere, slivers included: the
    // step pushes for precisely the triangles the sphere test says it touches.
    std::mt19937 random(7);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    std::uniform_real_distribution<float> scaleExponent(-2.0f, 2.5f);
    int touched = 0;
    for (int i = 0; i < 4000; ++i) {
        const float scale = std::pow(10.0f, scaleExponent(random));
        const float stretch = (i % 3 == 0) ? 50.0f : 1.0f;
        const CVector3 base = {unit(random) * 2, unit(random) * 2, unit(random) * 2};
        const CVector3 tri[3] = {base,
                                 {base.x + unit(random) * scale * stretch, base.y + unit(random) * scale,
                                  base.z + unit(random) * scale},
                                 {base.x + unit(random) * scale, base.y + unit(random) * scale,
                                  base.z + unit(random) * scale * stretch}};
        const Model3D model = MakeModel({{tri[0], tri[1], tri[2]}});
        PlaceHero(0, -0.5f, 0);
        const CVector3 centre = CollisionSphereCentre();
        const bool touches = SpherePolygonCollision(tri, centre, 3, CollisionRadius);
        CollideWithBox(model, 0, 0, 0);
        const bool pushed = HeroPosition.x != 0.0f || HeroPosition.y != -0.5f || HeroPosition.z != 0.0f;
        ASSERT_EQ(pushed, touches) << "triangle " << i;
        touched += touches;
    }
    // Both outcomes must have been seen for the comparison to mean anything.
    EXPECT_GT(touched, 200);
    EXPECT_LT(touched, 3800);
}
