// Katu, the sorcerer waiting on the road: tall, horned, spiked at the
// shoulders, caped, a forked staff in his left hand and fire in his right;
// the lava balls; and the hero's two story animations on his own rig.
#include "content/story.h"

#include "content/characters.h"
#include "content/figure_parts.h"

#include <algorithm>
#include <cmath>

namespace {

Geometry Horn(CVector3 base, CVector3 tip, float radius) {
    return Limb(base, tip, radius, 0.0f, 5, true);
}

int32_t Colour(Rig& rig, uint8_t r, uint8_t g, uint8_t b) {
    rig.materials.push_back({"", r, g, b});
    return static_cast<int32_t>(rig.materials.size() - 1);
}

struct Posing {
    const Rig& rig;
    Pose pose;
    JointPose& operator[](const char* name) { return NamedJoint(rig, pose, name); }
};

float Fraction(int frame, int from, int to) {
    return std::clamp(static_cast<float>(frame - from) / static_cast<float>(to - from), 0.0f, 1.0f);
}

// Scales one object of a posed frame about its own middle: the fire in
// Katu's hand grows and shrinks without a joint of its own.
void Swell(Mesh& mesh, const std::string& name, float scale) {
    for (MeshObject& o : mesh.objects) {
        if (o.name != name || o.geometry.vertices.empty()) continue;
        CVector3 mid = {0, 0, 0};
        for (const MeshVertex& v : o.geometry.vertices) mid = mid + v.position;
        mid = mid * (1.0f / static_cast<float>(o.geometry.vertices.size()));
        for (MeshVertex& v : o.geometry.vertices) v.position = mid + (v.position - mid) * scale;
    }
}

constexpr float kFireSmall = 0.35f;

// Katu's poses. Facing +z, a negative turn about x swings a limb forward; a
// positive one bows the head or the body.
Pose KatuBowed(const Rig& rig) {
    Posing p{rig, RestPose(rig)};
    p["Head"].rotation = {16, 0, 0};
    p["Chest"].rotation = {6, 0, 0};
    p["LeftUpperArm"].rotation = {-12, 0, 6};
    p["LeftForearm"].rotation = {-30, 0, 0};
    p["Staff"].rotation = {42, 0, 0}; // upright whatever the arm does
    p["RightUpperArm"].rotation = {-6, 0, -8};
    p["RightForearm"].rotation = {-45, 0, 0};
    return p.pose;
}

// Head up, pointing at the hero down the road.
Pose KatuPointing(const Rig& rig) {
    Posing p{rig, KatuBowed(rig)};
    p["Head"].rotation = {-10, 0, 0};
    p["Chest"].rotation = {-5, -8, 0};
    p["RightUpperArm"].rotation = {-82, 0, -12};
    p["RightForearm"].rotation = {-8, 0, 0};
    return p.pose;
}

// The fire held high over his head.
Pose KatuRaised(const Rig& rig, float tremble) {
    Posing p{rig, KatuPointing(rig)};
    p["Head"].rotation = {-18, 0, 0};
    p["Chest"].rotation = {-10, 0, 0};
    p["RightUpperArm"].rotation = {-168 + 3 * tremble, 0, -12 + 2 * tremble};
    p["RightForearm"].rotation = {-12, 0, 0};
    p["LeftUpperArm"].rotation = {-30, 0, 14};
    p["LeftForearm"].rotation = {-40, 0, 0};
    p["Staff"].rotation = {70, 0, 0};
    p["Cape"].rotation = {-6, 0, 0};
    return p.pose;
}

// Drawn back behind his shoulder, the body wound up.
Pose KatuWound(const Rig& rig) {
    Posing p{rig, KatuRaised(rig, 0)};
    p["Robe"].rotation = {0, -10, 0};
    p["Chest"].rotation = {-8, -28, 0};
    p["Head"].rotation = {-6, 22, 0};
    p["RightUpperArm"].rotation = {-110, 0, -40};
    p["RightForearm"].rotation = {-70, 0, 0};
    p["Cape"].rotation = {-10, 0, 0};
    return p.pose;
}

// The throw: arm and body flung forward at the hero.
Pose KatuThrown(const Rig& rig) {
    Posing p{rig, KatuWound(rig)};
    p["Robe"].rotation = {0, 8, 0};
    p["Chest"].rotation = {14, 16, 0};
    p["Head"].rotation = {-14, -10, 0};
    p["RightUpperArm"].rotation = {-88, 0, -4};
    p["RightForearm"].rotation = {-4, 0, 0};
    p["Cape"].rotation = {-18, 0, 0};
    return p.pose;
}

} // namespace

Rig BuildKatuRig() {
    Rig rig;
    const int32_t robe = Colour(rig, 62, 30, 84), trim = Colour(rig, 205, 160, 60),
                  skin = Colour(rig, 168, 176, 192), bone = Colour(rig, 232, 222, 190),
                  cape = Colour(rig, 150, 22, 34), glow = Colour(rig, 255, 150, 30),
                  wood = Colour(rig, 54, 38, 30), fire = Colour(rig, 255, 200, 70);
    const Affine flat = Scaling({1, 1, 0.8f});

    const int root = AddPart(
        rig, "Robe", -1, {0, 1.05f, 0}, robe,
        Transformed(Transformed(MakeCylinder(0.52f, 0.27f, 1.36f, 10, true), Translation({0, 0, 0})), flat));
    AddPart(rig, "Sash", root, {0, 1.05f, 0}, trim,
            Transformed(Transformed(MakeCylinder(0.31f, 0.3f, 0.1f, 10, false), Translation({0, 1.0f, 0})),
                        flat));
    Geometry chest = Transformed(MakeCylinder(0.27f, 0.37f, 0.55f, 8, true), Translation({0, 1.3f, 0}));
    Append(chest, Transformed(MakeCylinder(0.37f, 0.12f, 0.12f, 8, false), Translation({0, 1.85f, 0})));
    const int chestPart = AddPart(rig, "Chest", root, {0, 1.3f, 0}, robe, Transformed(chest, flat));

    // Shoulder plates, each with a spike thrust up and out.
    Geometry mantle;
    for (float x : {0.42f, -0.42f}) {
        Append(mantle, Ball({x, 1.86f, 0}, 0.18f, 3, 5, {1.1f, 0.8f, 1.0f}));
        Append(mantle, Horn({x * 1.05f, 1.96f, -0.02f}, {x * 1.6f, 2.42f, -0.1f}, 0.06f));
    }
    AddPart(rig, "Mantle", chestPart, {0, 1.8f, 0}, trim, mantle);

    Geometry head = Limb({0, 1.84f, 0}, {0, 1.99f, 0}, 0.07f, 0.07f, 6);
    Append(head, Ball({0, 2.1f, 0.01f}, 0.14f, 5, 8, {0.9f, 1.15f, 1.0f}));
    const int headPart = AddPart(rig, "Head", chestPart, {0, 1.92f, 0}, skin, head);
    // Horns sweeping up and back from the temples.
    Geometry horns;
    for (float x : {0.09f, -0.09f}) {
        const CVector3 base = {x, 2.2f, -0.02f}, bend = {x * 2.9f, 2.42f, -0.12f},
                       tip = {x * 3.2f, 2.74f, -0.34f};
        Append(horns, Limb(base, bend, 0.055f, 0.038f, 5));
        Append(horns, Horn(bend, tip, 0.038f));
    }
    AddPart(rig, "Horns", headPart, {0, 1.92f, 0}, bone, horns);
    Geometry eyes = Block({0.05f, 2.13f, 0.125f}, {0.055f, 0.025f, 0.02f});
    Append(eyes, Block({-0.05f, 2.13f, 0.125f}, {0.055f, 0.025f, 0.02f}));
    AddPart(rig, "Eyes", headPart, {0, 1.92f, 0}, glow, eyes);

    // The cape hangs from the shoulders and flares to the ground behind him.
    std::vector<CVector2> hem = {{-0.36f, 1.86f}, {0.36f, 1.86f}, {0.56f, 0.9f},
                                 {0.7f, 0.03f},   {-0.7f, 0.03f}, {-0.56f, 0.9f}};
    Geometry capeShape = MakeExtrusion(hem, -0.015f, 0.015f);
    Transform(capeShape, Translation({0, 0, -0.32f}) * RotationX(-90.0f));
    AddPart(rig, "Cape", chestPart, {0, 1.86f, -0.3f}, cape, capeShape);

    for (int side = 0; side < 2; ++side) {
        const float x = side == 0 ? 0.42f : -0.42f; // +x is his left
        const std::string name = side == 0 ? "Left" : "Right";
        const int shoulder = AddPart(rig, name + "UpperArm", chestPart, {x, 1.8f, 0}, robe,
                                     Limb({x, 1.8f, 0}, {x * 1.1f, 1.38f, 0}, 0.085f, 0.075f, 6));
        // A sleeve flaring to the wrist, a clawed hand below.
        const CVector3 wrist = {x * 1.16f, 0.98f, 0.02f}, hand = {x * 1.18f, 0.9f, 0.03f};
        Geometry fore = Limb({x * 1.1f, 1.38f, 0}, wrist, 0.075f, 0.13f, 8);
        Append(fore, Ball(hand, 0.065f, 3, 5));
        Append(fore, Horn(hand + CVector3{0, -0.03f, 0.03f}, hand + CVector3{0, -0.16f, 0.07f}, 0.02f));
        const int elbow = AddPart(rig, name + "Forearm", shoulder, {x * 1.1f, 1.38f, 0}, skin, fore);
        if (side == 0) {
            // A staff taller than he is, forked at the top.
            Geometry staff = Transformed(MakeCylinder(0.035f, 0.03f, 2.6f, 6, true),
                                         Translation({hand.x, -0.05f, hand.z}));
            Append(staff, Horn({hand.x, 2.45f, hand.z}, {hand.x + 0.14f, 2.78f, hand.z}, 0.04f));
            Append(staff, Horn({hand.x, 2.45f, hand.z}, {hand.x - 0.14f, 2.78f, hand.z}, 0.04f));
            const int staffPart = AddPart(rig, "Staff", elbow, hand, wood, staff);
            AddPart(rig, "Crystal", staffPart, hand, glow,
                    Ball({hand.x, 2.62f, hand.z}, 0.07f, 3, 6, {1, 1.4f, 1}));
        } else {
            AddPart(rig, "Fire", elbow, hand, fire, Ball(hand + CVector3{0, -0.02f, 0.12f}, 0.16f, 4, 8));
        }
    }
    return rig;
}

std::vector<Mesh> KatuStage1Frames(const Rig& rig) {
    const Pose bowed = KatuBowed(rig), pointing = KatuPointing(rig);
    std::vector<Mesh> out;
    for (int f = 0; f < kStoryFrames; ++f) {
        Mesh m = PosedMesh(rig, BlendPoses(bowed, pointing, Ease(Fraction(f, 4, 30))));
        Swell(m, "Fire", kFireSmall);
        out.push_back(std::move(m));
    }
    return out;
}

std::vector<Mesh> KatuCastFrames(const Rig& rig) {
    const Pose pointing = KatuPointing(rig), raised = KatuRaised(rig, 0), wound = KatuWound(rig),
               thrown = KatuThrown(rig);
    std::vector<Mesh> out;
    for (int f = 0; f < kStoryFrames; ++f) {
        Pose p;
        float fire = 1.0f;
        // The stage after this one restarts at frame 2, so frames 2 to 10 keep
        // to one held pose and the restart does not jump.
        if (f <= 2) {
            p = BlendPoses(pointing, raised, Ease(Fraction(f, 0, 2)));
            fire = kFireSmall + (0.8f - kFireSmall) * Fraction(f, 0, 2);
        } else if (f <= 10) {
            p = KatuRaised(rig, std::sin(static_cast<float>(f) * 2.1f));
            fire = 0.8f + 0.04f * std::sin(static_cast<float>(f) * 1.7f);
        } else if (f <= 28) {
            p = BlendPoses(raised, wound, Ease(Fraction(f, 10, 28)));
            fire = 0.8f + 0.9f * Fraction(f, 10, 28);
        } else {
            p = BlendPoses(wound, thrown, Ease(Fraction(f, 28, 33)));
            fire = 1.7f - 1.5f * Fraction(f, 28, 33); // gone into the balls he throws
        }
        Mesh m = PosedMesh(rig, p);
        Swell(m, "Fire", fire);
        out.push_back(std::move(m));
    }
    return out;
}

Mesh BuildLavaBallMesh() {
    Mesh m;
    const int32_t core = AddMaterial(m, "", 255, 170, 40), crust = AddMaterial(m, "", 200, 50, 10);
    AddObject(m, "Core", core, MakeSphere(kLavaBallRadius, 6, 10));
    // Dark crust plates break the glow so the ball reads as rolling rock.
    Geometry plates;
    for (int k = 0; k < 5; ++k) {
        const float a = Radians(72.0f * static_cast<float>(k)), b = Radians(k % 2 ? 30.0f : -25.0f);
        const CVector3 dir = {std::cos(a) * std::cos(b), std::sin(b), std::sin(a) * std::cos(b)};
        Append(plates, Ball(dir * (kLavaBallRadius * 0.82f), kLavaBallRadius * 0.34f, 3, 5, {1, 0.6f, 1}));
    }
    AddObject(m, "Crust", crust, plates);
    return m;
}

namespace {

// Standing before the rock, looking down at the sword in it.
Pose SwordStandPose(const Rig& rig) {
    Posing stand{rig, HeroStandPose(rig)};
    stand["Head"].rotation = {18, 0, 0};
    stand["RightForearm"].rotation = {-20, 0, 0};
    return stand.pose;
}

// How far the sword in his right fist is turned from straight down: the
// sum of the turns about x down the chain from the pelvis to the forearm,
// and the fist's own hold on it.
float SwordTiltFromDown(const Rig& rig, Pose pose) {
    float turn = kSwordHoldAngle - 180.0f;
    for (const char* part : {"Pelvis", "Torso", "RightUpperArm", "RightForearm", "SwordBlade"})
        turn += NamedJoint(rig, pose, part).rotation.x;
    return turn;
}

// Bent a little over the rock, right hand closed on the hilt: the sword
// turned in his fist so that it stands straight up from the stone.
Pose SwordGripPose(const Rig& rig) {
    Posing grip{rig, SwordStandPose(rig)};
    grip["Pelvis"].offset = {0, -0.06f, 0};
    grip["Torso"].rotation = {15, 0, 0};
    grip["Head"].rotation = {14, 0, 0};
    grip["LeftThigh"].rotation = {-18, 0, 4};
    grip["LeftShin"].rotation = {28, 0, 0};
    grip["RightThigh"].rotation = {-18, 0, -4};
    grip["RightShin"].rotation = {28, 0, 0};
    grip["RightUpperArm"].rotation = {-50, 0, 4};
    grip["RightForearm"].rotation = {-25, 0, 0};
    grip["LeftUpperArm"].rotation = {-10, 0, 14};
    grip["LeftForearm"].rotation = {-30, 0, 0};
    grip["SwordBlade"].rotation.x -= SwordTiltFromDown(rig, grip.pose);
    return grip.pose;
}

bool IsSwordPart(const std::string& name) {
    return name == "SwordBlade" || name == "SwordHilt";
}

} // namespace

SwordRock SwordRockPlace() {
    const Rig rig = BuildHeroRig();
    const Mesh held = PosedMesh(rig, SwordGripPose(rig));
    SwordRock rock;
    for (const MeshObject& o : held.objects) {
        if (o.name != "SwordBlade" || o.geometry.vertices.empty()) continue;
        CVector3 low = o.geometry.vertices.front().position, high = low;
        for (const MeshVertex& v : o.geometry.vertices) {
            low = {std::min(low.x, v.position.x), std::min(low.y, v.position.y),
                   std::min(low.z, v.position.z)};
            high = {std::max(high.x, v.position.x), std::max(high.y, v.position.y),
                    std::max(high.z, v.position.z)};
        }
        rock.blade = {(low.x + high.x) * 0.5f, 0.0f, (low.z + high.z) * 0.5f};
        rock.top = low.y + (high.y - low.y) * 0.36f;
    }
    return rock;
}

std::vector<Mesh> HeroGetSwordFrames(const Rig& rig) {
    const Pose stand = SwordStandPose(rig), grip = SwordGripPose(rig);

    // Pulled free and held before him, point up.
    Posing drawn{rig, HeroStandPose(rig)};
    drawn["Torso"].rotation = {-2, 0, 0};
    drawn["RightUpperArm"].rotation = {-60, 0, 4};
    drawn["RightForearm"].rotation = {-70, 0, 0};
    drawn["LeftUpperArm"].rotation = {-20, 0, 10};
    drawn["LeftForearm"].rotation = {-50, 0, 0};

    // Raised to the sky, his head up to it.
    Posing raised{rig, RestPose(rig)};
    raised["Torso"].rotation = {-6, 0, 0};
    raised["Head"].rotation = {-20, 0, 0};
    raised["RightUpperArm"].rotation = {-172, 0, -14};
    raised["RightForearm"].rotation = {-10, 0, 0};
    raised["LeftUpperArm"].rotation = {8, 0, 20};
    raised["LeftForearm"].rotation = {-20, 0, 0};
    raised["LeftThigh"].rotation = {0, 0, 6};
    raised["RightThigh"].rotation = {0, 0, -6};

    // Until his hand closes on it the sword stands in the rock; then he
    // draws it straight up out of the stone, and only once the point is
    // clear does it turn in his fist to point up.
    const Mesh planted = PosedMesh(rig, grip);
    std::vector<Mesh> out;
    for (int f = 0; f < kStoryFrames; ++f) {
        Pose p;
        if (f <= kSwordGripFrame)
            p = BlendPoses(stand, grip, Ease(Fraction(f, 3, kSwordGripFrame)));
        else if (f <= 24)
            p = BlendPoses(grip, drawn.pose, Ease(Fraction(f, kSwordGripFrame, 24)));
        else
            p = BlendPoses(drawn.pose, raised.pose, Ease(Fraction(f, 24, 32)));
        if (f > kSwordGripFrame && f <= 24) {
            JointPose& sword = NamedJoint(rig, p, "SwordBlade");
            sword.rotation.x = 0.0f;
            const float upright = -SwordTiltFromDown(rig, p);
            sword.rotation.x = upright * (1.0f - Ease(Fraction(f, kSwordDrawnFrame, 24)));
        }
        Mesh m = PosedMesh(rig, p);
        if (f < kSwordGripFrame)
            for (size_t o = 0; o < m.objects.size(); ++o)
                if (IsSwordPart(m.objects[o].name)) m.objects[o].geometry = planted.objects[o].geometry;
        out.push_back(std::move(m));
    }
    return out;
}

std::vector<Pose> HeroDodgePoses(const Rig& rig) {
    const Pose stand = HeroStandPose(rig);
    // Knees bent, sword up, watching them come.
    Posing ready{rig, stand};
    ready["Pelvis"].offset = {0, -0.12f, 0};
    ready["Torso"].rotation = {12, 0, 0};
    ready["Head"].rotation = {-8, 0, 0};
    ready["LeftThigh"].rotation = {-25, 0, 8};
    ready["LeftShin"].rotation = {40, 0, 0};
    ready["RightThigh"].rotation = {-15, 0, -8};
    ready["RightShin"].rotation = {35, 0, 0};
    ready["RightUpperArm"].rotation = {-45, 0, -12};
    ready["RightForearm"].rotation = {-55, 0, 0};
    ready["LeftUpperArm"].rotation = {-25, 0, 18};
    ready["LeftForearm"].rotation = {-70, 0, 0};
    // Thrown low to his right (-x), the left leg stretched behind the push.
    Posing dived{rig, ready.pose};
    dived["Pelvis"].offset = {-1.35f, -0.42f, 0.1f};
    dived["Pelvis"].rotation = {0, 0, 22};
    dived["Torso"].rotation = {30, 0, 12};
    dived["Head"].rotation = {-25, 20, 0};
    dived["LeftThigh"].rotation = {-10, 0, 40};
    dived["LeftShin"].rotation = {20, 0, 0};
    dived["RightThigh"].rotation = {-70, 0, -20};
    dived["RightShin"].rotation = {100, 0, 0};
    dived["RightUpperArm"].rotation = {-30, 0, -50};
    dived["RightForearm"].rotation = {-40, 0, 0};
    dived["LeftUpperArm"].rotation = {-60, 0, 30};
    dived["LeftForearm"].rotation = {-80, 0, 0};
    // Crouched where he landed, looking back after them as they pass.
    Posing after{rig, dived.pose};
    after["Pelvis"].offset = {-1.35f, -0.3f, 0.1f};
    after["Pelvis"].rotation = {0, 0, 8};
    after["Torso"].rotation = {18, 25, 4};
    after["Head"].rotation = {-10, 45, 0};
    after["RightUpperArm"].rotation = {-50, 0, -25};
    std::vector<Pose> out;
    for (int f = 0; f < kStoryFrames; ++f) {
        if (f <= 8)
            out.push_back(BlendPoses(stand, ready.pose, Ease(Fraction(f, 0, 8))));
        else if (f <= 15)
            out.push_back(BlendPoses(ready.pose, dived.pose, Ease(Fraction(f, 8, 15))));
        else
            out.push_back(BlendPoses(dived.pose, after.pose, Ease(Fraction(f, 18, 34))));
    }
    return out;
}
