#include "content/effects.h"

#include "content/characters.h"

#include <algorithm>
#include <cmath>

namespace {

float Fraction(int frame, int from, int to) {
    return Clamp01(static_cast<float>(frame - from) / static_cast<float>(to - from));
}

// A long crystal along +y from the origin: a six-sided bipyramid, flat-shaded.
Geometry Shard(float length, float radius) {
    Geometry g;
    const CVector3 tip = {0, length, 0}, foot = {0, 0, 0};
    const float waist = length * 0.3f;
    for (int s = 0; s < 6; ++s) {
        const float a0 = 2 * kPi * static_cast<float>(s) / 6.0f,
                    a1 = 2 * kPi * static_cast<float>(s + 1) / 6.0f;
        const CVector3 p0 = {radius * std::cos(a0), waist, radius * std::sin(a0)};
        const CVector3 p1 = {radius * std::cos(a1), waist, radius * std::sin(a1)};
        for (const CVector3& apex : {tip, foot}) {
            const CVector3 n = Normalize(Cross(p1 - apex, p0 - apex));
            const CVector3 out = Normalize(CVector3{std::cos(a0), 0, std::sin(a0)} + (apex - p0) * 0.0f);
            const CVector3 facing = Dot(n, out) >= 0 ? n : -n;
            const int32_t base = static_cast<int32_t>(g.vertices.size());
            g.vertices.push_back({apex, facing, {0.5f, apex.y > 0 ? 1.0f : 0.0f}});
            g.vertices.push_back({p0, facing, {0.0f, 0.3f}});
            g.vertices.push_back({p1, facing, {1.0f, 0.3f}});
            AddTriangleFacing(g, base, base + 1, base + 2, facing);
        }
    }
    return g;
}

// Shard i's direction out of the cluster's heart, and its size.
struct ShardPlace {
    CVector3 tilt; // degrees: x then z then y
    float length, radius;
};

constexpr int kShards = 12;
ShardPlace IceShard(int i) {
    const float yaw = 360.0f * static_cast<float>(i) / kShards + (i % 2 ? 15.0f : 0.0f);
    const float lean = i < 2 ? 8.0f : (i % 3 == 0 ? 35.0f : (i % 3 == 1 ? 60.0f : 95.0f));
    return {
        {lean, 0, yaw}, 2.1f - 0.08f * static_cast<float>(i % 5), 0.26f + 0.03f * static_cast<float>(i % 3)};
}

Affine ShardAim(const ShardPlace& p) {
    return RotationY(p.tilt.z) * RotationX(p.tilt.x);
}

const CVector3 kUp = {0, 1, 0};

Mesh IceMeshWith(const std::function<Affine(int, const ShardPlace&)>& place) {
    Mesh m;
    const int32_t pale = AddMaterial(m, "", 185, 235, 255);
    const int32_t deep = AddMaterial(m, "", 90, 170, 245);
    for (int i = 0; i < kShards; ++i) {
        const ShardPlace p = IceShard(i);
        AddObject(m, "Shard" + std::to_string(i), i % 3 == 2 ? deep : pale,
                  Transformed(Shard(p.length, p.radius), place(i, p)));
    }
    return m;
}

// A rock chunk: a squashed, lumpy ball.
Geometry Chunk(float radius, uint32_t seed) {
    Geometry g = MakeSphere(radius, 4, 6);
    for (MeshVertex& v : g.vertices) {
        const float bump = 0.75f + 0.5f * TileNoise(v.position.x * 3 + static_cast<float>(seed),
                                                    v.position.z * 3 + v.position.y * 2, 16, seed);
        v.position = v.position * bump;
    }
    return g;
}

constexpr int kRockChunks = 7;
CVector3 ChunkHome(int i) {
    if (i == 0) return {0, 0, 0};
    const float a = 2 * kPi * static_cast<float>(i) / 6.0f;
    return {0.7f * std::cos(a), (i % 2 ? 0.35f : -0.3f), 0.7f * std::sin(a)};
}

Geometry Strip(CVector3 from, CVector3 to, float width, float y) {
    const CVector3 d = to - from;
    const float length = std::sqrt(d.x * d.x + d.z * d.z);
    const float yaw = std::atan2(d.x, d.z) * 180.0f / kPi;
    const CVector3 mid = (from + to) * 0.5f;
    return Transformed(MakeBox({width, 0.04f, length}), Translation({mid.x, y, mid.z}) * RotationY(yaw));
}

// A flat ring of quads in the x-z plane.
Geometry Annulus(float inner, float outer, float y, int segments) {
    Geometry g;
    for (int s = 0; s <= segments; ++s) {
        const float a = 2 * kPi * static_cast<float>(s) / static_cast<float>(segments);
        const float c = std::cos(a), sn = std::sin(a);
        const float u = static_cast<float>(s) / static_cast<float>(segments);
        g.vertices.push_back({{inner * c, y, inner * sn}, kUp, {u, 0}});
        g.vertices.push_back({{outer * c, y, outer * sn}, kUp, {u, 1}});
    }
    for (int s = 0; s < segments; ++s) {
        const int32_t a = 2 * s;
        AddTriangleFacing(g, a, a + 1, a + 3, kUp);
        AddTriangleFacing(g, a, a + 3, a + 2, kUp);
    }
    return g;
}

} // namespace

Image PaintFlame() {
    const int size = 128;
    Image image = MakeImage(size, size, {0, 0, 0, 0});
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float dx = (static_cast<float>(x) + 0.5f) / size * 2 - 1;
            const float dy = (static_cast<float>(y) + 0.5f) / size * 2 - 1;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float angle = std::atan2(dy, dx);
            // Tongues of flame: the edge wavers with the angle.
            const float edge = 0.75f + 0.25f * TileFbm((angle + kPi) / (2 * kPi) * 8, r * 3, 8, 3, 41);
            const float heat = Clamp01(1.0f - r / edge);
            const Color hot = {1.0f, 1.0f, 0.8f, 1}, mid = {1.0f, 0.6f, 0.05f, 1},
                        rim = {1.0f, 0.2f, 0.0f, 1};
            Color c = heat > 0.4f ? Mix(mid, hot, (heat - 0.4f) / 0.6f) : Mix(rim, mid, heat / 0.4f);
            c.a = SmoothStep(0.0f, 0.12f, heat);
            image.At(x, y) = c;
        }
    return image;
}

Mesh BuildExplosionMesh() {
    Mesh m;
    const int32_t flame = AddMaterial(m, "Flame.tga", 255, 230, 180);
    AddObject(m, "Core", flame, MakeSphere(0.35f, 5, 10));
    Geometry spikes;
    for (int i = 0; i < 10; ++i) {
        const float yaw = 36.0f * static_cast<float>(i);
        const float pitch = i % 2 ? 50.0f : 110.0f;
        Append(spikes, Transformed(MakeCone(0.13f, 0.75f, 5),
                                   RotationY(yaw) * RotationX(pitch) * Translation({0, 0.2f, 0})));
    }
    Append(spikes, Transformed(MakeCone(0.15f, 0.8f, 5), Translation({0, 0.2f, 0})));
    AddObject(m, "Spikes", flame, spikes);
    return m;
}

Mesh BuildPentagramMesh(uint8_t red, uint8_t green, uint8_t blue) {
    Mesh m;
    const int32_t glow = AddMaterial(m, "", red, green, blue);
    const int32_t pale = AddMaterial(m, "", static_cast<uint8_t>(std::min(255, red + 90)),
                                     static_cast<uint8_t>(std::min(255, green + 90)),
                                     static_cast<uint8_t>(std::min(255, blue + 90)));
    const float y = -0.15f; // just above the floor the hero stands on
    AddObject(m, "Ring", glow, Annulus(2.05f, 2.3f, y, 40));
    AddObject(m, "InnerRing", pale, Annulus(0.8f, 0.9f, y + 0.01f, 24));
    Geometry star;
    CVector3 points[5];
    for (int k = 0; k < 5; ++k) {
        const float a = Radians(90.0f + 72.0f * static_cast<float>(k));
        points[k] = {2.05f * std::cos(a), 0, 2.05f * std::sin(a)};
    }
    for (int k = 0; k < 5; ++k) Append(star, Strip(points[k], points[(k + 2) % 5], 0.12f, y + 0.02f));
    AddObject(m, "Star", pale, star);
    return m;
}

Mesh IceCrushFrame(int frame) {
    const float grow = Ease(Fraction(frame, 0, 17));
    const float burst = Fraction(frame, 17, 34);
    return IceMeshWith([&](int i, const ShardPlace& p) {
        const Affine aim = ShardAim(p);
        if (burst <= 0) {
            // Forming: each shard grows out of the heart, a little later than the one before.
            const float own = Clamp01(grow * 1.3f - 0.02f * static_cast<float>(i));
            return Translation(TransformPoint(aim, {0, -0.5f, 0}) * own) * aim *
                   Scaling({own, std::max(own, 0.001f), own});
        }
        // Shattering: thrown outward along its own line, falling, spinning, melting away.
        const CVector3 out = TransformPoint(aim, kUp);
        const float spin = 400.0f * burst * (i % 2 ? 1.0f : -1.0f);
        const float left = 1.0f - burst;
        const CVector3 at = out * (3.2f * burst) + CVector3{0, 1.2f * burst - 3.5f * burst * burst, 0};
        return Translation(at + TransformPoint(aim, {0, -0.5f, 0})) *
               RotationAbout({0, 0, 0}, {spin, 0, spin * 0.5f}) * aim * Scaling({left, left, left});
    });
}

Rig BuildKintosRig() {
    Rig rig;
    Mesh m;
    const int32_t hide = AddMaterial(m, "", 165, 70, 50);
    const int32_t bone = AddMaterial(m, "", 235, 225, 195);
    const int32_t eye = AddMaterial(m, "", 255, 235, 60);
    const int32_t dark = AddMaterial(m, "", 95, 45, 40);
    rig.materials = m.materials;
    const int root =
        AddPart(rig, "Hips", -1, {0, 3, 0}, dark,
                Transformed(MakeCylinder(2.4f, 2.0f, 3.8f, 10, true), Translation({0, -0.4f, 0})));
    const int chest = AddPart(rig, "Chest", root, {0, 3.5f, 0}, hide,
                              Transformed(MakeCylinder(2.0f, 2.9f, 4.0f, 10, true),
                                          Translation({0, 3.4f, 0}) * Scaling({1, 1, 0.75f})));
    const int head = AddPart(
        rig, "Head", chest, {0, 7.4f, 0}, hide,
        Transformed(MakeSphere(1.35f, 5, 9), Translation({0, 8.6f, 0.3f}) * Scaling({1, 1.1f, 0.95f})));
    AddPart(rig, "Jaw", head, {0, 8.0f, 0.6f}, dark,
            Transformed(MakeBox({1.6f, 0.5f, 1.2f}), Translation({0, 7.8f, 0.9f})));
    for (int side = 0; side < 2; ++side) {
        const float s = side == 0 ? 1.0f : -1.0f;
        const std::string name = side == 0 ? "Left" : "Right";
        AddPart(
            rig, name + "Horn", head, {s * 0.9f, 9.4f, 0}, bone,
            Transformed(MakeCone(0.35f, 2.0f, 6), Translation({s * 0.9f, 9.3f, 0}) * RotationZ(-s * 35.0f)));
        AddPart(rig, name + "Eye", head, {s * 0.5f, 8.8f, 1.3f}, eye,
                Transformed(MakeSphere(0.26f, 3, 6), Translation({s * 0.5f, 8.85f, 1.62f})));
        const int arm =
            AddPart(rig, name + "Arm", chest, {s * 2.9f, 7.0f, 0}, hide,
                    Transformed(MakeCylinder(0.55f, 0.75f, 4.0f, 8, true), Translation({s * 3.1f, 3.0f, 0})));
        AddPart(rig, name + "Fist", arm, {s * 3.1f, 3.0f, 0}, dark,
                Transformed(MakeSphere(0.9f, 4, 8), Translation({s * 3.1f, 2.6f, 0})));
        AddPart(rig, name + "Spike", chest, {s * 1.2f, 7.0f, -1.5f}, bone,
                Transformed(MakeCone(0.45f, 2.2f, 6), Translation({s * 1.2f, 6.6f, -1.4f}) *
                                                          RotationX(-40.0f) * RotationZ(-s * 20.0f)));
    }
    // Authored facing +z; it rises facing the hero, towards -z.
    const Affine turn = RotationY(180.0f);
    for (RigPart& part : rig.parts) {
        part.pivot = TransformPoint(turn, part.pivot);
        Transform(part.geometry, turn);
    }
    return rig;
}

Pose KintosPose(const Rig& rig, int frame) {
    Pose p = RestPose(rig);
    const auto joint = [&](const char* part) -> JointPose& { return NamedJoint(rig, p, part); };
    // Out of the ground by frame 26, then the arms go up to call the rocks.
    const float rise = Ease(Fraction(frame, 0, 26));
    const float call = Ease(Fraction(frame, 22, 34));
    const float sway = std::sin(static_cast<float>(frame) * 0.5f);
    joint("Hips").offset = {0, -14.0f * (1.0f - rise), 0};
    joint("Chest").rotation = {8.0f * call + 4.0f * sway * (1 - call), 0, 0};
    joint("Head").rotation = {15.0f * call, 0, 0};
    joint("Jaw").offset = {0, -0.35f * call, 0};
    joint("LeftArm").rotation = {20.0f * call, 0, -25.0f - 115.0f * call};
    joint("RightArm").rotation = {20.0f * call, 0, 25.0f + 115.0f * call};
    return p;
}

Mesh RockFrame(int frame) {
    Mesh m;
    const int32_t stone = AddMaterial(m, "", 140, 118, 92);
    const int32_t dark = AddMaterial(m, "", 100, 84, 66);
    // Falling until frame 20 from 16 up onto the monster, then breaking and sinking.
    const float fall = Fraction(frame, 0, 20);
    const float drop = 16.0f * (1.0f - fall * fall);
    const float burst = Fraction(frame, 20, 27);
    const float sink = Fraction(frame, 27, 34);
    const float spin = 25.0f * static_cast<float>(std::min(frame, 20));
    for (int i = 0; i < kRockChunks; ++i) {
        const CVector3 home = ChunkHome(i);
        const CVector3 out = CVector3{home.x, 0.4f, home.z} * (2.2f * burst);
        const float left = 1.0f - sink;
        const CVector3 at = home + out + CVector3{0, 1.6f + drop - 1.2f * burst - 1.4f * sink, 0};
        const Affine place =
            Translation(at) * RotationAbout({0, 0, 0}, {spin, spin * 0.6f, 0}) * Scaling({left, left, left});
        AddObject(m, "Chunk" + std::to_string(i), i % 2 ? dark : stone,
                  Transformed(Chunk(i == 0 ? 0.95f : 0.6f, 90u + static_cast<uint32_t>(i)), place));
    }
    return m;
}

Pose HeroFuryPose(const Rig& hero, int frame) {
    Pose stand = HeroStandPose(hero);
    auto with = [&](std::initializer_list<std::pair<const char*, CVector3>> turns, CVector3 hips) {
        Pose p = stand;
        for (const auto& [part, rotation] : turns) {
            const int i = FindPart(hero, part);
            if (i >= 0) p.joints[static_cast<size_t>(i)].rotation = rotation;
        }
        const int root = FindPart(hero, "Pelvis");
        if (root >= 0) p.joints[static_cast<size_t>(root)].offset = hips;
        return p;
    };
    // Negative x swings a limb forward; a positive x leans the torso forward.
    const Pose crouch = with({{"Torso", {28, 0, 0}},
                              {"LeftThigh", {-70, 0, 0}},
                              {"RightThigh", {-50, 0, 0}},
                              {"LeftShin", {95, 0, 0}},
                              {"RightShin", {85, 0, 0}},
                              {"RightUpperArm", {45, 0, -15}},
                              {"RightForearm", {-30, 0, 0}},
                              {"LeftUpperArm", {-30, 0, 15}}},
                             {0, -0.35f, 0.3f});
    const Pose top = with({{"Torso", {-12, 0, 0}},
                           {"Head", {-15, 0, 0}},
                           {"LeftThigh", {-40, 0, 0}},
                           {"RightThigh", {-10, 0, 0}},
                           {"LeftShin", {80, 0, 0}},
                           {"RightShin", {50, 0, 0}},
                           {"RightUpperArm", {-175, 0, 10}},
                           {"RightForearm", {-20, 0, 0}},
                           {"LeftUpperArm", {-165, 0, -10}},
                           {"LeftForearm", {-25, 0, 0}}},
                          {0, 3.2f, 7.0f});
    const Pose strike = with({{"Torso", {42, 0, 0}},
                              {"Head", {10, 0, 0}},
                              {"LeftThigh", {-80, 0, 0}},
                              {"RightThigh", {-20, 0, 0}},
                              {"LeftShin", {100, 0, 0}},
                              {"RightShin", {60, 0, 0}},
                              {"RightUpperArm", {-55, 0, -5}},
                              {"RightForearm", {-10, 0, 0}},
                              {"LeftUpperArm", {-20, 0, 20}},
                              {"LeftForearm", {-40, 0, 0}}},
                             {0, -0.3f, 9.2f});
    const Pose recover = with({{"Torso", {15, 0, 0}},
                               {"LeftThigh", {-35, 0, 0}},
                               {"RightThigh", {-10, 0, 0}},
                               {"LeftShin", {50, 0, 0}},
                               {"RightShin", {30, 0, 0}},
                               {"RightUpperArm", {-40, 0, -10}},
                               {"RightForearm", {-30, 0, 0}}},
                              {0, -0.1f, 9.2f});
    if (frame <= 6) return BlendPoses(stand, crouch, Ease(Fraction(frame, 0, 6)));
    if (frame <= kFuryPauseFrame) {
        Pose p = BlendPoses(crouch, top, Ease(Fraction(frame, 6, kFuryPauseFrame)));
        // The leap rises fast and levels out at the top.
        const float t = Fraction(frame, 6, kFuryPauseFrame);
        const int root = FindPart(hero, "Pelvis");
        if (root >= 0)
            p.joints[static_cast<size_t>(root)].offset = {0, -0.35f + 3.55f * std::sin(t * kPi * 0.5f),
                                                          0.3f + 6.7f * t};
        return p;
    }
    if (frame <= 27)
        return BlendPoses(top, strike,
                          Fraction(frame, kFuryPauseFrame, 27) * Fraction(frame, kFuryPauseFrame, 27));
    return BlendPoses(strike, recover, Ease(Fraction(frame, 27, 34)));
}

void BuildEffects(DataWriter& w) {
    WriteMesh(w, "Objects\\Effects\\Explosion.m3d", BuildExplosionMesh());
    WriteMesh(w, "Objects\\Effects\\Ice Pentagram.m3d", BuildPentagramMesh(90, 200, 255));
    WriteMesh(w, "Objects\\Effects\\Fire Pentagram.m3d", BuildPentagramMesh(255, 90, 20));
    w.Write("Textures/Flame.tga", WriteTGA(PaintFlame(), true));

    std::vector<Mesh> ice, rock;
    for (int f = 0; f < kEffectFrames; ++f) {
        ice.push_back(IceCrushFrame(f));
        rock.push_back(RockFrame(f));
    }
    WriteMesh(w, "Objects\\Effects\\Ice.m3d", IceCrushFrame(kFuryPauseFrame));
    WriteFrames(w, "Objects\\Effects\\IceCrush.ani", ice);
    WriteMesh(w, "Objects\\Effects\\Rock.m3d", RockFrame(20));
    WriteFrames(w, "Objects\\Effects\\RockAni.ani", rock);

    const Rig kintos = BuildKintosRig();
    std::vector<Pose> rising;
    for (int f = 0; f < kEffectFrames; ++f) rising.push_back(KintosPose(kintos, f));
    WriteMesh(w, "Objects\\Effects\\Kintos.m3d", PosedMesh(kintos, KintosPose(kintos, kEffectFrames - 1)));
    std::string text, why;
    if (WriteRigAnimation(kintos, rising, text, &why))
        w.Write("Objects\\Effects\\KintosAni.ani", text);
    else
        w.failures.push_back("Objects\\Effects\\KintosAni.ani: " + why);

    const Rig hero = BuildHeroRig();
    std::vector<Pose> leap;
    for (int f = 0; f < kEffectFrames; ++f) leap.push_back(HeroFuryPose(hero, f));
    if (WriteRigAnimation(hero, leap, text, &why))
        w.Write("Objects\\Deduvavi\\TAngelCrush.ani", text);
    else
        w.failures.push_back("Objects\\Deduvavi\\TAngelCrush.ani: " + why);

    for (const ScriptFile& s : BuildEffectScripts()) w.Write(s.gamePath, s.text);
}
