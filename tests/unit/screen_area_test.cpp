#include "app/window_size.h"
#include "assets/screen_area.h"
#include "platform/platform.h"
#include "tests/unit/test_support.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>
#include <vector>

namespace {

struct ScreenAreaTest : ::testing::Test {
    void TearDown() override {
        PillarboxFlag = 0;
        SetWindowSize(1024, 768);
    }
};

TEST_F(ScreenAreaTest, TheLayoutAreaIsTheLargestCentredFourToThree) {
    const struct {
        int w, h;
        ScreenRect area;
    } cases[] = {
        {1024, 768, {0, 0, 1024, 768}},
        {800, 600, {0, 0, 800, 600}},
        {1600, 1200, {0, 0, 1600, 1200}},
        {1920, 1080, {240, 0, 1440, 1080}},
        {1280, 720, {160, 0, 960, 720}},
        {1680, 1050, {140, 0, 1400, 1050}},
        {2560, 1080, {560, 0, 1440, 1080}},
        {1280, 1024, {0, 32, 1280, 960}},
        {3840, 2160, {480, 0, 2880, 2160}},
        {1366, 768, {171, 0, 1024, 768}}, // odd: 342 / 2 truncates
        {1001, 750, {0, 0, 1000, 750}},
        {1000, 751, {0, 0, 1000, 750}}, // 4 * 751 / 3 = 1001.3
        {641, 481, {0, 0, 641, 480}},
        {1, 1, {0, 0, 1, 1}},
        {0, 0, {0, 0, 1, 1}},
        {-5, 300, {0, 149, 1, 1}},
        {16384, 1, {8191, 0, 1, 1}},
        {3, 16384, {0, 8191, 3, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        const ScreenRect a = LargestFourThree(c.w, c.h);
        EXPECT_EQ(std::tie(a.left, a.top, a.width, a.height),
                  std::tie(c.area.left, c.area.top, c.area.width, c.area.height));
    }
}

TEST_F(ScreenAreaTest, ThePictureFillsTheWindowUnlessPillarboxed) {
    SetWindowSize(1920, 1080);
    EXPECT_EQ(std::tuple(PictureArea.left, PictureArea.width), std::tuple(0, 1920));
    AreaBounds p = PictureInLayout();
    EXPECT_EQ(std::vector<double>({p.left, p.right, p.top, p.bottom}),
              std::vector<double>({-240, 1680, 0, 1080}));
    // The unit square reaches a little past the area; the picture stretches it by 4/3 each way here.
    AreaBounds u = PictureInUnitSquare();
    EXPECT_LT(u.left, -0.14);
    EXPECT_GT(u.right, 1.14);
    EXPECT_NEAR(u.left + u.right, 1.0, 1e-9);
    EXPECT_TRUE(u.top > 0.99 && u.top < 1.0) << u.top;

    PillarboxFlag = 1;
    SetWindowSize(1920, 1080);
    EXPECT_EQ(std::tuple(PictureArea.left, PictureArea.width), std::tuple(240, 1440));
    p = PictureInLayout();
    EXPECT_EQ(std::vector<double>({p.left, p.right}), std::vector<double>({0, 1440}));

    // At 4:3 the picture and the area are one, and the unit square overscans both.
    PillarboxFlag = 0;
    SetWindowSize(1024, 768);
    u = PictureInUnitSquare();
    EXPECT_TRUE(u.left > 0.0 && u.right < 1.0 && u.bottom > 0.0 && u.top < 1.0);
}

TEST_F(ScreenAreaTest, ASlideCarriedToANewSizeKeepsItsShareOfTheWay) {
    EXPECT_EQ(CarrySlide(-150, -150, -210), -210); // hidden stays hidden
    EXPECT_EQ(CarrySlide(-400, -150, -210), -210); // past hidden too
    EXPECT_EQ(CarrySlide(0, -150, -210), 0);       // at rest stays at rest
    EXPECT_EQ(CarrySlide(-75, -150, -210), -105);  // halfway stays halfway
    EXPECT_EQ(CarrySlide(-1, -150, -10), 0);       // truncates toward rest
    EXPECT_EQ(CarrySlide(-5, 0, -10), -10);        // no way to share: hidden
    EXPECT_EQ(CarrySlide(-2000000000, -2000000001, -2000000000), -1999999999);
}

// The game's perspective puts the unit square over the layout area wherever
// the area lies, and at 4:3 it is the classic 45 degree perspective exactly.
TEST_F(ScreenAreaTest, ThePerspectiveMapsTheUnitSquareOntoTheLayoutArea) {
    if (!HaveDisplay()) GTEST_SKIP() << "no DISPLAY";
    ASSERT_TRUE(OpenTestWindow("Aurelant screen area test", 320, 240, 24) && CreateRenderContext());
    const auto project = [](double x, double y, double* wx, double* wy) {
        GLdouble model[16], projection[16];
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        double wz = 0;
        return gluProject(x, y, 0, model, projection, viewport, wx, wy, &wz) == GL_TRUE;
    };
    const struct {
        int w, h, pillarbox;
    } cases[] = {{1920, 1080, 0}, {1280, 1024, 0}, {2560, 1080, 0}, {1024, 768, 0}, {1920, 1080, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + (c.pillarbox ? " pillarboxed" : ""));
        PillarboxFlag = static_cast<uint8_t>(c.pillarbox);
        SetWindowSize(c.w, c.h);
        SetPictureViewport();
        LoadGamePerspective();
        glLoadIdentity();
        EnterUnitSquare();
        // The square's centre is the area's; its corners overscan the area by under 2 %.
        double x = 0, y = 0;
        ASSERT_TRUE(project(0.5, 0.5, &x, &y));
        EXPECT_NEAR(x, LayoutArea.left + LayoutArea.width / 2.0, 1.0);
        EXPECT_NEAR(c.h - y, LayoutArea.top + LayoutArea.height / 2.0, 1.0);
        ASSERT_TRUE(project(0, 1, &x, &y));
        EXPECT_LT(x, LayoutArea.left);
        EXPECT_GT(x, LayoutArea.left - 0.02 * LayoutArea.width);
        EXPECT_LT(c.h - y, LayoutArea.top);
        EXPECT_GT(c.h - y, LayoutArea.top - 0.02 * LayoutArea.height);
        // The picture square covers the whole picture the same way.
        glLoadIdentity();
        EnterPictureSquare();
        ASSERT_TRUE(project(1, 0, &x, &y));
        EXPECT_GT(x, PictureArea.left + PictureArea.width);
        EXPECT_LT(x, PictureArea.left + PictureArea.width * 1.02);
        EXPECT_LT(c.h - y - PictureArea.top - PictureArea.height, 0.02 * PictureArea.height);
        EXPECT_GT(c.h - y, PictureArea.top + PictureArea.height);
    }
    // 4:3: exactly what gluPerspective alone gives.
    PillarboxFlag = 0;
    SetWindowSize(1024, 768);
    LoadGamePerspective();
    GLfloat game[16], classic[16];
    glMatrixMode(GL_PROJECTION);
    glGetFloatv(GL_PROJECTION_MATRIX, game);
    glLoadIdentity();
    gluPerspective(45.0, 1024.0 / 768.0, 0.5, 1000.0);
    glGetFloatv(GL_PROJECTION_MATRIX, classic);
    glMatrixMode(GL_MODELVIEW);
    EXPECT_EQ(std::memcmp(game, classic, sizeof game), 0);
    CloseTestWindow();
}

} // namespace
