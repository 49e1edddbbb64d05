#include "assets/camera_script.h"

#include "assets/camera.h"
#include "tests/unit/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Parsed {
    CameraKey keys[kCameraKeyCount];
    int32_t lastKey = -1;
    int32_t stored = 0;
};

Parsed Parse(const std::string& text) {
    Parsed parsed;
    std::memset(parsed.keys, 0x5a, sizeof parsed.keys); // the parser must clear what it does not write
    std::vector<char> bytes(text.begin(), text.end());
    parsed.stored = ParseCameraScript(bytes.data(), bytes.size(), parsed.keys, parsed.lastKey);
    return parsed;
}

std::string KeyLine(int index, float px, float py, float pz, float vx, float vy, float vz, float ux, float uy,
                    float uz, int steps) {
    char line[256];
    std::snprintf(line, sizeof line, "%d %g,%g,%g,%g,%g,%g,%g,%g,%g,%d\n", index, px, py, pz, vx, vy, vz, ux,
                  uy, uz, steps);
    return line;
}

// A key whose nine floats are base, base + 1, ... base + 8.
std::string SimpleKey(int index, float base, int steps) {
    return KeyLine(index, base, base + 1, base + 2, base + 3, base + 4, base + 5, base + 6, base + 7,
                   base + 8, steps);
}

bool IsZero(const CameraKey& key) {
    const CameraKey zero = {};
    return std::memcmp(&key, &zero, sizeof key) == 0;
}

std::vector<float> CameraFloats() {
    return {Camera.Position.x,  Camera.Position.y, Camera.Position.z, Camera.ViewPoint.x, Camera.ViewPoint.y,
            Camera.ViewPoint.z, Camera.UpVector.x, Camera.UpVector.y, Camera.UpVector.z};
}

std::vector<float> KeyFloats(const CameraKey& k) {
    return {k.Position.x,  k.Position.y, k.Position.z, k.ViewPoint.x, k.ViewPoint.y,
            k.ViewPoint.z, k.UpVector.x, k.UpVector.y, k.UpVector.z};
}

void ExpectCameraAt(const CameraKey& key) {
    const std::vector<float> have = CameraFloats(), want = KeyFloats(key);
    for (size_t k = 0; k < have.size(); ++k) EXPECT_NEAR(have[k], want[k], 1e-3f) << "float " << k;
}

// Each test plays from its own directory of scripts.
class CameraScriptPlayback : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = MakeTempDir("camera_script");
        cwd_ = std::make_unique<ScopedWorkingDir>(dir_);
        CameraScriptPlaying = false;
    }
    void Script(const std::string& name, const std::string& text) {
        WriteFile(dir_ + "/Scripts/" + name, text);
    }

    std::string dir_;
    std::unique_ptr<ScopedWorkingDir> cwd_;
};

} // namespace

TEST(CameraScriptParse, ReadsKeyLinesIntoTheTable) {
    const Parsed p = Parse("0 1.5,2,3,4,5,6,0,1,0,40\r\n"
                           "1 -10, 20,  30,1e1,0,0,\t0,1,0,60\n"
                           "\n  2 0,0,0,0,0,0,0,0,1,5");
    EXPECT_EQ(std::pair(p.stored, p.lastKey), std::pair(3, 2));
    EXPECT_EQ(KeyFloats(p.keys[0]), (std::vector<float>{1.5f, 2, 3, 4, 5, 6, 0, 1, 0}));
    EXPECT_EQ(KeyFloats(p.keys[1]), (std::vector<float>{-10, 20, 30, 10, 0, 0, 0, 1, 0}));
    EXPECT_EQ(KeyFloats(p.keys[2]), (std::vector<float>{0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ((std::vector{p.keys[0].Steps, p.keys[1].Steps, p.keys[2].Steps}), (std::vector{40, 60, 5}));
    for (int i = 3; i < kCameraKeyCount; ++i) EXPECT_TRUE(IsZero(p.keys[i])) << i;

    // The last line read names the last key, even out of order.
    const Parsed q = Parse(SimpleKey(0, 0, 1) + SimpleKey(3, 10, 1) + SimpleKey(1, 20, 1));
    EXPECT_EQ(q.lastKey, 1);
    EXPECT_FLOAT_EQ(q.keys[3].Position.x, 10);
}

TEST(CameraScriptParse, ABrokenLineEndsTheReading) {
    const std::string good = SimpleKey(0, 0, 1) + SimpleKey(1, 10, 2);
    const char* broken[] = {
        "2 1,2,3,4,5,6,7,8,9\n",     // ten values
        "2 1,2,3,4,5,6,7,8,9 ,10\n", // white space before a comma
        "2 1;2;3;4;5;6;7;8;9;10\n",  // wrong separator
        "x 1,2,3,4,5,6,7,8,9,10\n",  // no index
        "10 1,2,3,4,5,6,7,8,9,10\n", // past the table
        "-1 1,2,3,4,5,6,7,8,9,10\n", // before it
        "99999999999 1,2,3,4,5,6,7,8,9,10\n",
    };
    for (const char* line : broken) {
        SCOPED_TRACE(line);
        const Parsed p = Parse(good + line + SimpleKey(3, 30, 3));
        EXPECT_EQ(std::pair(p.stored, p.lastKey), std::pair(2, 1));
        for (int i = 2; i < kCameraKeyCount; ++i) EXPECT_TRUE(IsZero(p.keys[i])) << i;
    }

    const Parsed empty = Parse("");
    EXPECT_EQ(std::pair(empty.stored, empty.lastKey), std::pair(0, 0));
    for (const CameraKey& key : empty.keys) EXPECT_TRUE(IsZero(key));
}

TEST(CameraScriptParse, IndexTenIsNeverWritten) {
    // Guard words on both sides of the table catch a write outside it.
    struct Guarded {
        uint32_t before[4];
        CameraKey keys[kCameraKeyCount];
        uint32_t after[16];
    } g;
    std::memset(&g, 0xab, sizeof g);
    int32_t lastKey = -1;
    const std::string text = SimpleKey(9, 90, 1) + SimpleKey(10, 100, 1) + SimpleKey(11, 110, 1);
    EXPECT_EQ(ParseCameraScript(text.data(), text.size(), g.keys, lastKey), 1);
    EXPECT_EQ(lastKey, 9);
    for (uint32_t word : g.before) EXPECT_EQ(word, 0xababababu);
    for (uint32_t word : g.after) EXPECT_EQ(word, 0xababababu);
}

TEST_F(CameraScriptPlayback, MovesToEachKeyInItsStepsByEqualIncrements) {
    Script("Fly.scp", KeyLine(0, 0, 0, 0, 0, 0, -10, 0, 1, 0, 1) +
                          KeyLine(1, 60, 120, -60, 30, 0, 50, 0, 1, 0, 60) +
                          KeyLine(2, 0, 0, 0, 0, 0, 0, 1, 0, 0, 10) + SimpleKey(3, 4, 5));
    StartCameraScript("Scripts\\Fly.scp");
    EXPECT_TRUE(CameraScriptPlaying);
    EXPECT_EQ(CameraLastKey, 3);
    ExpectCameraAt(CameraKeys[0]);

    // First call: the move to key 0 itself, which the raised step count completes at once.
    UpdateCameraScript();
    EXPECT_EQ(CameraKeyIndex, 1);
    ExpectCameraAt(CameraKeys[0]);

    std::vector<float> previous = CameraFloats();
    for (int step = 1; step <= 60; ++step) {
        UpdateCameraScript();
        const std::vector<float> now = CameraFloats();
        // Increments of a whole 1, 2, -1, 0.5 and 1 units: exact in floats, so equal to the bit.
        EXPECT_EQ((std::vector<float>{now[0] - previous[0], now[1] - previous[1], now[2] - previous[2],
                                      now[3] - previous[3], now[5] - previous[5], now[7] - previous[7]}),
                  (std::vector<float>{1, 2, -1, 0.5f, 1, 0}))
            << step;
        EXPECT_EQ(CameraKeyIndex, step < 60 ? 1 : 2) << step;
        previous = now;
    }
    ExpectCameraAt(CameraKeys[1]);

    for (int step = 1; step <= 10; ++step) {
        UpdateCameraScript();
        EXPECT_EQ(CameraKeyIndex, step < 10 ? 2 : 3);
    }
    ExpectCameraAt(CameraKeys[2]);
    for (int step = 1; step <= 5; ++step) {
        EXPECT_TRUE(CameraScriptPlaying) << step;
        UpdateCameraScript();
    }
    EXPECT_FALSE(CameraScriptPlaying);
    EXPECT_EQ(CameraKeyIndex, 0);
    EXPECT_EQ(std::memcmp(&CameraFromKey, &CameraKeys[0], sizeof CameraFromKey), 0);
    ExpectCameraAt(CameraKeys[3]);

    // Once ended, further updates leave everything alone.
    const std::vector<float> rest = CameraFloats();
    UpdateCameraScript();
    EXPECT_EQ(CameraFloats(), rest);
    EXPECT_FALSE(CameraScriptPlaying);
}

TEST_F(CameraScriptPlayback, FirstKeyRestsForItsStepsBeyondAHundred) {
    for (int steps : {1, 50, 101}) {
        SCOPED_TRACE(steps);
        Script("One.scp", SimpleKey(0, 5, steps));
        StartCameraScript("Scripts\\One.scp");
        UpdateCameraScript();
        EXPECT_FALSE(CameraScriptPlaying);
        ExpectCameraAt(CameraKeys[0]);
    }

    Script("Rest.scp", SimpleKey(0, 0, 130) + KeyLine(1, 10, 0, 0, 0, 0, 0, 0, 0, 0, 10));
    StartCameraScript("Scripts\\Rest.scp");
    for (int frame = 1; frame <= 30; ++frame) {
        UpdateCameraScript();
        ExpectCameraAt(CameraKeys[0]);
        EXPECT_EQ(CameraKeyIndex, frame < 30 ? 0 : 1) << frame;
    }
    UpdateCameraScript();
    EXPECT_FLOAT_EQ(Camera.Position.x, 1.0f);
}

TEST_F(CameraScriptPlayback, MissingFileClearsTheTableAndEndsAtOnce) {
    Script("Fly.scp", SimpleKey(0, 1, 1) + SimpleKey(1, 2, 1));
    StartCameraScript("Scripts\\Fly.scp");
    ASSERT_EQ(CameraLastKey, 1);

    StartCameraScript("Scripts\\Missing.scp");
    for (const CameraKey& key : CameraKeys) EXPECT_TRUE(IsZero(key));
    EXPECT_EQ(CameraLastKey, 0);
    EXPECT_TRUE(CameraScriptPlaying);
    EXPECT_EQ(CameraFloats(), std::vector<float>(9, 0.0f));
    UpdateCameraScript();
    EXPECT_FALSE(CameraScriptPlaying);
    EXPECT_EQ(CameraKeyIndex, 0);
    EXPECT_EQ(CameraFloats(), std::vector<float>(9, 0.0f)); // no 0/0 anywhere
}

TEST_F(CameraScriptPlayback, KeyWithoutStepsIsJumpedToAndCountsAsReached) {
    for (int steps : {0, -5}) {
        SCOPED_TRACE(steps);
        Script("Jump.scp", SimpleKey(0, 0, 1) + SimpleKey(1, 10, steps) + SimpleKey(2, 20, 2));
        StartCameraScript("Scripts\\Jump.scp");
        UpdateCameraScript();
        UpdateCameraScript();
        EXPECT_EQ(CameraKeyIndex, 2);
        ExpectCameraAt(CameraKeys[1]);
        for (float f : CameraFloats()) EXPECT_TRUE(std::isfinite(f));
        UpdateCameraScript();
        UpdateCameraScript();
        EXPECT_FALSE(CameraScriptPlaying);
        ExpectCameraAt(CameraKeys[2]);
    }
}

TEST_F(CameraScriptPlayback, IndexMovedOutsideTheTableEndsTheScript) {
    Script("A.scp", SimpleKey(0, 0, 1) + SimpleKey(1, 100, 50));
    for (int32_t bad : {-1, 10, 1000}) {
        StartCameraScript("Scripts\\A.scp");
        CameraKeyIndex = bad;
        UpdateCameraScript();
        EXPECT_FALSE(CameraScriptPlaying) << bad;
        EXPECT_EQ(CameraKeyIndex, 0);
    }
}

TEST(CameraScriptCorpus, EverySeedAndEveryCutOfTheValidOnesParsesSafely) {
    const std::vector<std::string> files = ListFiles(std::string(AURELANT_FUZZ_CORPUS) + "/scp");
    ASSERT_FALSE(files.empty());
    int valid = 0;
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        const std::string text = ReadFile(path);
        const Parsed full = Parse(text);
        ASSERT_GE(full.lastKey, 0);
        ASSERT_LT(full.lastKey, kCameraKeyCount);
        if (path.find("/ok_") == std::string::npos) continue;
        ++valid;
        EXPECT_GT(full.stored, 0);
        for (size_t cut = 0; cut <= text.size(); ++cut) {
            const Parsed part = Parse(text.substr(0, cut));
            ASSERT_LE(part.stored, full.stored) << "cut at " << cut;
            // Every line before the cut one reads as it does in the whole file.
            for (int i = 0; i + 1 < part.stored; ++i)
                ASSERT_EQ(std::memcmp(&part.keys[i], &full.keys[i], sizeof(CameraKey)), 0)
                    << "cut at " << cut;
        }
    }
    EXPECT_GT(valid, 0);
}
