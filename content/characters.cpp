#include "content/characters.h"

#include <cmath>

namespace {

constexpr float kSole = -0.2f;

Geometry Tube(float x, float y0, float y1, float z, float r0, float r1, int segments, bool caps = false) {
    return Transformed(MakeCylinder(r0, r1, y1 - y0, segments, caps), Translation({x, y0, z}));
}

Geometry Ball(CVector3 at, float radius, int rings, int segments, CVector3 squash = {1, 1, 1}) {
    return Transformed(MakeSphere(radius, rings, segments), Translation(at) * Scaling(squash));
}

Geometry Block(CVector3 centre, CVector3 size) {
    return Transformed(MakeBox(size, 2.0f), Translation(centre));
}

// Blade, grip and guard in sword space: grip at the origin, blade along +y.
Geometry SwordBlade() {
    std::vector<CVector2> outline = {
        {-0.035f, 0.0f}, {0.035f, 0.0f}, {0.032f, 0.72f}, {0.0f, 0.86f}, {-0.032f, 0.72f}};
    // Outline in x-z extruded across y, then stood up so z becomes the blade's length.
    Geometry g = MakeExtrusion(outline, -0.01f, 0.01f, 2.0f);
    Transform(g, RotationX(-90.0f));
    Transform(g, Translation({0, 0.03f, 0}));
    return g;
}

Geometry SwordHilt() {
    Geometry g = Block({0, 0.02f, 0}, {0.22f, 0.04f, 0.05f});
    Append(g, Tube(0, -0.15f, 0.0f, 0, 0.02f, 0.018f, 6));
    Append(g, Ball({0, -0.17f, 0}, 0.035f, 3, 6));
    return g;
}

} // namespace

Rig BuildHeroRig() {
    Rig rig;
    Mesh m;
    int32_t skin = AddMaterial(m, "Skin.tga", 255, 255, 255);
    int32_t cloth = AddMaterial(m, "Cloth.tga", 255, 255, 255);
    int32_t leather = AddMaterial(m, "Leather.tga", 255, 255, 255);
    int32_t steel = AddMaterial(m, "Steel.tga", 255, 255, 255);
    int32_t hair = AddMaterial(m, "", 120, 62, 30);
    int32_t gold = AddMaterial(m, "", 196, 150, 60);
    rig.materials = m.materials;
    const Affine flatten = Scaling({1, 1, 0.68f});

    // Pelvis: the tunic's skirt; the root that carries the whole body.
    Geometry pelvis = Transformed(Tube(0, 0.52f, 0.92f, 0, 0.27f, 0.21f, 8, true), flatten);
    int root = AddPart(rig, "Pelvis", -1, {0, 0.85f, 0}, cloth, pelvis);
    AddPart(rig, "Belt", root, {0, 0.85f, 0}, leather,
            Transformed(Tube(0, 0.84f, 0.93f, 0, 0.235f, 0.235f, 8), flatten));

    Geometry torso = Tube(0, 0.9f, 1.34f, 0, 0.21f, 0.27f, 8, true);
    Append(torso, Tube(0, 1.34f, 1.45f, 0, 0.27f, 0.1f, 8));
    int chest = AddPart(rig, "Torso", root, {0, 0.92f, 0}, cloth, Transformed(torso, flatten));

    Geometry head = Tube(0, 1.40f, 1.53f, 0, 0.06f, 0.06f, 6);
    Append(head, Ball({0, 1.62f, 0.005f}, 0.135f, 5, 8, {0.95f, 1.08f, 1.0f}));
    Append(head,
           Transformed(MakeCone(0.025f, 0.05f, 4, false), Translation({0, 1.6f, 0.13f}) * RotationX(90.0f)));
    int headPart = AddPart(rig, "Head", chest, {0, 1.45f, 0}, skin, head);
    Geometry hairShape = Ball({0, 1.672f, -0.03f}, 0.15f, 4, 8, {1.02f, 0.82f, 1.05f});
    Append(hairShape,
           Transformed(MakeCone(0.07f, 0.2f, 5), Translation({0, 1.66f, -0.12f}) * RotationX(-120.0f)));
    AddPart(rig, "Hair", headPart, {0, 1.45f, 0}, hair, hairShape);

    for (int side = 0; side < 2; ++side) {
        float x = side == 0 ? 0.31f : -0.31f; // +x is his left
        std::string name = side == 0 ? "Left" : "Right";
        Geometry upper = Tube(x, 1.08f, 1.40f, 0, 0.062f, 0.072f, 6);
        Append(upper, Ball({x, 1.38f, 0}, 0.095f, 3, 6));
        int shoulder = AddPart(rig, name + "UpperArm", chest, {x, 1.38f, 0}, cloth, upper);
        Geometry fore = Tube(x, 0.83f, 1.09f, 0, 0.045f, 0.056f, 6);
        Append(fore, Block({x, 0.78f, 0.0f}, {0.08f, 0.1f, 0.1f}));
        int elbow = AddPart(rig, name + "Forearm", shoulder, {x, 1.08f, 0}, skin, fore);
        if (side == 1) {
            // The sword sits in his right fist, blade forward and a little down.
            Affine grip = Translation({x, 0.77f, 0.0f}) * RotationX(kSwordHoldAngle);
            int blade =
                AddPart(rig, "SwordBlade", elbow, {x, 0.77f, 0}, steel, Transformed(SwordBlade(), grip));
            AddPart(rig, "SwordHilt", blade, {x, 0.77f, 0}, gold, Transformed(SwordHilt(), grip));
        }
    }
    for (int side = 0; side < 2; ++side) {
        float x = side == 0 ? 0.11f : -0.11f;
        std::string name = side == 0 ? "Left" : "Right";
        Geometry thigh = Tube(x, 0.27f, 0.8f, 0, 0.085f, 0.11f, 6);
        Append(thigh, Ball({x, 0.28f, 0.01f}, 0.08f, 3, 6));
        int hip = AddPart(rig, name + "Thigh", root, {x, 0.76f, 0}, leather, thigh);
        Geometry shin = Tube(x, kSole + 0.12f, 0.3f, 0, 0.07f, 0.085f, 6);
        Append(shin, Block({x, kSole + 0.07f, 0.04f}, {0.15f, 0.14f, 0.28f}));
        AddPart(rig, name + "Shin", hip, {x, 0.28f, 0}, leather, shin);
    }
    return rig;
}

Pose HeroStandPose(const Rig& rig) {
    Pose p = RestPose(rig);
    auto set = [&](const char* part, CVector3 rotation) {
        int i = FindPart(rig, part);
        if (i >= 0) p.joints[static_cast<size_t>(i)].rotation = rotation;
    };
    set("LeftUpperArm", {0, 0, 8});
    set("RightUpperArm", {-5, 0, -8});
    set("LeftForearm", {-15, 0, 0});
    set("RightForearm", {-35, 0, 0});
    return p;
}

Pose HeroRunPose(const Rig& rig, int frame) {
    Pose p = HeroStandPose(rig);
    // Two strides per loop: 35 frames carry him 7 units at 0.2 a frame.
    float phase = 2 * kPi * 2 * static_cast<float>(frame) / static_cast<float>(kWalkFrames);
    float s = std::sin(phase), c = std::cos(phase);
    auto joint = [&](const char* part) -> JointPose& {
        static JointPose spare;
        int i = FindPart(rig, part);
        return i >= 0 ? p.joints[static_cast<size_t>(i)] : spare;
    };
    joint("Pelvis").offset = {0, -0.05f * s * s + 0.02f, 0};
    joint("Pelvis").rotation = {0, 7 * s, 0};
    joint("Torso").rotation = {10, -12 * s, 0};
    joint("Head").rotation = {-6, 5 * s, 0};
    // Negative x swings a limb forward; legs and arms go opposite ways.
    joint("LeftThigh").rotation = {-38 * s, 0, 0};
    joint("RightThigh").rotation = {38 * s, 0, 0};
    auto knee = [](float swing) { return 12 + 70 * std::pow(0.5f + 0.5f * swing, 2.0f); };
    joint("LeftShin").rotation = {knee(c), 0, 0};
    joint("RightShin").rotation = {knee(-c), 0, 0};
    joint("LeftUpperArm").rotation = {34 * s, 0, 10};
    joint("LeftForearm").rotation = {-75 + 12 * s, 0, 0};
    joint("RightUpperArm").rotation = {-16 * s - 8, 0, -10};
    joint("RightForearm").rotation = {-50 - 8 * s, 0, 0};
    return p;
}

Mesh BuildVillagerMesh() {
    Mesh m;
    int32_t robe = AddMaterial(m, "Robe.tga", 255, 255, 255);
    int32_t skin = AddMaterial(m, "Skin.tga", 255, 255, 255);
    int32_t wood = AddMaterial(m, "Wood.tga", 255, 255, 255);
    int32_t rope = AddMaterial(m, "", 176, 146, 92);
    int32_t beard = AddMaterial(m, "", 215, 212, 200);

    Geometry body = Tube(0, 0.0f, 1.05f, 0, 0.38f, 0.24f, 10, true);
    Append(body, Tube(0, 1.05f, 1.42f, 0, 0.24f, 0.27f, 10));
    Append(body, Tube(0, 1.42f, 1.52f, 0, 0.27f, 0.09f, 10));
    // Hood drawn up over the back of the head.
    Append(body, Ball({0, 1.66f, -0.035f}, 0.175f, 6, 10, {1.0f, 1.05f, 1.05f}));
    // Sleeves reach forward to hands folded over the staff.
    for (float x : {0.28f, -0.28f}) {
        float tilt = x > 0 ? -18.0f : 18.0f;
        Append(body, Transformed(MakeCylinder(0.085f, 0.07f, 0.42f, 6, true),
                                 Translation({x, 1.4f, 0.02f}) * RotationZ(180 + tilt) * RotationX(40)));
    }
    AddObject(m, "Robe", robe, Transformed(body, Scaling({1, 1, 0.8f})));
    AddObject(m, "Belt", rope,
              Transformed(Tube(0, 0.98f, 1.05f, 0, 0.255f, 0.245f, 10), Scaling({1, 1, 0.8f})));

    Geometry head = Ball({0, 1.63f, 0.03f}, 0.13f, 6, 8, {0.95f, 1.08f, 1.0f});
    Append(head,
           Transformed(MakeCone(0.028f, 0.07f, 5, false), Translation({0, 1.62f, 0.15f}) * RotationX(90.0f)));
    Append(head, Block({0.3f, 1.12f, 0.3f}, {0.09f, 0.08f, 0.1f}));
    Append(head, Block({-0.13f, 1.1f, 0.33f}, {0.09f, 0.08f, 0.1f}));
    AddObject(m, "Head", skin, head);
    AddObject(m, "Beard", beard,
              Transformed(MakeCone(0.1f, 0.3f, 6),
                          Translation({0, 1.58f, 0.1f}) * RotationX(180.0f) * Scaling({1, 1, 0.6f})));
    // A walking staff, planted at his left side.
    AddObject(m, "Staff", wood,
              Transformed(Tube(0, 0.0f, 1.85f, 0, 0.035f, 0.03f, 6, true),
                          Translation({0.36f, 0, 0.3f}) * RotationZ(4)));
    return m;
}

Rig BuildChestRig() {
    Rig rig;
    Mesh m;
    int32_t wood = AddMaterial(m, "Wood.tga", 255, 255, 255);
    int32_t metal = AddMaterial(m, "", 212, 170, 70);
    rig.materials = m.materials;
    const float width = 1.0f, depth = 0.64f, height = 0.5f, radius = depth * 0.5f;
    auto halfRound = [&](float r, int points, float x0, float x1) {
        std::vector<CVector2> outline;
        for (int i = 0; i < points; ++i) {
            float a = kPi * static_cast<float>(i) / static_cast<float>(points - 1);
            outline.push_back({-r * std::sin(a), r * std::cos(a)});
        }
        // The outline's first axis becomes height once the extrusion axis is turned to x.
        Geometry g = MakeExtrusion(outline, x0, x1, 2.0f);
        Transform(g, Translation({0, height, 0}) * RotationZ(-90.0f));
        return g;
    };
    int base =
        AddPart(rig, "Base", -1, {0, 0, 0}, wood, Block({0, height * 0.5f, 0}, {width, height, depth}));
    Geometry bands;
    for (float x : {-0.47f, 0.47f})
        for (float z : {-0.3f, 0.3f})
            Append(bands, Block({x, height * 0.5f, z}, {0.075f, height + 0.01f, 0.06f}));
    AddPart(rig, "BaseTrim", base, {0, 0, 0}, metal, bands);
    CVector3 hinge = {0, height, -radius};
    int lid = AddPart(rig, "Lid", base, hinge, wood, halfRound(radius, 9, -width * 0.5f, width * 0.5f));
    Geometry lidBands = halfRound(radius + 0.012f, 5, -0.43f, -0.36f);
    Append(lidBands, halfRound(radius + 0.012f, 5, 0.36f, 0.43f));
    AddPart(rig, "LidTrim", lid, hinge, metal, lidBands);
    Geometry lock = Block({0, height + 0.02f, radius + 0.015f}, {0.12f, 0.14f, 0.04f});
    AddPart(rig, "Lock", lid, hinge, metal, lock);
    return rig;
}

Pose ChestPose(const Rig& rig, int frame) {
    Pose p = RestPose(rig);
    float t = static_cast<float>(frame) / static_cast<float>(kChestFrames - 1);
    // The lid swings back past upright, easing out so it settles instead of stopping dead.
    float angle = -110.0f * (1 - std::pow(1 - std::min(std::max(t, 0.0f), 1.0f), 3.0f));
    int lid = FindPart(rig, "Lid");
    if (lid >= 0) p.joints[static_cast<size_t>(lid)].rotation = {angle, 0, 0};
    return p;
}

Mesh BuildPropBoxMesh() {
    Mesh m;
    AddObject(m, "Box", AddMaterial(m, "", 128, 96, 64), Block({0, 1.0f, 0}, {1.0f, 2.0f, 1.0f}));
    return m;
}
