// The content builder's mesh, rig, image and sound tools, and what they write
// read back the way the game reads it.
#include "assets/animation.h"
#include "assets/camera_script.h"
#include "assets/model3d.h"
#include "assets/texture.h"
#include "content/anim.h"
#include "content/audio.h"
#include "content/characters.h"
#include "content/effects.h"
#include "content/image.h"
#include "content/levels_common.h"
#include "content/mesh.h"
#include "content/output.h"
#include "content/random.h"
#include "content/sounds.h"
#include "tests/unit/content_readback.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <tuple>

namespace {

// Little-endian fields of a written file.
uint32_t U32(const std::string& bytes, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}
// --- Geometry checks ---------------------------------------------------------

// Every triangle's winding agrees with its corners' normals.
void ExpectWindingMatchesNormals(const Geometry& g, const char* what) {
    for (const auto& t : g.triangles) {
        CVector3 a = g.vertices[t[0]].position, b = g.vertices[t[1]].position, c = g.vertices[t[2]].position;
        CVector3 face = Cross(b - a, c - a);
        CVector3 n = g.vertices[t[0]].normal + g.vertices[t[1]].normal + g.vertices[t[2]].normal;
        ASSERT_GT(Dot(face, n), 0.0f) << what;
    }
}

// A closed surface's area-weighted normals cancel out.
CVector3 NormalSum(const Geometry& g) {
    CVector3 sum = {0, 0, 0};
    for (const auto& t : g.triangles) {
        CVector3 a = g.vertices[t[0]].position, b = g.vertices[t[1]].position, c = g.vertices[t[2]].position;
        sum = sum + Cross(b - a, c - a);
    }
    return sum;
}

float CapArea(const Geometry& g, float y) {
    float area = 0;
    for (const auto& t : g.triangles) {
        CVector3 a = g.vertices[t[0]].position, b = g.vertices[t[1]].position, c = g.vertices[t[2]].position;
        CVector3 n = Cross(b - a, c - a);
        if (std::fabs(a.y - y) < 1e-5f && std::fabs(b.y - y) < 1e-5f && std::fabs(c.y - y) < 1e-5f && n.y > 0)
            area += 0.5f * Length(n);
    }
    return area;
}

TEST(ContentMesh, PrimitivesAreClosedAndFaceOutward) {
    const std::vector<CVector2> ell = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}; // concave
    std::map<std::string, Geometry> solids = {
        {"box", MakeBox({1, 2, 3})},       {"cylinder", MakeCylinder(0.5f, 0.3f, 2, 8, true)},
        {"cone", MakeCone(0.5f, 1, 7)},    {"sphere", MakeSphere(1, 6, 8)},
        {"ell", MakeExtrusion(ell, 0, 1)}, {"ell reversed", MakeExtrusion({ell.rbegin(), ell.rend()}, 0, 1)},
    };
    for (const auto& [name, g] : solids) {
        ExpectWindingMatchesNormals(g, name.c_str());
        EXPECT_LT(Length(NormalSum(g)), 1e-3f) << name;
        for (const MeshVertex& v : g.vertices) EXPECT_NEAR(Length(v.normal), 1.0f, 1e-4f) << name;
    }
    // The concave cap covers exactly the L (3 square units), not its hull.
    EXPECT_NEAR(CapArea(solids["ell"], 1), 3.0f, 1e-4f);
    EXPECT_NEAR(CapArea(solids["ell reversed"], 1), 3.0f, 1e-4f);
    // Outward means away from the middle for these convex shapes.
    for (const MeshVertex& v : solids["box"].vertices) EXPECT_GT(Dot(v.normal, v.position), 0.0f);
}

TEST(ContentMesh, HeightfieldFollowsItsFunctionAndFacesUp) {
    auto hill = [](float x, float z) { return 0.1f * x + 0.05f * z * z; };
    Geometry g = MakeHeightfield(-2, -2, 2, 2, 4, 4, hill);
    ASSERT_EQ(g.vertices.size(), 25u);
    EXPECT_EQ(g.triangles.size(), 32u);
    for (const MeshVertex& v : g.vertices) {
        EXPECT_FLOAT_EQ(v.position.y, hill(v.position.x, v.position.z));
        EXPECT_GT(v.normal.y, 0.0f);
    }
    ExpectWindingMatchesNormals(g, "heightfield");
}

TEST(ContentMesh, TransformsKeepFacesAndNormalsConsistent) {
    // A mirror turns the triangles inside out unless the winding is flipped with it.
    Geometry mirrored = Transformed(MakeBox({1, 1, 1}), Scaling({-1, 1, 1}));
    ExpectWindingMatchesNormals(mirrored, "mirrored box");
    // A squashed sphere's normals stay perpendicular to its surface.
    Geometry squashed = Transformed(MakeSphere(1, 8, 12), Scaling({2, 0.5f, 1}));
    ExpectWindingMatchesNormals(squashed, "squashed sphere");
    for (const MeshVertex& v : squashed.vertices) {
        CVector3 gradient = Normalize({v.position.x / 4, v.position.y / 0.25f, v.position.z});
        EXPECT_GT(Dot(gradient, v.normal), 0.999f);
    }
    Geometry moved = Transformed(MakeBox({2, 2, 2}), RotationAbout({1, 0, 0}, {0, 90, 0}));
    CVector3 low, high;
    Mesh m;
    AddObject(m, "b", AddMaterial(m, "", 1, 2, 3), moved);
    GetBounds(m, low, high);
    EXPECT_NEAR(low.x, 0, 1e-5f);
    EXPECT_NEAR(high.z, 2, 1e-5f);
}

TEST(ContentMesh, WrittenModelReadsBackAsBuilt) {
    Mesh m;
    int32_t tex = AddMaterial(m, "Wood.tga", 255, 255, 255);
    int32_t plain = AddMaterial(m, "", 10, 20, 30);
    EXPECT_EQ(AddMaterial(m, "Wood.tga", 255, 255, 255), tex); // shared, not repeated
    AddObject(m, "crate", tex, MakeBox({1, 1, 1}));
    AddObject(m, "ball", plain, MakeSphere(0.5f, 4, 6));
    std::string text, why;
    ASSERT_TRUE(WriteModel3D(m, text, &why)) << why;
    ReadModel r = ParseModel(text);
    ASSERT_TRUE(r.complete);
    ASSERT_EQ(r.objects.size(), 2u);
    EXPECT_EQ(r.objects[0].texels.size(), 24u);
    EXPECT_TRUE(r.objects[1].texels.empty()); // a plain colour carries no texels
    EXPECT_EQ(r.objects[1].normals.size(), r.objects[1].vertices.size());
    EXPECT_EQ(r.objects[1].material, plain);
    ASSERT_EQ(r.textures.size(), 2u);
    EXPECT_EQ(r.textures[0], "Wood.tga");
    EXPECT_EQ(r.textures[1], "");
    for (size_t i = 0; i < r.objects[0].vertices.size(); ++i)
        EXPECT_NEAR(r.objects[0].vertices[i].x, m.objects[0].geometry.vertices[i].position.x, 1e-4f);
    EXPECT_EQ(FormatFloat(-0.00001f), "0.0000");
}

TEST(ContentMesh, WriterRefusesWhatTheGameCannotRead) {
    std::string text, why;
    Mesh spaced;
    AddObject(spaced, "a", AddMaterial(spaced, "Old Wood.tga", 255, 255, 255), MakeBox({1, 1, 1}));
    EXPECT_FALSE(WriteModel3D(spaced, text, &why)); // a file name is one word
    Mesh eleventh;
    for (int i = 0; i < 10; ++i) AddMaterial(eleventh, "", static_cast<uint8_t>(i), 0, 0);
    AddObject(eleventh, "a", AddMaterial(eleventh, "Stone.tga", 255, 255, 255), MakeBox({1, 1, 1}));
    EXPECT_FALSE(WriteModel3D(eleventh, text, &why)); // only ten texture slots
    Mesh stray;
    AddObject(stray, "a", AddMaterial(stray, "", 1, 1, 1), MakeBox({1, 1, 1}))
        .geometry.triangles.push_back({0, 1, 24});
    EXPECT_FALSE(WriteModel3D(stray, text, &why));
    Mesh noMaterial;
    AddObject(noMaterial, "a", 0, MakeBox({1, 1, 1}));
    EXPECT_FALSE(WriteModel3D(noMaterial, text, &why));
}

// --- Level building -----------------------------------------------------------

TEST(ContentLevels, AnchorsCoverTheNewGameAndEveryExit) {
    for (int32_t level = 0; level < kLevelTotal; ++level) {
        const LevelRecord& record = GameLevels()[level];
        int exits = 0, newGame = 0;
        for (const LevelAnchor& a : LevelAnchors(level)) {
            exits += a.kind == AnchorExit;
            newGame += a.kind == AnchorNewGame;
        }
        EXPECT_EQ(exits, record.ExitCount) << level;
        EXPECT_EQ(newGame, level == kNewGameLevel ? 1 : 0) << level;
    }
}

TEST(ContentLevels, GroundNamedFirstIsDrawnAfterWhatStandsOnIt) {
    LevelKit kit;
    const int32_t ground = kit.Material("Ground.tga", 255, 255, 255);
    const int32_t prop = kit.Material("Wood.tga", 255, 255, 255);
    // Both spread over several tiles, so the tiles of the two must not interleave.
    kit.Draw(ground, MakeHeightfield(-30, -30, 30, 30, 6, 6, [](float, float) { return 0.0f; }));
    for (float x : {-25.0f, 0.0f, 25.0f})
        kit.Draw(prop, Transformed(MakeBox({1, 1, 1}), Translation({x, 0.5f, x})));
    const Mesh mesh = kit.FinishVisual(20.0f);
    ASSERT_GT(mesh.objects.size(), 2u);
    size_t lastProp = 0, firstGround = mesh.objects.size();
    for (size_t i = 0; i < mesh.objects.size(); ++i) {
        if (mesh.objects[i].material == prop) lastProp = i;
        if (mesh.objects[i].material == ground) firstGround = std::min(firstGround, i);
    }
    EXPECT_LT(lastProp, firstGround);
}

TEST(ContentLevels, DistantTreesAreCoarserButAsTall) {
    for (bool pine : {false, true}) {
        const auto build = [pine](bool distant) {
            LevelKit kit;
            const PropPalette palette = {kit.Material("Wood.tga", 255, 255, 255),
                                         kit.Material("Foliage.tga", 255, 255, 255), 0, 0, 0};
            Random random(7);
            AddTree(kit, palette, 0, 0, 0, 1.0f, random, pine, distant);
            return kit;
        };
        const LevelKit nearKit = build(false), farKit = build(true);
        const Mesh nearMesh = nearKit.FinishVisual(40.0f), farMesh = farKit.FinishVisual(40.0f);
        size_t nearTriangles = 0, farTriangles = 0;
        for (const MeshObject& o : nearMesh.objects) nearTriangles += o.geometry.triangles.size();
        for (const MeshObject& o : farMesh.objects) farTriangles += o.geometry.triangles.size();
        EXPECT_LT(farTriangles * 3, nearTriangles * 2) << (pine ? "pine" : "broadleaf");
        CVector3 nearLow, nearHigh, farLow, farHigh;
        GetBounds(nearMesh, nearLow, nearHigh);
        GetBounds(farMesh, farLow, farHigh);
        // The same tree from afar: its top stays where it was.
        EXPECT_NEAR(farHigh.y, nearHigh.y, 0.25f) << (pine ? "pine" : "broadleaf");
        // Its trunk still stops the hero like a near one.
        EXPECT_EQ(farKit.collision.triangles.size(), nearKit.collision.triangles.size());
    }
}

// --- Rigs and animations -----------------------------------------------------

TEST(ContentAnim, ChildPartsFollowTheirJoints) {
    Rig rig;
    rig.materials.push_back({});
    int upper = AddPart(rig, "Upper", -1, {0, 1, 0}, 0,
                        Transformed(MakeBox({0.1f, 1, 0.1f}), Translation({0, 0.5f, 0})));
    int lower = AddPart(rig, "Lower", upper, {0, 0, 0}, 0,
                        Transformed(MakeBox({0.1f, 1, 0.1f}), Translation({0, -0.5f, 0})));
    Pose p = RestPose(rig);
    p.joints[upper].rotation = {90, 0, 0}; // swings +y toward +z about (0, 1, 0)
    Mesh posed = PosedMesh(rig, p);
    std::vector<Affine> world = PoseTransforms(rig, p);
    CVector3 knee = TransformPoint(world[lower], {0, 0, 0});
    EXPECT_NEAR(knee.y, 1, 1e-5f);
    EXPECT_NEAR(knee.z, -1, 1e-5f);
    // The rest pose reproduces the authored geometry.
    Mesh rest = PosedMesh(rig, RestPose(rig));
    EXPECT_NEAR(rest.objects[1].geometry.vertices[0].position.y, rig.parts[1].geometry.vertices[0].position.y,
                1e-6f);
    EXPECT_EQ(posed.objects.size(), 2u);
    Pose half = BlendPoses(RestPose(rig), p, 0.5f);
    EXPECT_FLOAT_EQ(half.joints[upper].rotation.x, 45);
}

TEST(ContentAnim, WriterHoldsTheGamesLimits) {
    Mesh small;
    AddObject(small, "a", AddMaterial(small, "", 1, 1, 1), MakeBox({1, 1, 1}));
    std::string text, why;
    std::vector<Mesh> frames(35, small);
    ASSERT_TRUE(WriteAnimation(frames, text, &why)) << why;
    ReadAnimation read;
    ASSERT_TRUE(ParseAnimation(text, read));
    ASSERT_EQ(read.size(), 35u);
    EXPECT_EQ(read[34][0].size(), 24u);

    frames.push_back(small);
    EXPECT_FALSE(WriteAnimation(frames, text, &why)); // 36 frames
    Mesh big;
    AddObject(big, "a", AddMaterial(big, "", 1, 1, 1), MakeSphere(1, 10, 10)); // 121 vertices
    EXPECT_FALSE(WriteAnimation({big}, text, &why));
    Mesh many;
    for (int i = 0; i < 16; ++i) AddObject(many, "a", AddMaterial(many, "", 1, 1, 1), MakeBox({1, 1, 1}));
    EXPECT_FALSE(WriteAnimation({many}, text, &why));
    Mesh other = small;
    other.objects[0].geometry = MakeSphere(1, 3, 4);
    EXPECT_FALSE(WriteAnimation({small, other}, text, &why)); // frames must repeat one layout
}

// --- Pictures and sound ------------------------------------------------------

TEST(ContentImage, NoiseTilesAndResamplingKeepsColour) {
    for (float y : {0.3f, 2.7f})
        for (float x : {0.1f, 1.9f, 3.5f}) {
            EXPECT_NEAR(TileNoise(x, y, 4, 9), TileNoise(x + 4, y + 8, 4, 9), 1e-6f);
            EXPECT_NEAR(TileFbm(x, y, 4, 3, 9), TileFbm(x + 4, y - 4, 4, 3, 9), 1e-5f);
            CellSample a = TileCells(x, y, 4, 5), b = TileCells(x + 4, y, 4, 5);
            EXPECT_EQ(a.id, b.id);
        }
    Image flat = MakeImage(37, 23, {0.25f, 0.5f, 0.75f, 1});
    for (const Image& r : {Resample(flat, 16, 8), Resample(flat, 64, 64)})
        for (const Color& c : r.pixels) EXPECT_NEAR(c.g, 0.5f, 1e-5f);
}

TEST(ContentImage, TgaIsUncompressedBgrBottomRowFirst) {
    Image img = MakeImage(2, 2, {0, 0, 0, 1});
    img.At(0, 0) = {1, 0, 0, 1};    // top left red
    img.At(1, 1) = {0, 0, 1, 0.5f}; // bottom right blue, half covered
    // Read back by the game's decoder, which keeps the stored rows in order and
    // swaps B G R: the bottom row (black, blue) comes first, the top (red, black) last.
    for (const bool alpha : {false, true}) {
        const std::string tga = WriteTGA(img, alpha);
        DecodedTGA d;
        ASSERT_TRUE(DecodeTGA(reinterpret_cast<const uint8_t*>(tga.data()), tga.size(), d)) << alpha;
        EXPECT_EQ(std::tuple(tga.size(), d.width, d.height, d.bpp),
                  std::tuple(18u + d.pixels.size(), 2u, 2u, alpha ? 32u : 24u));
        const std::vector<uint8_t> want =
            alpha ? std::vector<uint8_t>{0, 0, 0, 255, 0, 0, 255, 128, 255, 0, 0, 255, 0, 0, 0, 255}
                  : std::vector<uint8_t>{0, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0, 0};
        EXPECT_EQ(d.pixels, want) << alpha;
    }
}

TEST(ContentImage, LetteringCoversTheWords) {
    Image wide = RenderText("DejaVu Serif:bold", "Quit", 40, 1.0f, 4);
    if (wide.width == 0) GTEST_SKIP() << "no font on this machine";
    Image narrow = RenderText("DejaVu Serif:bold", "Quit", 40, 0.5f, 4);
    float ink = 0;
    for (const Color& c : wide.pixels) ink += c.a;
    EXPECT_GT(ink, 100);
    EXPECT_LT(narrow.width, wide.width * 3 / 4);
    EXPECT_EQ(narrow.height, wide.height);
    EXPECT_EQ(RenderText("DejaVu Serif:bold", "", 40, 1.0f, 2).height, wide.height - 4);
}

TEST(ContentAudio, EverythingWrapsAroundTheLoop) {
    Sound s = MakeSilence(1000, 1.0);
    Instrument click;
    click.attack = 0.001f, click.decay = 0, click.sustain = 1, click.release = 0.001f, click.gain = 1;
    click.wave = Wave::Square;
    // Starts 50 ms before the end and lasts 100 ms: its second half lands at the start.
    PlayNotes(s, click, {{0.95, 0.1, 69, 1.0f}}, 60);
    float head = 0;
    for (int i = 0; i < 40; ++i) head += std::fabs(s.samples[static_cast<size_t>(i)]);
    EXPECT_GT(head, 10);
    Sound echo = MakeSilence(1000, 1.0);
    echo.samples[900] = 1;
    LoopDelay(echo, 0.2, 0.5f, 1.0f);
    EXPECT_NEAR(echo.samples[100], 1.0f / (1 - 0.03125f), 1e-3f); // first echo, wrapped
    EXPECT_NEAR(echo.samples[300], 0.5f / (1 - 0.03125f), 1e-3f); // second
    // And round the loop onto itself: 0.5^4 + 0.5^9 + ...
    EXPECT_NEAR(echo.samples[900], 1.0f + 0.0625f / (1 - 0.03125f), 0.003f);
}

TEST(ContentAudio, WavHeaderDescribesSixteenBitMono) {
    Sound s = MakeSilence(22050, 0.5);
    s.samples[0] = 2.0f; // clipped, never wrapped round
    s.samples[1] = -1.0f;
    std::string wav = WriteWav(s);
    ASSERT_EQ(wav.size(), 44u + 2 * s.samples.size());
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(U32(wav, 4), wav.size() - 8);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(U32(wav, 24), 22050u);
    EXPECT_EQ(static_cast<uint8_t>(wav[34]), 16);
    EXPECT_EQ(U32(wav, 40), 2 * s.samples.size());
    EXPECT_EQ(std::tuple(Sample(wav, 0), Sample(wav, 1)), std::tuple(32767, -32767));
}

// Harder sword blows pick longer, deeper hits; a blow that does nothing and a
// monster's blow each sound like none of the sword's.
TEST(ContentSounds, SwordBlowsGrowHeavierWithDamage) {
    std::map<SoundEffect, size_t> lengths;
    auto length = [&](SoundEffect e) {
        auto found = lengths.find(e);
        return found != lengths.end() ? found->second : (lengths[e] = SynthesiseEffect(e).samples.size());
    };
    std::set<SoundEffect> hits;
    size_t last = 0;
    for (int damage = 1; damage < 3000; damage += 13) {
        const SoundEffect hit = BlowEffect(damage, false);
        hits.insert(hit);
        EXPECT_GE(length(hit), last) << damage;
        last = length(hit);
    }
    EXPECT_EQ(hits.size(), 3u);
    for (const SoundEffect other : {BlowEffect(0, false), BlowEffect(0, true), BlowEffect(40, true)})
        EXPECT_EQ(hits.count(other), 0u);
    EXPECT_EQ(BlowEffect(0, false), BlowEffect(0, true));
    EXPECT_NE(BlowEffect(0, true), BlowEffect(40, true));
}

TEST(ContentOutput, GamePathsBecomeFoldersBelowTheOutput) {
    EXPECT_EQ(DataFilePath("out", "Levels\\Vorudu Dungeon.m3d"), "out/Levels/Vorudu Dungeon.m3d");
    EXPECT_EQ(DataFilePath("out", "Scripts//Fire.scp"), "out/Scripts/Fire.scp");
    EXPECT_EQ(DataFilePath("out", "Textures/Load Game.tga"), "out/Textures/Load Game.tga");
    EXPECT_EQ(DataFilePath("out", "..\\escape.txt"), "");
    EXPECT_EQ(DataFilePath("out", "\\\\"), "");
}

// --- The characters, before they are written ---------------------------------

TEST(ContentCharacters, HeroStandsOnTheFloorFacingForward) {
    Rig hero = BuildHeroRig();
    ASSERT_LE(hero.parts.size(), static_cast<size_t>(kMaxAnimationObjects));
    for (const RigPart& p : hero.parts) EXPECT_LE(p.geometry.vertices.size(), 100u) << p.name;
    Mesh stand = PosedMesh(hero, HeroStandPose(hero));
    CVector3 low, high;
    GetBounds(stand, low, high);
    // Collision holds his origin 0.2 above the floor, so his soles hang 0.2 below it.
    EXPECT_NEAR(low.y, -0.2f, 0.02f);
    EXPECT_GT(high.y, 1.5f);
    EXPECT_LT(high.y, 2.0f);
    // The sword points where he walks: +z.
    CVector3 swordLow, swordHigh;
    Mesh sword;
    sword.materials = stand.materials;
    sword.objects.push_back(stand.objects[static_cast<size_t>(FindPart(hero, "SwordBlade"))]);
    GetBounds(sword, swordLow, swordHigh);
    EXPECT_GT(swordHigh.z, 0.6f);
    EXPECT_GT(swordLow.z, -0.1f);
    // Every running frame keeps his feet near the floor and out of it.
    for (int f = 0; f < kWalkFrames; ++f) {
        GetBounds(PosedMesh(hero, HeroRunPose(hero, f)), low, high);
        EXPECT_GT(low.y, -0.32f) << f;
        EXPECT_LT(low.y, 0.0f) << f;
    }
}

// What each effect must show at the moments its scene looks at it.
TEST(ContentEffects, EachEffectMovesAsItsSceneExpects) {
    CVector3 low, high;
    // The largest piece: pieces that have melted or sunk away are points.
    const auto piece = [&](const Mesh& m) {
        float largest = 0;
        for (const MeshObject& o : m.objects) {
            Mesh one;
            one.materials = m.materials;
            one.objects.push_back(o);
            GetBounds(one, low, high);
            largest = std::max(largest, Length(high - low));
        }
        return largest;
    };
    // Ice: nothing at first, a crystal taller than a monster at 17, melted away at 34.
    EXPECT_LT(piece(IceCrushFrame(0)), 0.05f);
    GetBounds(IceCrushFrame(17), low, high);
    EXPECT_GT(high.y - low.y, 2.0f);
    EXPECT_LT(piece(IceCrushFrame(34)), 0.05f);
    // A rock falls from high over the monster, lands on it at 20 and is gone at 34.
    GetBounds(RockFrame(0), low, high);
    EXPECT_GT(low.y, 12.0f);
    GetBounds(RockFrame(20), low, high);
    EXPECT_LT(low.y, 1.5f);
    EXPECT_LT(piece(RockFrame(34)), 0.05f);
    // Kintos starts below the floor and stands over the arena at the end.
    const Rig kintos = BuildKintosRig();
    ASSERT_LE(kintos.parts.size(), static_cast<size_t>(kMaxAnimationObjects));
    GetBounds(PosedMesh(kintos, KintosPose(kintos, 0)), low, high);
    EXPECT_LT(high.y, 0.0f) << high.y;
    GetBounds(PosedMesh(kintos, KintosPose(kintos, kEffectFrames - 1)), low, high);
    EXPECT_GT(high.y, 9.0f);
    // Rooted in the floor (0.2 below the origin), not floating over it.
    EXPECT_LT(low.y, -0.2f);
    EXPECT_GT(low.y, -1.0f);
    // The hero's leap tops out at the pause, with the burst (4.8 up, 7.4 ahead)
    // near his raised sword, and lands before the monster 10 ahead.
    const Rig hero = BuildHeroRig();
    GetBounds(PosedMesh(hero, HeroFuryPose(hero, kFuryPauseFrame)), low, high);
    EXPECT_NEAR(high.y, 4.8f, 0.8f);
    EXPECT_NEAR(high.z, 7.4f, 1.0f);
    GetBounds(PosedMesh(hero, HeroFuryPose(hero, kEffectFrames - 1)), low, high);
    EXPECT_GT(high.z, 8.5f);
    EXPECT_LT(high.z, 11.0f);
    EXPECT_GT(low.y, -0.6f);
}

// The flights reach the keys the scenes wait for, and the game's reader takes them.
TEST(ContentEffects, CameraFlightsReachTheKeysTheScenesWaitFor) {
    std::map<std::string, int32_t> lastKey;
    std::map<std::string, int32_t> fourthKeySteps;
    for (const ScriptFile& script : BuildEffectScripts()) {
        CameraKey keys[kCameraKeyCount];
        int32_t last = -1;
        const int32_t read = ParseCameraScript(script.text.data(), script.text.size(), keys, last);
        EXPECT_EQ(read, last + 1) << script.gamePath;
        lastKey[script.gamePath] = last;
        fourthKeySteps[script.gamePath] = keys[3].Steps;
    }
    ASSERT_EQ(lastKey.size(), 7u);
    for (const char* ice : {"Scripts\\Ice0.scp", "Scripts\\Ice1.scp", "Scripts\\Ice2.scp"}) {
        EXPECT_EQ(lastKey[ice], 3) << ice;
        EXPECT_GE(fourthKeySteps[ice], 35) << ice; // the crush's 34 frames before the flight ends
    }
    EXPECT_EQ(lastKey["Scripts//Fire.scp"], 3);
    for (const char* kintos : {"Scripts\\Kintos0.scp", "Scripts\\Kintos1.scp"}) {
        EXPECT_EQ(lastKey[kintos], 4) << kintos;
        EXPECT_GT(fourthKeySteps[kintos], 3 * 34) << kintos; // all three rocks while it stands at key 3
    }
    EXPECT_GE(lastKey["Scripts\\AngelCrush.scp"], 1);
}

float FrameDistance(const Mesh& a, const Mesh& b) {
    float worst = 0;
    for (size_t o = 0; o < a.objects.size(); ++o)
        for (size_t i = 0; i < a.objects[o].geometry.vertices.size(); ++i)
            worst = std::max(worst, Length(a.objects[o].geometry.vertices[i].position -
                                           b.objects[o].geometry.vertices[i].position));
    return worst;
}

TEST(ContentCharacters, RunLoopsWithoutAJumpAndChestOpensFromShut) {
    Rig hero = BuildHeroRig();
    float step = 0;
    for (int f = 0; f + 1 < kWalkFrames; ++f)
        step = std::max(step, FrameDistance(PosedMesh(hero, HeroRunPose(hero, f)),
                                            PosedMesh(hero, HeroRunPose(hero, f + 1))));
    float seam = FrameDistance(PosedMesh(hero, HeroRunPose(hero, kWalkFrames - 1)),
                               PosedMesh(hero, HeroRunPose(hero, 0)));
    EXPECT_GT(step, 0.05f);
    EXPECT_LE(seam, step * 1.05f);

    Rig chest = BuildChestRig();
    Mesh shut = PosedMesh(chest, ChestPose(chest, 0)),
         open = PosedMesh(chest, ChestPose(chest, kChestFrames - 1));
    EXPECT_NEAR(FrameDistance(shut, PosedMesh(chest, RestPose(chest))), 0, 1e-6f);
    size_t lock = static_cast<size_t>(FindPart(chest, "Lock"));
    CVector3 before = shut.objects[lock].geometry.vertices[0].position,
             after = open.objects[lock].geometry.vertices[0].position;
    EXPECT_GT(after.y, before.y + 0.3f); // the lock rides up and back with the lid
    EXPECT_LT(after.z, before.z - 0.3f);
    // The base never moves.
    EXPECT_NEAR(
        FrameDistance(Mesh{{shut.objects[0]}, shut.materials}, Mesh{{open.objects[0]}, open.materials}), 0,
        1e-6f);
}

} // namespace
