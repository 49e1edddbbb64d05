// The data folder the content builder writes for the game: the same bytes every
// run, and models, animations, flights, textures, tunes and effects the game
// reads and the scenes need.
#include "assets/animation.h"
#include "assets/camera_script.h"
#include "assets/model3d.h"
#include "assets/sound_effects.h"
#include "assets/texture.h"
#include "content/anim.h"
#include "content/audio.h"
#include "content/battle.h"
#include "content/characters.h"
#include "content/levels_common.h"
#include "content/output.h"
#include "tests/unit/content_readback.h"
#include "tests/unit/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

namespace {

#ifdef AURELANT_CONTENT_BUILDER

class ContentData : public ::testing::Test {
  protected:
    // The files under test are the ones the build wrote for the game; only the
    // determinism test runs the builder once more to compare.
    static void SetUpTestSuite() {
        first_ = new std::string(AURELANT_BUILT_DATA);
        second_ = new std::string();
        ok_ = !ListFiles(*first_).empty();
    }
    // Other tests of this suite run in processes of their own at the same time,
    // so only this one may create the folder it builds into.
    static bool BuildAgain() {
        *second_ = MakeTempDir("content_again");
        return std::system(
                   ("\"" + std::string(AURELANT_CONTENT_BUILDER) + "\" \"" + *second_ + "\" > /dev/null")
                       .c_str()) == 0;
    }
    static void TearDownTestSuite() {
        delete first_;
        delete second_;
    }
    static std::string Read(const std::string& gamePath) { return ReadFile(DataFilePath(*first_, gamePath)); }
    static std::string* first_;
    static std::string* second_;
    static bool ok_;
};
std::string* ContentData::first_ = nullptr;
std::string* ContentData::second_ = nullptr;
bool ContentData::ok_ = false;

TEST_F(ContentData, EveryRunWritesTheSameBytes) {
    ASSERT_TRUE(ok_);
    ASSERT_TRUE(BuildAgain());
    std::vector<std::string> a = ListFiles(*first_), b = ListFiles(*second_);
    ASSERT_EQ(a.size(), b.size());
    ASSERT_GT(a.size(), 25u);
    for (size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].substr(first_->size()), b[i].substr(second_->size()));
        EXPECT_TRUE(ReadFile(a[i]) == ReadFile(b[i])) << a[i];
    }
}

const char* const kMonsterNames[] = {"Ogre", "Bat", "Toad", "Behemoth", "Scorpion", "Spike", "Limbus"};

std::string MonsterFile(const std::string& name, const char* suffix) {
    return "Objects\\" + name + "\\" + name + suffix;
}

// Every animation the game loads beside the model it poses.
std::vector<std::pair<std::string, std::string>> AnimatedModels() {
    const std::string hero = "Objects\\Deduvavi\\Deduvavi.m3d";
    std::vector<std::pair<std::string, std::string>> out = {
        {"Objects\\Deduvavi\\TWalk.ani", hero},
        {"Objects\\Deduvavi\\TBStay.ani", hero},
        {"Objects\\Deduvavi\\TBAttack.ani", hero},
        {"Objects\\Deduvavi\\TUseItem.ani", hero},
        {"Objects\\Deduvavi\\TBWon.ani", hero},
        {"Objects\\Deduvavi\\TGetSword.ani", hero},
        {"Objects\\Deduvavi\\TBulletDodge.ani", hero},
        {"Objects\\Katu\\KatuAni1.ani", "Objects\\Katu\\Katu.m3d"},
        {"Objects\\Katu\\KatuAni2.ani", "Objects\\Katu\\Katu.m3d"},
        {"Objects\\Chest\\ChestAni.ani", "Objects\\Chest\\ChestModel.m3d"}};
    for (const char* m : kMonsterNames) {
        out.push_back({MonsterFile(m, "Stay.ani"), MonsterFile(m, ".m3d")});
        out.push_back({MonsterFile(m, "Attack.ani"), MonsterFile(m, ".m3d")});
    }
    return out;
}

TEST_F(ContentData, ModelsReadBackWithinTheirArrays) {
    ASSERT_TRUE(ok_);
    std::vector<std::string> paths = {"Objects\\Deduvavi\\Deduvavi.m3d", "Objects\\Deduvavi\\TSword.m3d",
                                      "Objects\\Deduvavi\\Swarp.m3d",    "Objects\\Deduvavi\\TWHolder.m3d",
                                      "Objects\\Deduvavi\\Warp.m3d",     "Objects\\Vorudu\\Villager.m3d",
                                      "Objects\\Vorudu\\Box.m3d",        "Objects\\Chest\\ChestModel.m3d",
                                      "Objects\\Katu\\Katu.m3d",         "Objects\\Effects\\LavaBall.m3d"};
    for (const char* m : kMonsterNames) paths.push_back(MonsterFile(m, ".m3d"));
    for (const std::string& path : paths) {
        ReadModel m = ParseModel(Read(path));
        ASSERT_TRUE(m.complete) << path;
        ASSERT_FALSE(m.objects.empty()) << path;
        for (const ReadObject& o : m.objects) {
            EXPECT_EQ(o.normals.size(), o.vertices.size()) << path;
            ASSERT_GE(o.material, 0);
            ASSERT_LT(static_cast<size_t>(o.material), m.textures.size()) << path;
            bool textured = !m.textures[static_cast<size_t>(o.material)].empty();
            EXPECT_EQ(o.texels.size(), textured ? o.vertices.size() : 0u) << path;
            for (int32_t k : o.indices) {
                ASSERT_GE(k, 0);
                ASSERT_LT(static_cast<size_t>(k), o.vertices.size()) << path;
            }
        }
        // Every texture a model names is in the folder.
        for (size_t i = 0; i < m.textures.size(); ++i) {
            if (m.textures[i].empty()) continue;
            EXPECT_LT(i, 10u);
            EXPECT_FALSE(Read("Textures/" + m.textures[i]).empty()) << m.textures[i];
        }
    }
}

// Each animation repeats its model's layout exactly and visibly moves it.
TEST_F(ContentData, AnimationsRepeatTheirModelsExactlyAndMoveThem) {
    ASSERT_TRUE(ok_);
    std::map<std::string, size_t> frames;
    for (const auto& [aniPath, modelPath] : AnimatedModels()) {
        ReadModel model = ParseModel(Read(modelPath));
        ReadAnimation anim;
        // The game's reader refuses anything over its limits of frames, objects and vertices.
        ASSERT_TRUE(ParseAnimation(Read(aniPath), anim)) << aniPath;
        frames[aniPath] = anim.size();
        float moved = 0;
        for (const auto& frame : anim) {
            ASSERT_EQ(frame.size(), model.objects.size()) << aniPath;
            for (size_t o = 0; o < frame.size(); ++o) {
                ASSERT_EQ(frame[o].size(), model.objects[o].vertices.size()) << aniPath;
                for (size_t i = 0; i < frame[o].size(); ++i)
                    moved = std::max(moved, Length(frame[o][i] - model.objects[o].vertices[i]));
            }
        }
        EXPECT_GT(moved, 0.03f) << aniPath << " stands still";
    }
    EXPECT_EQ(frames["Objects\\Deduvavi\\TWalk.ani"], 35u);
    EXPECT_EQ(frames["Objects\\Chest\\ChestAni.ani"], 34u);
    // The story plays every one of its animations to frame 34.
    for (const char* story : {"Objects\\Deduvavi\\TGetSword.ani", "Objects\\Deduvavi\\TBulletDodge.ani",
                              "Objects\\Katu\\KatuAni1.ani", "Objects\\Katu\\KatuAni2.ani"})
        EXPECT_EQ(frames[story], 35u) << story;
    // The closed chest is frame 0: the lid does not jump when opening starts.
    ReadModel chest = ParseModel(Read("Objects\\Chest\\ChestModel.m3d"));
    ReadAnimation anim;
    ParseAnimation(Read("Objects\\Chest\\ChestAni.ani"), anim);
    for (size_t o = 0; o < chest.objects.size(); ++o)
        for (size_t i = 0; i < chest.objects[o].vertices.size(); ++i)
            EXPECT_NEAR(Length(chest.objects[o].vertices[i] - anim[0][o][i]), 0, 2e-4f);
}

// --- The battle's content -----------------------------------------------------

// Monsters stand at z 20 and the hero at z 10: a blow lands 9.5 ahead of the
// one who strikes. The battle walks attackers along x only.
TEST_F(ContentData, AttacksRunFromTheStanceToABlowThatLands) {
    ASSERT_TRUE(ok_);
    auto check = [&](const std::string& attackPath, const std::string& stayPath, int part, float dir) {
        ReadAnimation attack, stay;
        ASSERT_TRUE(ParseAnimation(Read(attackPath), attack)) << attackPath;
        ASSERT_TRUE(ParseAnimation(Read(stayPath), stay)) << stayPath;
        // 35 frames walk the whole way to the target's x.
        ASSERT_EQ(attack.size(), 35u) << attackPath;
        ASSERT_GE(part, 0);
        ASSERT_LT(static_cast<size_t>(part), attack.back().size());
        float strike = -1e9f, farthest = -1e9f;
        for (size_t o = 0; o < attack.back().size(); ++o)
            for (const CVector3& v : attack.back()[o]) {
                farthest = std::max(farthest, v.z * dir);
                if (o == static_cast<size_t>(part)) strike = std::max(strike, v.z * dir);
            }
        EXPECT_NEAR(strike, 9.5f, 0.3f) << attackPath;
        EXPECT_LT(farthest, 9.9f) << attackPath << " runs on through the one it strikes";
        // The run begins (and, played back, ends) at the stance: no jump.
        float jump = 0;
        ASSERT_EQ(attack[0].size(), stay[0].size());
        for (size_t o = 0; o < stay[0].size(); ++o)
            for (size_t i = 0; i < stay[0][o].size() && i < attack[0][o].size(); ++i)
                jump = std::max(jump, Length(attack[0][o][i] - stay[0][o][i]));
        EXPECT_LT(jump, 0.35f) << attackPath;
    };
    for (const MonsterContent& m : BuildMonsters())
        check(MonsterFile(m.name, "Attack.ani"), MonsterFile(m.name, "Stay.ani"),
              FindPart(m.rig, m.strikePart), -1);
    check("Objects\\Deduvavi\\TBAttack.ani", "Objects\\Deduvavi\\TBStay.ani",
          FindPart(BuildHeroRig(), "SwordBlade"), 1);
}

TEST_F(ContentData, BattleLoopsBreatheWithoutAJump) {
    ASSERT_TRUE(ok_);
    std::vector<std::string> loops = {"Objects\\Deduvavi\\TBStay.ani"};
    for (const char* m : kMonsterNames) loops.push_back(MonsterFile(m, "Stay.ani"));
    for (const std::string& path : loops) {
        ReadAnimation a;
        ASSERT_TRUE(ParseAnimation(Read(path), a)) << path;
        ASSERT_GE(a.size(), 8u) << path;
        auto step = [&](size_t f, size_t g) {
            float d = 0;
            for (size_t o = 0; o < a[f].size(); ++o)
                for (size_t i = 0; i < a[f][o].size(); ++i) d = std::max(d, Length(a[f][o][i] - a[g][o][i]));
            return d;
        };
        float largest = 0, swing = 0;
        for (size_t f = 1; f < a.size(); ++f) {
            largest = std::max(largest, step(f, f - 1));
            swing = std::max(swing, step(f, 0));
        }
        EXPECT_GT(swing, 0.03f) << path << " stands stock still";
        EXPECT_LE(step(a.size() - 1, 0), largest * 1.5f) << path << " jumps as it loops";
    }
}

TEST_F(ContentData, MonstersStandOnTheGroundSizedByStrength) {
    ASSERT_TRUE(ok_);
    std::map<std::string, float> height;
    for (const char* name : kMonsterNames) {
        ReadModel m = ParseModel(Read(MonsterFile(name, ".m3d")));
        ASSERT_FALSE(m.objects.empty()) << name;
        CVector3 low, high;
        ReadBounds(m, low, high);
        const float wide = std::max(-low.x, high.x);
        height[name] = high.y;
        // The Bat flies; the rest stand on their origin.
        if (std::string(name) == "Bat") {
            EXPECT_GT(low.y, 0.8f);
        } else {
            EXPECT_NEAR(low.y, 0.0f, 0.1f) << name;
        }
        // Neighbours stand 4 apart; only the two who fight alone may be wider.
        if (std::string(name) != "Limbus" && std::string(name) != "Behemoth") {
            EXPECT_LT(wide, 2.0f) << name;
        }
    }
    for (const char* small : {"Ogre", "Bat", "Toad", "Scorpion", "Spike"})
        EXPECT_LT(height[small], height["Behemoth"]);
    EXPECT_LT(height["Behemoth"], height["Limbus"]);
    EXPECT_GT(height["Limbus"], 2.5f * 1.8f);
}

// Where a point lands on the 4:3 screen through a key's camera, as fractions
// of the width and height from the top-left corner.
bool OnScreen(const CameraKey& k, CVector3 p, float& x, float& y) {
    const CVector3 f = Normalize(k.ViewPoint - k.Position), s = Normalize(Cross(f, k.UpVector)),
                   u = Cross(s, f);
    const CVector3 d = p - k.Position;
    const float depth = Dot(d, f), t = std::tan(Radians(22.5f));
    x = 0.5f + 0.5f * Dot(d, s) / (depth * t * 4.0f / 3.0f);
    y = 0.5f - 0.5f * Dot(d, u) / (depth * t);
    return depth > 0.5f;
}

TEST_F(ContentData, BattleFlightsFrameTheFightAboveTheMenus) {
    ASSERT_TRUE(ok_);
    auto load = [&](const std::string& path, CameraKey(&keys)[kCameraKeyCount], int& frames) {
        const std::string text = Read(path);
        int32_t last = 0;
        const int32_t stored = ParseCameraScript(text.data(), text.size(), keys, last);
        EXPECT_GE(stored, 2) << path;
        EXPECT_EQ(last, stored - 1) << path;
        frames = 0;
        for (int32_t k = 1; k <= last; ++k) {
            EXPECT_GT(keys[k].Steps, 0) << path;
            // The camera never passes through the point it looks at.
            for (int s = 0; s <= keys[k].Steps; ++s) {
                const float t = static_cast<float>(s) / static_cast<float>(std::max(1, keys[k].Steps));
                EXPECT_GT(Length(Lerp(keys[k - 1].Position, keys[k].Position, t) -
                                 Lerp(keys[k - 1].ViewPoint, keys[k].ViewPoint, t)),
                          1.0f)
                    << path;
            }
            frames += keys[k].Steps;
        }
        return keys[last];
    };
    for (const char* prefix : {"Scripts\\TBGIntro", "Scripts\\TDBGIntro", "Scripts\\WMBGIntro"})
        for (int v = 0; v < 3; ++v) {
            const std::string path = prefix + std::to_string(v) + ".scp";
            CameraKey keys[kCameraKeyCount];
            int frames = 0;
            const CameraKey end = load(path, keys, frames);
            // It starts where the battle put the camera, so the flight does not jump.
            EXPECT_LT(Length(keys[0].Position - CVector3{-3, 3, 0}), 1e-3f) << path;
            EXPECT_LT(Length(keys[0].ViewPoint - CVector3{-3, 3, -6}), 1e-3f) << path;
            EXPECT_GE(frames, 60) << path;
            EXPECT_LE(frames, 120) << path;
            // Both ends of the monsters' row and the hero, head to foot, above the menus.
            for (const CVector3 p : {CVector3{0, 0, 20}, CVector3{8, 0, 20}, CVector3{0, 2.5f, 20},
                                     CVector3{8, 2.5f, 20}, CVector3{4, 0, 10}, CVector3{4, 1.8f, 10}}) {
                float x, y;
                ASSERT_TRUE(OnScreen(end, p, x, y)) << path;
                EXPECT_TRUE(x > 0.03f && x < 0.97f && y > 0.02f && y < 0.667f)
                    << path << " " << x << "," << y;
            }
            // The hero stands clear of the command panel in the lower-left quarter.
            float x, y;
            OnScreen(end, {4, 0, 10}, x, y);
            EXPECT_TRUE(x > 0.5f || y < 0.5f) << path;
        }
    CameraKey keys[kCameraKeyCount];
    int frames = 0;
    const CameraKey end = load("Scripts/BGWon.scp", keys, frames);
    EXPECT_GE(frames, 90);
    EXPECT_LE(frames, 150);
    // It ends facing him, in the middle of the upper half above the results panel.
    float x, y, headY, feetY;
    ASSERT_TRUE(OnScreen(end, {4, 0.9f, 10}, x, y));
    OnScreen(end, {4, 1.8f, 10}, x, headY);
    OnScreen(end, {4, 0, 10}, x, feetY);
    EXPECT_NEAR(x, 0.5f, 0.05f);
    EXPECT_GT(headY, 0.05f);
    EXPECT_LT(feetY, 0.5f);
    EXPECT_GT(Dot(end.ViewPoint - end.Position, CVector3{0, 0, -1}), 0.0f) << "seen from behind";
}

// The ending waits for its flight's fifth key, and its seven balls fly in a
// cluster whose closest two are 0.68 apart: they must neither merge nor vanish.
TEST_F(ContentData, TheEndingsFlightAndLavaBallsAreWhatItNeeds) {
    ASSERT_TRUE(ok_);
    for (const char* path : {"Scripts\\FoundSword.scp", "Scripts\\BulletDodge.scp"}) {
        const std::string text = Read(path);
        CameraKey keys[kCameraKeyCount];
        int32_t last = -1;
        const int32_t read = ParseCameraScript(text.data(), text.size(), keys, last);
        ASSERT_EQ(read, last + 1) << path;
        EXPECT_GE(last, std::string(path).find("Bullet") != std::string::npos ? 5 : 1) << path;
        for (int32_t k = 0; k <= last; ++k) {
            EXPECT_GT(Length(keys[k].UpVector), 0.5f) << path << " key " << k;
            EXPECT_GE(keys[k].Steps, 1) << path << " key " << k;
        }
    }
    const ReadModel ball = ParseModel(Read("Objects\\Effects\\LavaBall.m3d"));
    ASSERT_FALSE(ball.objects.empty());
    CVector3 low, high;
    ReadBounds(ball, low, high);
    EXPECT_GT(high.x - low.x, 0.3f);
    EXPECT_LT(high.x - low.x, 0.6f);
}

TEST_F(ContentData, PropBoxIsTallerThanTheHeroCanClimb) {
    ASSERT_TRUE(ok_);
    ReadModel box = ParseModel(Read("Objects\\Vorudu\\Box.m3d"));
    ASSERT_EQ(box.objects.size(), 1u);
    CVector3 low, high;
    ReadBounds(box, low, high);
    const float side = std::max(-low.x, high.x);
    EXPECT_GE(low.y, 0.0f);  // no face under the floor to push him up
    EXPECT_GT(high.y, 1.4f); // his sphere reaches 1.4 above his origin
    EXPECT_GT(side, 0.3f);
    EXPECT_LT(side, 1.0f);
}

TEST_F(ContentData, TexturesAreWhatTheLoaderAccepts) {
    ASSERT_TRUE(ok_);
    for (const char* path :
         {"Textures/Logo.tga", "Textures/New Game.tga", "Textures/Load Game.tga", "Textures/Credits.tga",
          "Textures/Quit.tga", "Textures/Options.tga", "Textures/Console.tga", "Textures/Particle.tga",
          "Textures/Ring.tga", "Textures/Spark.tga", "Textures/Ground.tga", "Textures/Stone.tga",
          "Textures/Wood.tga", "Textures/Foliage.tga", "Textures/Cloth.tga", "Textures/Skin.tga"}) {
        // The game's own decoder, with no bytes left over and sides GL 1.x can take.
        const std::string tga = Read(path);
        DecodedTGA image;
        ASSERT_TRUE(DecodeTGA(reinterpret_cast<const uint8_t*>(tga.data()), tga.size(), image)) << path;
        EXPECT_EQ(tga.size(), 18u + image.pixels.size()) << path;
        const uint32_t w = image.width, h = image.height;
        EXPECT_TRUE(w > 0 && (w & (w - 1)) == 0 && h > 0 && (h & (h - 1)) == 0)
            << path << " " << w << "x" << h;
    }
    // Title buttons are added onto the logo: their corners must be black.
    std::string button = Read("Textures/Quit.tga");
    ASSERT_GT(button.size(), 21u);
    EXPECT_EQ(button.substr(18, 3), std::string(3, '\0'));
}

TEST_F(ContentData, TunesAreLongSeamlessLoops) {
    ASSERT_TRUE(ok_);
    for (const char* path :
         {"Music\\Sad.wav", "Music\\Fuzzy.wav", "Music\\Alone.wav", "Music\\Flow.wav", "Music\\Battle.wav"}) {
        std::string wav = Read(path);
        ASSERT_GT(wav.size(), 44u) << path;
        size_t samples = (wav.size() - 44) / 2;
        EXPECT_GE(samples, 30u * 22050u) << path;
        auto at = [&](size_t i) { return Sample(wav, i); };
        // Across the seam the wave moves no more than it does between neighbours elsewhere.
        int largest = 0;
        for (size_t i = 1; i < samples; ++i) largest = std::max(largest, std::abs(at(i) - at(i - 1)));
        EXPECT_LE(std::abs(at(0) - at(samples - 1)), largest) << path;
        int peak = 0;
        for (size_t i = 0; i < samples; i += 7) peak = std::max(peak, std::abs(static_cast<int>(at(i))));
        EXPECT_GT(peak, 20000) << path;
    }
}

// Every effect the game names is in the data: short, never clipped, each its
// own, and at its loudest moment as loud as every other.
TEST_F(ContentData, EveryEffectTheGameNamesIsBuiltShortUnclippedAndEven) {
    ASSERT_TRUE(ok_);
    std::set<std::string> distinct;
    double quietest = 0, loudest = -100;
    for (int e = 0; e < kSoundEffectCount; ++e) {
        const char* path = SoundEffectFile(static_cast<SoundEffect>(e));
        ASSERT_NE(path, nullptr) << e;
        const std::string wav = Read(path);
        ASSERT_GT(wav.size(), 44u) << path;
        EXPECT_EQ(wav.substr(0, 4), "RIFF") << path;
        EXPECT_TRUE(distinct.insert(wav.substr(44)).second) << path << " sounds like another effect";
        const size_t samples = (wav.size() - 44) / 2;
        EXPECT_GE(samples, 22050u / 50) << path;
        EXPECT_LE(samples, 3u * 22050u) << path;
        std::vector<double> x(samples);
        for (size_t i = 0; i < samples; ++i) x[i] = Sample(wav, i) / 32768.0;
        double peak = 0, window = 0;
        const size_t w = 22050 / 20;
        for (size_t start = 0; start < samples; start += w / 4) {
            double sum = 0;
            for (size_t i = start; i < std::min(samples, start + w); ++i) sum += x[i] * x[i];
            window = std::max(window, sum / w);
        }
        for (double v : x) peak = std::max(peak, std::fabs(v));
        EXPECT_LT(peak, 0.9) << path;
        EXPECT_NEAR(x.front(), 0.0, 0.05) << path; // no click at the start
        EXPECT_NEAR(x.back(), 0.0, 0.01) << path;  // nor at the end
        const double db = 10 * std::log10(std::max(window, 1e-12));
        quietest = e == 0 ? db : std::min(quietest, db);
        loudest = std::max(loudest, db);
    }
    EXPECT_LT(loudest - quietest, 1.5);
    EXPECT_GT(quietest, -20.0);
}

#endif

} // namespace
