// The fixed render state, checked through what frames drawn with it show.
#include "app/graphics.h"
#include "assets/game_state.h"
#include "platform/platform.h"
#include "tests/unit/test_support.h"

#include <GL/gl.h>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

std::array<int, 3> PixelAt(int x, int yFromTop) {
    GLubyte p[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(x, kHeight - 1 - yFromTop, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

void Quad(float z, float r, float g, float b, bool clockwise = false) {
    glColor3f(r, g, b);
    const float s = -z * 0.2f;
    glBegin(GL_QUADS);
    if (clockwise) {
        glVertex3f(-s, -s, z);
        glVertex3f(-s, s, z);
        glVertex3f(s, s, z);
        glVertex3f(s, -s, z);
    } else {
        glVertex3f(-s, -s, z);
        glVertex3f(s, -s, z);
        glVertex3f(s, s, z);
        glVertex3f(-s, s, z);
    }
    glEnd();
}

class RenderState : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ScreenWidth = kWidth;
        ScreenHeight = kHeight;
        ScreenBits = 32;
        ready_ = OpenTestWindow("Aurelant render state test", kWidth, kHeight, 32);
        if (ready_) SetupRenderState(kWidth, kHeight);
    }
    static void TearDownTestSuite() { CloseTestWindow(); }
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "no DISPLAY";
        ASSERT_TRUE(ready_);
        glDisable(GL_TEXTURE_2D); // no texture is bound in these frames
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
    }
    static bool ready_;
};
bool RenderState::ready_ = false;

TEST_F(RenderState, NearerSurfaceWinsWhateverTheDrawingOrder) {
    Quad(-5, 1, 0, 0);
    Quad(-10, 0, 1, 0); // behind, drawn later
    const auto centre = PixelAt(kWidth / 2, kHeight / 2);
    EXPECT_GT(centre[0], 200);
    EXPECT_LT(centre[1], 40);
}

TEST_F(RenderState, BackFacesAreCulled) {
    Quad(-5, 0, 0, 1, true);
    const auto centre = PixelAt(kWidth / 2, kHeight / 2);
    EXPECT_NEAR(centre[2], 128, 1); // still the clear colour
    Quad(-5, 0, 0, 1, false);
    EXPECT_GT(PixelAt(kWidth / 2, kHeight / 2)[2], 200);
}

TEST_F(RenderState, FogIsInvisibleUntilItsDensityRises) {
    Quad(-50, 1, 1, 1);
    EXPECT_GT(PixelAt(kWidth / 2, kHeight / 2)[0], 240);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFogf(GL_FOG_DENSITY, 0.05f); // exp(-0.05 * 50) leaves 8 % of the colour, faded to black
    Quad(-50, 1, 1, 1);
    const int faded = PixelAt(kWidth / 2, kHeight / 2)[0];
    glFogf(GL_FOG_DENSITY, FogDensity);
    EXPECT_GT(faded, 5);
    EXPECT_LT(faded, 45);
}

TEST_F(RenderState, PerspectiveIsFortyFiveDegreesHighWithTheWindowsAspect) {
    // At depth 10 the view is 2 * 10 * tan(22.5°) = 8.28 units high.
    glColor3f(1, 0, 0);
    glBegin(GL_QUADS);
    glVertex3f(-20, 3.9f, -10);
    glVertex3f(20, 3.9f, -10);
    glVertex3f(20, 4.4f, -10);
    glVertex3f(-20, 4.4f, -10);
    glEnd();
    EXPECT_GT(PixelAt(kWidth / 2, 5)[0], 200);       // 3.9 .. 4.14 is inside the top edge
    EXPECT_NEAR(PixelAt(kWidth / 2, 40)[0], 128, 1); // below 3.9 is clear
}

} // namespace
