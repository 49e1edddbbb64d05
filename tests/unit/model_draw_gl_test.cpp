// Models and TGA textures drawn into a real window; runs only where there is a display.
#include "assets/model3d.h"
#include "assets/texture.h"

#include "platform/platform.h"
#include "tests/unit/test_support.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

namespace {

constexpr int kSize = 256;

std::string Tga(int width, int height, int depth, const std::string& pixels) {
    std::string s(18, '\0');
    s[2] = 2;
    s[12] = static_cast<char>(width);
    s[14] = static_cast<char>(height);
    s[16] = static_cast<char>(depth);
    return s + pixels;
}

// A uniform 2x2 image; the file stores blue, green, red.
std::string SolidTga(int r, int g, int b) {
    std::string pixels;
    for (int i = 0; i < 4; ++i) pixels += {static_cast<char>(b), static_cast<char>(g), static_cast<char>(r)};
    return Tga(2, 2, 24, pixels);
}

std::array<int, 3> PixelAt(int x, int y) {
    glFinish();
    uint8_t rgb[3] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

void ExpectColour(std::array<int, 3> have, std::array<int, 3> want, const char* what) {
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(have[k], want[k], 3) << what << " channel " << k;
}

// A square of two triangles at (x, y), with texels when textured.
Object3D Square(float x, float y, float side, bool textured, int32_t materialId) {
    Object3D o;
    o.vertices = {{x, y, 0}, {x + side, y, 0}, {x + side, y + side, 0}, {x, y + side, 0}};
    o.normals.assign(4, {0, 0, 1});
    o.indices = {0, 1, 2, 0, 2, 3};
    o.vertexCount = 4;
    o.indexCount = 6;
    o.materialId = materialId;
    o.hasTexture = textured;
    o.vertexArray = std::make_shared<std::vector<CVector3>>(o.vertices);
    o.normalArray = std::make_shared<std::vector<CVector3>>(o.normals);
    o.indexArray = std::make_shared<std::vector<uint32_t>>(o.indices.begin(), o.indices.end());
    if (textured) {
        o.texels = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        o.texelArray = std::make_shared<std::vector<CVector2>>(o.texels);
    }
    return o;
}

Material3D Colour(int r, int g, int b, int textureId) {
    Material3D m;
    m.red = r;
    m.green = g;
    m.blue = b;
    m.textureId = textureId;
    return m;
}

class ModelDrawGL : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ready_ = OpenTestWindow("Aurelant model test", kSize, kSize, 24) && CreateRenderContext();
    }
    static void TearDownTestSuite() { CloseTestWindow(); }
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "no DISPLAY";
        ASSERT_TRUE(ready_) << "window or context could not be made";
        dir_ = MakeTempDir(std::string("model_draw_") +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        glViewport(0, 0, kSize, kSize);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kSize, 0, kSize, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glDisable(GL_BLEND);
        glDisable(GL_FOG);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = dir_ + "/" + name;
        WriteFile(path, bytes);
        return path;
    }
    // A model with a textured square at x 0..64 (material 0, texture slot 0) and a
    // plain square at x 100..164 (material 1), drawn in the order asked.
    Model3D TwoSquares(bool texturedFirst) {
        Model3D model;
        model.materials = {Colour(90, 90, 90, 0), Colour(30, 60, 220, 0)};
        model.materialCount = 2;
        EXPECT_TRUE(
            LoadTGATexture(model.textures[0], Write("Green.tga", SolidTga(40, 200, 90)).c_str(), true));
        Object3D textured = Square(0, 0, 64, true, 0);
        Object3D plain = Square(100, 0, 64, false, 1);
        model.objects =
            texturedFirst ? std::vector<Object3D>{textured, plain} : std::vector<Object3D>{plain, textured};
        model.objectCount = 2;
        return model;
    }
    std::string dir_;
    static inline bool ready_ = false;
};

} // namespace

TEST_F(ModelDrawGL, PlainObjectAfterTexturedIsNotTextured) {
    DrawModel3D(TwoSquares(true));
    ExpectColour(PixelAt(32, 32), {40, 200, 90}, "textured square");
    ExpectColour(PixelAt(132, 32), {30, 60, 220}, "plain square");
    ExpectColour(PixelAt(200, 200), {0, 0, 0}, "background");
    // Texturing stays as the last object left it; the colour ends white.
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    std::array<float, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (std::array<float, 4>{1, 1, 1, 1}));
}

TEST_F(ModelDrawGL, TexturedObjectAfterPlainIsNotTinted) {
    DrawModel3D(TwoSquares(false));
    ExpectColour(PixelAt(132, 32), {30, 60, 220}, "plain square");
    ExpectColour(PixelAt(32, 32), {40, 200, 90}, "textured square");
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
}

TEST_F(ModelDrawGL, AnimatedArrayOfACopyMovesTheDrawing) {
    Model3D source = TwoSquares(true);
    Model3D copy = source;
    for (CVector3& v : *source.objects[1].vertexArray) v.y += 100;
    DrawModel3D(copy);
    ExpectColour(PixelAt(132, 32), {0, 0, 0}, "where the plain square was");
    ExpectColour(PixelAt(132, 132), {30, 60, 220}, "where it moved to");
}

TEST_F(ModelDrawGL, ReferencesOutsideTheModelDrawWhite) {
    Model3D model;
    model.materials = {Colour(30, 60, 220, 12)};
    model.materialCount = 1;
    model.objects = {Square(0, 0, 64, false, 5), Square(100, 0, 64, true, 0), Square(0, 100, 64, true, -3)};
    model.objectCount = 3;
    // Claims more indices than it holds.
    model.objects[0].indexCount = 600;
    DrawModel3D(model);
    ExpectColour(PixelAt(32, 32), {255, 255, 255}, "material id past the list");
    ExpectColour(PixelAt(132, 32), {255, 255, 255}, "texture slot past the slots");
    ExpectColour(PixelAt(32, 132), {255, 255, 255}, "negative material id");
}

TEST_F(ModelDrawGL, TexturesKeepTheirTexelsAlphaAndNames) {
    // Rows of 3 pixels of 24 bits: 9 bytes, not a multiple of four.
    const std::string rows = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x11\x12\x13\x14\x15\x16\x17\x18\x19";
    TextureImage rgb{};
    ASSERT_TRUE(LoadTGATexture(rgb, Write("Odd.tga", Tga(3, 2, 24, rows)).c_str(), false));
    EXPECT_EQ(rgb.pixels, nullptr);
    EXPECT_EQ(rgb.bpp, 24u);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), rgb.texName);
    uint8_t texels[18] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(texels), 18),
              "\x03\x02\x01\x06\x05\x04\x09\x08\x07\x13\x12\x11\x16\x15\x14\x19\x18\x17");

    TextureImage rgba{};
    const std::string alpha = Write("Alpha.tga", Tga(1, 1, 32, "\x10\x20\x30\x40"));
    ASSERT_TRUE(LoadTGATexture(rgba, alpha.c_str(), true));
    EXPECT_EQ(rgba.bpp, 32u);
    uint8_t pixel[4] = {};
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(pixel), 4), "\x30\x20\x10\x40");

    TextureImage again{};
    ASSERT_TRUE(LoadTGATexture(again, alpha.c_str(), true));
    EXPECT_NE(again.texName, rgba.texName);

    // The loader leaves row alignment as it found it.
    GLint unpack = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
    EXPECT_EQ(unpack, 4);
}
