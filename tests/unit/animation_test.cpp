#include "assets/animation.h"

#include "tests/unit/test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

Animation Parse(const std::string& text, bool* accepted = nullptr, const char** reason = nullptr) {
    Animation animation;
    // Parse from an exactly-sized heap copy so a read past the end is caught by the sanitizer.
    std::vector<char> bytes(text.begin(), text.end());
    const bool ok = ParseAnimation(bytes.data(), bytes.size(), animation, reason);
    if (accepted) *accepted = ok;
    return animation;
}

// A model whose objects have the given vertex counts, every position set to the sentinel.
Model3D MakeModel(const std::vector<int>& vertexCounts, CVector3 sentinel = {-7, -7, -7}) {
    Model3D model;
    model.objectCount = static_cast<int32_t>(vertexCounts.size());
    for (int count : vertexCounts) {
        Object3D& object = model.objects.emplace_back();
        object.vertexCount = count;
        object.vertexArray = std::make_shared<std::vector<CVector3>>(static_cast<size_t>(count), sentinel);
    }
    return model;
}

// An animation text in which vertex j of object o of frame f sits at (f, o, j).
std::string MakeAniText(int frames, int objects, int vertices) {
    std::string text = "Animation Frames:" + std::to_string(frames) + "\n";
    for (int f = 0; f < frames; ++f) {
        text += "Frame:" + std::to_string(f) + "\nObjects:" + std::to_string(objects) + "\n";
        for (int o = 0; o < objects; ++o) {
            text += "Object:" + std::to_string(o) + " Vertices:" + std::to_string(vertices) + "\n";
            for (int j = 0; j < vertices; ++j)
                text += std::to_string(f) + " " + std::to_string(o) + " " + std::to_string(j) + "\n";
        }
    }
    return text;
}

void ExpectAt(const CVector3& v, float x, float y, float z) {
    EXPECT_EQ((std::vector<float>{v.x, v.y, v.z}), (std::vector<float>{x, y, z}));
}

size_t TotalVertices(const Animation& animation) {
    size_t total = 0;
    for (const AnimFrame& frame : animation.frames)
        for (const AnimObject& object : frame.animObjects) total += object.vertices.size();
    return total;
}

} // namespace

TEST(AnimationParse, ReadsBlocksInFileOrderWhateverTheirNumbers) {
    const Animation animation = Parse("Animation Frames:2\r\n"
                                      "Frame:7\r\nObjects:2\r\n"
                                      "Object:3 Vertices:1\r\n1.5 -2 3\r\n"
                                      "Object:3 Vertices:2\r\n\t4 5 6\r\n7 8 9.25\r\n"
                                      "Frame:0\nObjects:1\n"
                                      "Object:0   Vertices: 1\n  10 11 12\n");
    ASSERT_EQ(animation.frames.size(), 2u);
    const AnimFrame& first = animation.frames[0];
    ASSERT_EQ(first.animObjects.size(), 2u);
    EXPECT_EQ(std::tuple(animation.frameCount, first.objectCount, first.animObjects[1].vertexCount),
              std::tuple(2, 2, 2));
    ASSERT_EQ(std::tuple(first.animObjects[0].vertices.size(), first.animObjects[1].vertices.size()),
              std::tuple(1u, 2u));
    ExpectAt(first.animObjects[0].vertices[0], 1.5f, -2, 3);
    ExpectAt(first.animObjects[1].vertices[1], 7, 8, 9.25f);
    ASSERT_EQ(animation.frames[1].animObjects.size(), 1u);
    ExpectAt(animation.frames[1].animObjects[0].vertices[0], 10, 11, 12);
}

TEST(AnimationParse, TruncatedOrGarbledFileKeepsWhatWasRead) {
    // Claims far more than it holds: nothing is made up for the missing part.
    Animation animation =
        Parse("Animation Frames:35\nFrame:0\nObjects:15\nObject:0 Vertices:100\n1 2 3\n4 5");
    ASSERT_EQ(animation.frames.size(), 1u);
    ASSERT_EQ(animation.frames[0].animObjects.size(), 1u);
    const AnimObject& object = animation.frames[0].animObjects[0];
    EXPECT_EQ(std::tuple(animation.frameCount, object.vertexCount, object.vertices.size()),
              std::tuple(35, 100, 1u));

    // A word where a number belongs ends the reading there.
    animation = Parse("Animation Frames:2\nFrame:0\nObjects:1\nObject:0 Vertices:2\n1 2 3\nx 5 6\n"
                      "Frame:1\nObjects:1\nObject:0 Vertices:1\n7 8 9\n");
    ASSERT_EQ(animation.frames.size(), 1u);
    EXPECT_EQ(animation.frames[0].animObjects[0].vertices.size(), 1u);

    bool accepted = false;
    for (const char* nothing : {"", "Animation Frames:-4\nFrame:0\nObjects:-1\n"}) {
        animation = Parse(nothing, &accepted);
        EXPECT_TRUE(accepted) << nothing;
        EXPECT_TRUE(animation.frames.empty()) << nothing;
        EXPECT_TRUE(animation.frameCount <= 0) << nothing;
    }
    animation = Parse("Animation Frames:1\nFrame:0\nObjects:1\nObject:0 Vertices:-9\n1 2 3\n", &accepted);
    EXPECT_TRUE(accepted);
    ASSERT_EQ(animation.frames.size(), 1u);
    EXPECT_TRUE(animation.frames[0].animObjects[0].vertices.empty());
}

TEST(AnimationParse, RejectsFilesBeyondTheBounds) {
    struct Case {
        int frames, objects, vertices;
        bool accepted;
        const char* reason;
    };
    const Case cases[] = {
        {35, 1, 1, true, nullptr},  {36, 1, 1, false, "more than 35 frames"},
        {1, 15, 1, true, nullptr},  {1, 16, 1, false, "more than 15 objects in a frame"},
        {1, 1, 100, true, nullptr}, {1, 1, 101, false, "more than 100 vertices in an object"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.frames) + "/" + std::to_string(c.objects) + "/" +
                     std::to_string(c.vertices));
        bool accepted = !c.accepted;
        const char* reason = nullptr;
        const Animation animation = Parse(MakeAniText(c.frames, c.objects, c.vertices), &accepted, &reason);
        EXPECT_EQ(accepted, c.accepted);
        if (c.accepted) {
            EXPECT_EQ(animation.frames.size(), static_cast<size_t>(c.frames));
            EXPECT_EQ(TotalVertices(animation), static_cast<size_t>(c.frames * c.objects * c.vertices));
        } else {
            EXPECT_STREQ(reason, c.reason);
            EXPECT_TRUE(animation.frameCount == 0);
            EXPECT_TRUE(animation.frames.empty());
        }
    }

    // A bound broken late in the file still empties everything read before it.
    std::string late = MakeAniText(2, 1, 1);
    late.replace(late.find("Animation Frames:2"), 18, "Animation Frames:3");
    late += "Frame:2\nObjects:1\nObject:0 Vertices:2147483647\n1 2 3\n";
    bool accepted = true;
    const Animation animation = Parse(late, &accepted);
    EXPECT_FALSE(accepted);
    EXPECT_TRUE(animation.frames.empty());
}

TEST(AnimationLoad, ReadsGamePathsLogsRejectedFilesAndLeavesMissingOnesAlone) {
    const std::string dir = MakeTempDir("animation_load");
    ScopedWorkingDir cwd(dir);
    WriteFile(dir + "/Objects/Hero/Walk.ani", MakeAniText(3, 2, 4));
    WriteFile(dir + "/Objects/Hero/Big.ani", MakeAniText(1, 1, 101));

    Animation walk;
    EXPECT_TRUE(LoadAnimation("Objects\\Hero\\Walk.ani", walk));
    EXPECT_EQ(std::tuple(walk.frames.size(), TotalVertices(walk)), std::tuple(3u, 24u));

    Animation big;
    big.frameCount = 5;
    EXPECT_FALSE(LoadAnimation("Objects\\Hero\\Big.ani", big));
    EXPECT_TRUE(big.frameCount == 0);
    EXPECT_TRUE(big.frames.empty());

    // A file that cannot be opened is the only false that leaves the animation as it was (and logs nothing
    // here).
    EXPECT_FALSE(LoadAnimation("Objects\\Nobody\\Walk.ani", walk));
    EXPECT_EQ(walk.frames.size(), 3u);
    EXPECT_EQ(ReadFile(dir + "/Log.txt"),
              "Animation rejected : Objects\\Hero\\Big.ani (more than 100 vertices in an object)\n");
}

TEST(AnimationApply, CopiesOnlyWhatBothModelAndFrameHave) {
    const Animation animation = Parse(MakeAniText(2, 3, 4));

    // The frame has more objects and vertices than the model: the model's arrays keep their size.
    Model3D small = MakeModel({2, 3});
    ApplyAnimationFrame(small, animation, 1);
    ASSERT_EQ(std::tuple(small.objects[0].vertexArray->size(), small.objects[1].vertexArray->size()),
              std::tuple(2u, 3u));
    ExpectAt((*small.objects[0].vertexArray)[1], 1, 0, 1);
    ExpectAt((*small.objects[1].vertexArray)[2], 1, 1, 2);

    // The model has more: what the frame lacks stays as it was.
    Model3D big = MakeModel({6, 1, 2, 5});
    ApplyAnimationFrame(big, animation, 0);
    ExpectAt((*big.objects[0].vertexArray)[3], 0, 0, 3);
    for (size_t i : {4, 5}) ExpectAt((*big.objects[0].vertexArray)[i], -7, -7, -7);
    ExpectAt((*big.objects[1].vertexArray)[0], 0, 1, 0);
    ExpectAt((*big.objects[2].vertexArray)[1], 0, 2, 1);
    for (const CVector3& v : *big.objects[3].vertexArray) ExpectAt(v, -7, -7, -7);

    // A model whose counts disagree with its arrays, or that has no arrays, is written only inside them.
    Model3D odd = MakeModel({4, 4});
    odd.objects[0].vertexCount = 50;
    odd.objects[0].vertexArray->resize(2);
    odd.objects[1].vertexArray.reset();
    odd.objectCount = 9;
    ApplyAnimationFrame(odd, animation, 1);
    ASSERT_EQ(odd.objects[0].vertexArray->size(), 2u);
    ExpectAt((*odd.objects[0].vertexArray)[1], 1, 0, 1);
}

TEST(AnimationApply, FrameOutsideTheLoadedOnesCopiesNothing) {
    // Claims three frames, holds two.
    std::string text = MakeAniText(2, 1, 2);
    text.replace(text.find("Animation Frames:2"), 18, "Animation Frames:3");
    const Animation animation = Parse(text);
    ASSERT_EQ(animation.frameCount, 3);
    for (int32_t frame : {-1, 2, 3, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(frame);
        Model3D model = MakeModel({2});
        ApplyAnimationFrame(model, animation, frame);
        for (const CVector3& v : *model.objects[0].vertexArray) ExpectAt(v, -7, -7, -7);
    }
    Model3D model = MakeModel({2});
    ApplyAnimationFrame(model, Animation{}, 0);
    ExpectAt((*model.objects[0].vertexArray)[0], -7, -7, -7);
}

TEST(AnimationCorpus, EverySeedAndEveryCutOfTheValidOnesParsesSafely) {
    const std::vector<std::string> files = ListFiles(std::string(AURELANT_FUZZ_CORPUS) + "/ani");
    ASSERT_FALSE(files.empty());
    int valid = 0;
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        const std::string text = ReadFile(path);
        bool accepted = false;
        const Animation full = Parse(text, &accepted);
        Model3D model = MakeModel({100, 3, 0, 50});
        for (int32_t f = -1; f <= full.frameCount + 1 && f <= 40; ++f) ApplyAnimationFrame(model, full, f);
        if (path.find("/ok_") == std::string::npos) continue;
        ++valid;
        ASSERT_TRUE(accepted);
        ASSERT_EQ(full.frames.size(), static_cast<size_t>(full.frameCount));
        const size_t total = TotalVertices(full);
        for (size_t cut = 0; cut <= text.size(); ++cut) {
            const Animation part = Parse(text.substr(0, cut), &accepted);
            ASSERT_TRUE(accepted) << "cut at " << cut;
            ASSERT_LE(part.frames.size(), full.frames.size()) << "cut at " << cut;
            ASSERT_LE(TotalVertices(part), total) << "cut at " << cut;
        }
        EXPECT_EQ(TotalVertices(Parse(text)), total);
    }
    EXPECT_GT(valid, 0);
}
