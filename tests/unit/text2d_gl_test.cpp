// Text and quads drawn into a real window; runs only where there is a display.
#include "assets/screen_area.h"
#include "assets/text2d.h"

#include "app/graphics.h"
#include "assets/game_state.h"
#include "platform/platform.h"
#include "tests/unit/test_support.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct Box {
    int minCol = INT_MAX, maxCol = INT_MIN, minRow = INT_MAX, maxRow = INT_MIN; // rows from the top
    bool Empty() const { return minCol > maxCol; }
    void Add(int col, int row) {
        minCol = std::min(minCol, col);
        maxCol = std::max(maxCol, col);
        minRow = std::min(minRow, row);
        maxRow = std::max(maxRow, row);
    }
};

class Screen {
  public:
    Screen() : rgb_(static_cast<size_t>(kWidth) * kHeight * 3) {
        glFinish();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb_.data());
    }
    // Column from the left, row from the top.
    std::array<int, 3> At(int col, int row) const {
        const size_t i = (static_cast<size_t>(kHeight - 1 - row) * kWidth + static_cast<size_t>(col)) * 3;
        return {rgb_[i], rgb_[i + 1], rgb_[i + 2]};
    }
    template <typename Pred>
    Box Find(Pred pred) const {
        Box box;
        for (int row = 0; row < kHeight; ++row)
            for (int col = 0; col < kWidth; ++col)
                if (pred(At(col, row))) box.Add(col, row);
        return box;
    }

  private:
    std::vector<uint8_t> rgb_;
};

bool IsWhite(const std::array<int, 3>& p) {
    return p[0] > 200 && p[1] > 200 && p[2] > 200;
}
bool IsBlack(const std::array<int, 3>& p) {
    return p[0] < 40 && p[1] < 40 && p[2] < 40;
}

std::array<float, 4> CurrentColour() {
    std::array<float, 4> c{};
    glGetFloatv(GL_CURRENT_COLOR, c.data());
    return c;
}

std::array<float, 4> RasterPosition() {
    std::array<float, 4> p{};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, p.data());
    return p;
}

void ExpectNear(const std::array<int, 3>& have, std::array<int, 3> want, const char* where) {
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(have[k], want[k], 40) << where << " channel " << k;
}

class Text2DGL : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ready_ = OpenTestWindow("Aurelant text test", kWidth, kHeight, 24) && CreateRenderContext();
        if (!ready_) return;
        TimesFontBase = glGenLists(256);
        fontBuilt_ = BuildBitmapFont("Times New Roman", 32, 700, TimesFontBase);
        // A font whose glyph c draws nothing and moves the raster c pixels right, so the
        // raster position after a print tells exactly which codes were called.
        advanceFont_ = glGenLists(256);
        const GLubyte blank[4] = {0, 0, 0, 0};
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        for (int c = 0; c < 256; ++c) {
            glNewList(advanceFont_ + static_cast<GLuint>(c), GL_COMPILE);
            if (c != 255) glBitmap(1, 1, 0, 0, static_cast<GLfloat>(c), 0, blank);
            glEndList();
        }
        ready_ = glGetError() == GL_NO_ERROR;
    }
    static void TearDownTestSuite() { CloseTestWindow(); }
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "no DISPLAY";
        ASSERT_TRUE(ready_) << "window or context could not be made";
        SetWindowSize(kWidth, kHeight);
        glViewport(0, 0, kWidth, kHeight);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_FOG);
        glDisable(GL_BLEND);
        glDisable(GL_CULL_FACE);
    }
    void Clear(float grey) {
        glClearColor(grey, grey, grey, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    static inline bool ready_ = false;
    static inline bool fontBuilt_ = false;
    static inline GLuint advanceFont_ = 0;
};

} // namespace

TEST_F(Text2DGL, TextStartsOnePixelLeftWithItsBaselineAFontHeightDown) {
    ASSERT_TRUE(fontBuilt_);
    Clear(0.0f);
    glColor3f(1, 1, 1);
    PrintText(TimesFontBase, 100, 200, "H");
    const Box lit = Screen().Find(IsWhite);
    ASSERT_FALSE(lit.Empty());
    EXPECT_GE(lit.minCol, 99);
    EXPECT_LT(lit.minCol, 99 + 16);
    EXPECT_EQ(lit.maxRow, 232);
    EXPECT_GT(lit.maxRow - lit.minRow, 10); // a whole capital, not a speck
}

TEST_F(Text2DGL, ShadowSitsRightAndBelowAndLeavesWhite) {
    ASSERT_TRUE(fontBuilt_);
    Clear(0.5f);
    glColor3f(0.3f, 0.6f, 0.9f);
    PrintShadowText(TimesFontBase, 100, 200, "H");
    const Screen screen;
    const Box white = screen.Find(IsWhite);
    const Box black = screen.Find(IsBlack);
    ASSERT_FALSE(white.Empty());
    ASSERT_FALSE(black.Empty());
    EXPECT_EQ(black.minCol, white.minCol + 5);
    EXPECT_EQ(black.maxRow, white.maxRow + 3);
    EXPECT_EQ(CurrentColour(), (std::array<float, 4>{1, 1, 1, 1}));
}

TEST_F(Text2DGL, PrintCallsOneGlyphPerCharacterFromTheRasterOrigin) {
    glColor3f(1, 1, 1);
    PrintText(advanceFont_, 100, 200, "%d", 7);
    std::array<float, 4> raster = RasterPosition();
    EXPECT_EQ(raster[0], 99 + '7');
    EXPECT_EQ(raster[1], 535);

    // Empty text still places the raster; x = 0 puts it one pixel outside the window, still valid.
    PrintText(advanceFont_, 0, 0, "%s", "");
    raster = RasterPosition();
    EXPECT_EQ(raster[0], -1);
    EXPECT_EQ(raster[1], kHeight - 32 - 1);
    GLboolean valid = GL_FALSE;
    glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
    EXPECT_EQ(valid, GL_TRUE);

    // Cut to 255 characters; code 255 moves nothing.
    PrintText(advanceFont_, 1, 0, "%s", std::string(400, '\x01').c_str());
    EXPECT_EQ(RasterPosition()[0], 255);
    PrintText(advanceFont_, 1, 0, "\xff\xff\x02");
    EXPECT_EQ(RasterPosition()[0], 2);

    // The shadowed print draws the formatted text as it is: "%d" in it stays two characters.
    PrintShadowText(advanceFont_, 100, 200, "%s", "5%d");
    EXPECT_EQ(RasterPosition()[0], 99 + '5' + '%' + 'd');

    // No format: nothing drawn, colour and raster untouched.
    glColor3f(0.25f, 0.5f, 0.75f);
    const std::array<float, 4> before = RasterPosition();
    const char* none = nullptr;
    PrintShadowText(advanceFont_, 300, 300, none);
    PrintText(advanceFont_, 300, 300, none);
    EXPECT_EQ(CurrentColour(), (std::array<float, 4>{0.25f, 0.5f, 0.75f, 1}));
    EXPECT_EQ(RasterPosition(), before);
}

TEST_F(Text2DGL, PrintLeavesMatricesViewportAndListBaseAsTheyWere) {
    glViewport(10, 20, 300, 200);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1, 1, -1, 1, 1, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1, 2, -3);
    glListBase(42);
    glMatrixMode(GL_TEXTURE);

    std::array<double, 16> projection{}, modelview{};
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview.data());
    PrintShadowText(advanceFont_, 100, 100, "text %d", 1);

    std::array<double, 16> projectionAfter{}, modelviewAfter{};
    glGetDoublev(GL_PROJECTION_MATRIX, projectionAfter.data());
    glGetDoublev(GL_MODELVIEW_MATRIX, modelviewAfter.data());
    EXPECT_EQ(projectionAfter, projection);
    EXPECT_EQ(modelviewAfter, modelview);
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{10, 20, 300, 200}));
    GLint mode = 0, base = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glGetIntegerv(GL_LIST_BASE, &base);
    EXPECT_EQ(mode, GL_TEXTURE);
    EXPECT_EQ(base, 42);
    glMatrixMode(GL_MODELVIEW);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Text2DGL, OrthoModeIsPixelsFromTheTopLeftAndGradientsRunDown) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1, 1, -1, 1, 1, 100);
    std::array<double, 16> projection{};
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());

    Clear(0.0f);
    OrthoMode(0, 0, kWidth, kHeight);
    DrawGradientQuad(10, 10, 110, 10, 110, 110, 10, 110, true);
    DrawGradientQuad(200, 10, 300, 10, 300, 110, 200, 110, false);
    GLboolean texturing = glIsEnabled(GL_TEXTURE_2D);
    PerspectiveMode();

    const Screen screen;
    ExpectNear(screen.At(60, 10), {0, 255, 0}, "green top");
    ExpectNear(screen.At(60, 109), {0, 0, 255}, "blue bottom");
    ExpectNear(screen.At(250, 10), {0, 0, 255}, "blue top");
    ExpectNear(screen.At(250, 109), {255, 0, 0}, "red bottom");
    ExpectNear(screen.At(60, 9), {0, 0, 0}, "above the quad");
    ExpectNear(screen.At(9, 60), {0, 0, 0}, "left of the quad");
    EXPECT_EQ(texturing, GL_TRUE);

    std::array<double, 16> after{};
    glGetDoublev(GL_PROJECTION_MATRIX, after.data());
    EXPECT_EQ(after, projection);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(Text2DGL, TexturedQuadsMapTheirCornersAndPanelsTurnTheTexture) {
    // Texture rows from t = 0: red, green / blue, white.
    const uint8_t texels[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);

    Clear(0.0f);
    OrthoMode(0, 0, kWidth, kHeight);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    DrawTexturedQuad(0, 0, 100, 0, 100, 100, 0, 100, texture);
    glNormal3f(1, 0, 0);
    DrawLitTexturedQuad(200, 0, 300, 0, 300, 100, 200, 100, texture);
    std::array<float, 3> normal{};
    glGetFloatv(GL_CURRENT_NORMAL, normal.data());
    EXPECT_EQ(normal, (std::array<float, 3>{0, 0, 1}));
    // Panels as the menus draw them: corners top-left, bottom-left, bottom-right, top-right.
    glColor3f(0.2f, 0.2f, 0.2f);
    glDisable(GL_TEXTURE_2D);
    DrawPanel(400, 0, 400, 100, 500, 100, 500, 0, texture);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    PerspectiveMode();

    const Screen screen;
    for (int left : {0, 200}) {
        ExpectNear(screen.At(left + 25, 25), {255, 0, 0}, "quad top-left");
        ExpectNear(screen.At(left + 75, 25), {0, 255, 0}, "quad top-right");
        ExpectNear(screen.At(left + 25, 75), {0, 0, 255}, "quad bottom-left");
        ExpectNear(screen.At(left + 75, 75), {255, 255, 255}, "quad bottom-right");
    }
    ExpectNear(screen.At(425, 25), {0, 0, 255}, "panel top-left");
    ExpectNear(screen.At(425, 75), {255, 0, 0}, "panel bottom-left");
    ExpectNear(screen.At(475, 75), {0, 255, 0}, "panel bottom-right");
    ExpectNear(screen.At(475, 25), {255, 255, 255}, "panel top-right");
    glDeleteTextures(1, &texture);
    glDisable(GL_COLOR_MATERIAL);
}
