// The window, its OpenGL context, screenshots and bitmap fonts, on a real X
// display (run under xvfb-run); skipped where there is none.
#include "platform/platform.h"
#include "tests/unit/test_support.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// The GL driver and D-Bus keep a few allocations to the end, some inside modules unloaded before
// the leak check, where no suppression can name them; the platform's own leaks are checked by the
// window-free tests.
extern "C" __attribute__((used)) const char* __asan_default_options() {
    return "detect_leaks=0";
}

namespace {

constexpr int Width = 640;
constexpr int Height = 480;

class GameWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (display == nullptr || *display == '\0') GTEST_SKIP() << "no X display";
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
        // Without this SDL quietly falls back to its off-screen driver when the display is unreachable.
        setenv("SDL_VIDEODRIVER", "x11", 0);
        testing::internal::CaptureStderr();
        const bool started = InitPlatform(true);
        const std::string why = testing::internal::GetCapturedStderr();
        if (!started) GTEST_SKIP() << "X display unreachable: " << why;
        started_ = true;
    }
    void TearDown() override {
        if (started_) ShutdownPlatform();
    }
    void OpenWithContext() {
        ASSERT_TRUE(OpenGameWindow("Aurelant", 0, 0, Width, Height, false, PixelFormatRequest{32, 32, true}));
        const int format = ChoosePixelFormat(PixelFormatRequest{32, 32, true});
        ASSERT_EQ(format, 1);
        ASSERT_TRUE(SetPixelFormat(format));
        ASSERT_TRUE(CreateRenderContext());
        glViewport(0, 0, Width, Height);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, Width, 0, Height, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
    }

    bool started_ = false;
};

// Pixels of the back buffer at or above a brightness, bottom row first as GL reads them.
std::vector<uint8_t> ReadLitPixels() {
    std::vector<uint8_t> rgba(Width * Height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, Width, Height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    std::vector<uint8_t> lit(Width * Height);
    for (int i = 0; i < Width * Height; ++i) lit[i] = rgba[i * 4] > 128;
    return lit;
}

struct Extent {
    int count = 0;
    int minX = Width, maxX = -1, minY = Height, maxY = -1;
};

Extent LitExtent(const std::vector<uint8_t>& lit) {
    Extent e;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            if (lit[y * Width + x]) {
                ++e.count;
                e.minX = std::min(e.minX, x);
                e.maxX = std::max(e.maxX, x);
                e.minY = std::min(e.minY, y);
                e.maxY = std::max(e.maxY, y);
            }
    return e;
}

Extent DrawText(uint32_t base, const char* text, int x, int y) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1, 1, 1);
    glRasterPos2i(x, y);
    glListBase(base);
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    glFinish();
    return LitExtent(ReadLitPixels());
}

float RasterX() {
    GLfloat position[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    return position[0];
}

TEST_F(GameWindowTest, TheClosestFormatIsGrantedWhenTheExactOneIsMissing) {
    OpenWithContext();
    // Mesa has no 32-bit depth buffer; the chooser must settle for less rather than fail.
    const PixelFormatRequest granted = GrantedPixelFormat();
    EXPECT_GE(granted.colorBits, 24);
    EXPECT_GE(granted.depthBits, 16);
    EXPECT_TRUE(granted.doubleBuffer);
    EXPECT_FALSE(SetPixelFormat(2));
    int width = 0;
    int height = 0;
    GetClientSize(&width, &height);
    EXPECT_EQ(width, Width);
    EXPECT_EQ(height, Height);
    SetVerticalSync(false);
    PlatformMessage message;
    bool painted = false;
    while (PeekPlatformMessage(&message)) painted = painted || message.type == MessageType::Paint;
    EXPECT_TRUE(painted);
}

TEST_F(GameWindowTest, ScreenshotsStartWithTheTopRow) {
    OpenWithContext();
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, Height / 2, Width, Height / 2); // GL's upper half
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    const std::string path = MakeTempDir("platform_shot") + "/shot.png";
    RequestScreenshot(path.c_str());
    SwapScreenBuffer();

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr));
    EXPECT_EQ(image.width, static_cast<png_uint_32>(Width));
    EXPECT_EQ(image.height, static_cast<png_uint_32>(Height));
    EXPECT_EQ(rgba[2], 255) << "first row should be the blue top";
    EXPECT_EQ(rgba[0], 0);
    const size_t last = (static_cast<size_t>(Height) - 1) * Width * 4;
    EXPECT_EQ(rgba[last], 255) << "last row should be the red bottom";
    EXPECT_EQ(rgba[last + 2], 0);

    // One request, one picture.
    std::remove(path.c_str());
    SwapScreenBuffer();
    EXPECT_TRUE(ReadFile(path).empty());
}

TEST_F(GameWindowTest, BoldArialGlyphsSitOnTheBaselineAndAdvance) {
    OpenWithContext();
    // Names nobody reserved, so that only what the font compiled exists.
    const GLuint base = 3000;
    ASSERT_FALSE(glIsList(base));
    ASSERT_TRUE(BuildBitmapFont("Arial", 64, 700, base));
    EXPECT_TRUE(glIsList(base + 'A'));
    EXPECT_TRUE(glIsList(base + 0));
    EXPECT_TRUE(glIsList(base + 254));
    EXPECT_FALSE(glIsList(base + 255));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const int baseline = 200;
    const Extent a = DrawText(base, "A", 100, baseline);
    ASSERT_GT(a.count, 200);
    EXPECT_GE(a.minY, baseline - 1) << "A has nothing below the baseline";
    // A cell of 64 gives capitals of about 41 pixels in Liberation Sans.
    EXPECT_GE(a.maxY - a.minY + 1, 36);
    EXPECT_LE(a.maxY - a.minY + 1, 48);
    EXPECT_GE(a.minX, 99);
    const float afterA = RasterX();
    EXPECT_GE(afterA - 100, 36);
    EXPECT_LE(afterA - 100, 48);

    const Extent g = DrawText(base, "g", 100, baseline);
    EXPECT_LT(g.minY, baseline - 5) << "g descends below the baseline";

    // Bold strokes are thick: the stem of an l is several pixels wide.
    const Extent l = DrawText(base, "l", 100, baseline);
    EXPECT_GE(l.maxX - l.minX + 1, 6);

    // Control codes draw nothing and do not move; the space moves without drawing.
    const Extent control = DrawText(base, "\n\t\x01", 100, baseline);
    EXPECT_EQ(control.count, 0);
    EXPECT_FLOAT_EQ(RasterX(), 100);
    const Extent space = DrawText(base, " ", 100, baseline);
    EXPECT_EQ(space.count, 0);
    EXPECT_GT(RasterX(), 105);

    // Windows-1252: 0x80 is the euro sign, 0xE9 an e with acute accent above the x-height.
    EXPECT_GT(DrawText(base, "\x80", 100, baseline).count, 100);
    const Extent e = DrawText(base, "e", 100, baseline);
    const Extent eAcute = DrawText(base, "\xE9", 100, baseline);
    EXPECT_GT(eAcute.maxY, e.maxY + 5);
    EXPECT_EQ(DrawText(base, "\x81", 100, baseline).count, 0);
    glDeleteLists(base, 256);
}

TEST_F(GameWindowTest, SerifFontsAndSmallCellsBuildToo) {
    OpenWithContext();
    const GLuint base = glGenLists(256);
    ASSERT_TRUE(BuildBitmapFont("Times New Roman", 32, 700, base));
    const Extent t = DrawText(base, "Hello", 50, 100);
    EXPECT_GT(t.count, 100);
    EXPECT_LE(t.maxY - t.minY + 1, 32);
    // A tiny or absurd height must not crash or eat memory.
    EXPECT_TRUE(BuildBitmapFont("Arial", 1, 700, base));
    EXPECT_TRUE(BuildBitmapFont("Arial", -20, 400, base));
    glDeleteLists(base, 256);
}

TEST_F(GameWindowTest, AFullScreenModeTheDisplayLacksIsRefused) {
    DisplayMode desktop;
    ASSERT_TRUE(ReadDisplayMode(&desktop));
    EXPECT_GT(desktop.width, 0);
    EXPECT_GT(desktop.bits, 0);
    EXPECT_FALSE(ChangeDisplayMode(DisplayMode{desktop.width - 24, desktop.height - 8, 32, 0}));
    // SDL would grant the desktop's larger mode instead; the game must hear "no".
    EXPECT_FALSE(OpenGameWindow("Aurelant", 0, 0, desktop.width - 24, desktop.height - 8, true,
                                PixelFormatRequest{32, 32, true}));
    ASSERT_TRUE(ChangeDisplayMode(DisplayMode{desktop.width, desktop.height, 32, 0}));
    ASSERT_TRUE(OpenGameWindow("Aurelant", 0, 0, desktop.width, desktop.height, true,
                               PixelFormatRequest{32, 32, true}));
    int width = 0;
    int height = 0;
    GetClientSize(&width, &height);
    EXPECT_EQ(width, desktop.width);
    EXPECT_EQ(height, desktop.height);
    RestoreDisplayMode();
    RestoreDisplayMode();
    CloseGameWindow();
}

} // namespace
