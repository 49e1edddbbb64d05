// The platform pieces that work without a window: keys, paths, the text
// code page, the clocks, PNG files and the message queue.
#include "platform/clock_internal.h"
#include "platform/cp1252_internal.h"
#include "platform/font_internal.h"
#include "platform/keys_internal.h"
#include "platform/messages_internal.h"
#include "platform/pixel_format_internal.h"
#include "platform/platform.h"
#include "tests/unit/test_support.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

TEST(VirtualKeys, KeycodesMapToTheGamesCodesAndUnknownKeysToZero) {
    // SDL orders the keypad 1..9, 0: each must still land on its own digit.
    const std::pair<SDL_Keycode, int> keys[] = {
        {SDLK_a, 'A'},       {SDLK_z, 'Z'},     {SDLK_0, '0'},    {SDLK_9, '9'},
        {SDLK_KP_0, '0'},    {SDLK_KP_1, '1'},  {SDLK_KP_9, '9'}, {SDLK_RETURN, 13},
        {SDLK_KP_ENTER, 13}, {SDLK_ESCAPE, 27}, {SDLK_SPACE, 32}, {SDLK_LEFT, 37},
        {SDLK_UP, 38},       {SDLK_RIGHT, 39},  {SDLK_DOWN, 40},  {SDLK_BACKSPACE, 8},
        {SDLK_TAB, 9},       {SDLK_RSHIFT, 16}, {SDLK_LCTRL, 17}, {SDLK_F1, 112},
        {SDLK_F12, 123},     {SDLK_F13, 0},     {SDLK_LALT, 0},   {SDLK_COMMA, 0},
        {SDLK_UNKNOWN, 0},   {-1, 0},
    };
    for (const auto& [keycode, key] : keys) EXPECT_EQ(VirtualKeyFromKeycode(keycode), key) << keycode;
}

TEST(HostPaths, GameFilesOpenByTheirBackslashNames) {
    const std::string dir = MakeTempDir("platform_files");
    WriteFile(dir + "/Levels/Town.m3d", "model");
    const std::string gamePath = dir + "\\Levels\\Town.m3d";
    FILE* file = OpenGameFile(gamePath.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char text[8] = {};
    EXPECT_EQ(std::fread(text, 1, 5, file), 5u);
    std::fclose(file);
    EXPECT_STREQ(text, "model");
    EXPECT_EQ(OpenGameFile((dir + "\\Levels\\Missing.m3d").c_str(), "rb"), nullptr);
    EXPECT_EQ(OpenGameFile(nullptr, "rb"), nullptr);
}

TEST(HostPaths, AVeryLongNameIsNotCutIntoAnotherFilesName) {
    // A cut name could open (or truncate) a different, shorter file.
    const std::string dir = MakeTempDir("platform_long");
    const std::string shortName = dir + "/a";
    WriteFile(shortName, "keep");
    std::string longName = shortName + std::string(5000, 'a');
    FILE* file = OpenGameFile(longName.c_str(), "w");
    if (file != nullptr) std::fclose(file);
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(ReadFile(shortName), "keep");
}

TEST(Cp1252, WindowsSpecialsMapToUnicodeAndTheFiveUndefinedBytesToNothing) {
    const std::pair<uint8_t, uint32_t> codes[] = {
        {0x41, 0x41},   {0x80, 0x20AC}, {0x82, 0x201A}, {0x85, 0x2026}, {0x8A, 0x0160},
        {0x8E, 0x017D}, {0x91, 0x2018}, {0x92, 0x2019}, {0x96, 0x2013}, {0x99, 0x2122},
        {0x9C, 0x0153}, {0x9F, 0x0178}, {0xA0, 0xA0},   {0xE9, 0xE9},   {0xFF, 0xFF},
    };
    for (const auto& [code, unicode] : codes) EXPECT_EQ(UnicodeFromCp1252(code), unicode) << int(code);
    int undefined = 0;
    for (int code = 0x80; code < 0xA0; ++code)
        undefined += UnicodeFromCp1252(static_cast<uint8_t>(code)) == 0;
    EXPECT_EQ(undefined, 5);
    for (uint8_t code : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(UnicodeFromCp1252(code), 0u) << int(code);
}

TEST(FontSize, CellHeightCoversAscentAndDescent) {
    // Liberation Sans: 2048 units to the em, win ascent 1854, descent 434.
    EXPECT_EQ(EmPixelsForCellHeight(64, 2048, 1854, 434), 57);
    EXPECT_EQ(EmPixelsForCellHeight(32, 2048, 1854, 434), 29);
    EXPECT_EQ(EmPixelsForCellHeight(20, 1000, 500, 500), 20);
    // Broken metrics must not divide by zero or give an empty size.
    EXPECT_EQ(EmPixelsForCellHeight(32, 2048, 0, 0), 32);
    EXPECT_EQ(EmPixelsForCellHeight(32, 0, 1854, 434), 32);
    EXPECT_EQ(EmPixelsForCellHeight(1, 2048, 60000, 60000), 1);
}

TEST(PixelFormats, FallbacksStartWithTheRequestAndEndOnTheDefaults) {
    PixelFormatRequest attempts[MaxPixelFormatAttempts];
    const int count = PixelFormatAttempts(PixelFormatRequest{32, 32, true}, attempts);
    ASSERT_GE(count, 4);
    const auto bits = [&](int i) { return std::pair(attempts[i].colorBits, attempts[i].depthBits); };
    // Depth gives way before colour: Mesa lacks depth 32 but has colour 32.
    EXPECT_EQ((std::vector{bits(0), bits(1), bits(2), bits(count - 1)}),
              (std::vector<std::pair<int, int>>{{32, 32}, {32, 24}, {32, 16}, {0, 0}}));
    for (int i = 0; i < count; ++i) {
        EXPECT_TRUE(attempts[i].doubleBuffer);
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(attempts[i].colorBits == attempts[j].colorBits &&
                         attempts[i].depthBits == attempts[j].depthBits)
                << "attempt " << i << " repeats " << j;
    }
    const int small = PixelFormatAttempts(PixelFormatRequest{16, 16, false}, attempts);
    EXPECT_EQ(bits(0), std::pair(16, 16));
    EXPECT_LT(small, count);
}

TEST(PixelFormats, ColourDepthsSplitIntoChannels) {
    for (const auto& [bits, colour] : {std::pair{32, 24}, {16, 16}, {8, 0}}) {
        int channels[4];
        ChannelBitsForColor(bits, channels);
        EXPECT_EQ(channels[0] + channels[1] + channels[2], colour) << bits;
        EXPECT_EQ(channels[3], 0) << bits;
    }
}

TEST(SteppedClock, MovesOnlyByItsStepsAndWrapsAt32Bits) {
    StartSteppedClock(1000, 22);
    EXPECT_EQ(GetTickCount(), 1000u);
    SDL_Delay(30);
    EXPECT_EQ(GetTickCount(), 1000u);
    AdvanceSteppedClock();
    AdvanceSteppedClock();
    EXPECT_EQ(GetTickCount(), 1044u);

    StartSteppedClock(0xFFFFFFF0u, 22);
    AdvanceSteppedClock();
    EXPECT_EQ(GetTickCount(), 6u);
    // The game measures time by unsigned difference, which must survive the wrap.
    EXPECT_EQ(GetTickCount() - 0xFFFFFFF0u, 22u);
    StopSteppedClock();
}

TEST(SteppedClock, StartsFromTheRealClockAndTheRealClockAdvancesAlone) {
    const uint32_t before = GetTickCount();
    UseSteppedClock(10);
    const uint32_t start = GetTickCount();
    EXPECT_GE(start - before, 0u);
    EXPECT_LT(start - before, 1000u);
    AdvanceSteppedClock();
    EXPECT_EQ(GetTickCount(), start + 10);
    StopSteppedClock();
    AdvanceSteppedClock(); // nothing on the real clock
    const uint32_t real = GetTickCount();
    SDL_Delay(20);
    EXPECT_GE(GetTickCount() - real, 15u);
}

struct PngImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};

bool ReadPng(const std::string& path, PngImage* image) {
    png_image reader;
    std::memset(&reader, 0, sizeof reader);
    reader.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&reader, path.c_str())) return false;
    reader.format = PNG_FORMAT_RGBA;
    image->width = static_cast<int>(reader.width);
    image->height = static_cast<int>(reader.height);
    image->rgba.resize(PNG_IMAGE_SIZE(reader));
    const bool ok = png_image_finish_read(&reader, nullptr, image->rgba.data(), 0, nullptr) != 0;
    png_image_free(&reader);
    return ok;
}

TEST(PngFiles, PixelsComeBackAsWrittenTopRowFirst) {
    const std::string dir = MakeTempDir("platform_png");
    const int width = 5;
    const int height = 3;
    std::vector<uint8_t> rgba(width * height * 4);
    for (size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<uint8_t>(i * 7 + 3);
    const std::string path = dir + "/shot.png";
    ASSERT_TRUE(WritePNG(path.c_str(), width, height, rgba.data()));
    PngImage image;
    ASSERT_TRUE(ReadPng(path, &image));
    EXPECT_EQ(std::tie(image.width, image.height, image.rgba), std::tie(width, height, rgba));
}

TEST(PngFiles, RefusesWhatItCannotWrite) {
    const std::string dir = MakeTempDir("platform_png_bad");
    const uint8_t pixel[4] = {1, 2, 3, 4};
    EXPECT_FALSE(WritePNG((dir + "/no/such/dir/shot.png").c_str(), 1, 1, pixel));
    EXPECT_FALSE(WritePNG(dir.c_str(), 1, 1, pixel)); // a directory
    EXPECT_FALSE(WritePNG((dir + "/empty.png").c_str(), 0, 1, pixel));
    EXPECT_FALSE(WritePNG((dir + "/negative.png").c_str(), 1, -4, pixel));
    EXPECT_FALSE(WritePNG((dir + "/null.png").c_str(), 1, 1, nullptr));
    EXPECT_FALSE(WritePNG(nullptr, 1, 1, pixel));
    EXPECT_TRUE(ListFiles(dir).empty());
}

TEST(PngFiles, AFullDiskIsAFailure) {
    const uint8_t pixel[4] = {1, 2, 3, 4};
    // Only the real device: writing to a plain file of that name would just succeed (or create one).
    struct stat device;
    if (stat("/dev/full", &device) != 0 || !S_ISCHR(device.st_mode)) GTEST_SKIP() << "no /dev/full device";
    EXPECT_FALSE(WritePNG("/dev/full", 1, 1, pixel));
}

PlatformMessage Key(int key) {
    return PlatformMessage{MessageType::KeyDown, key, 0};
}

// Everything queued, as type and key (or exit code), oldest first.
std::vector<std::pair<MessageType, int>> Drain() {
    std::vector<std::pair<MessageType, int>> out;
    PlatformMessage m;
    while (PeekPlatformMessage(&m))
        out.emplace_back(m.type, m.type == MessageType::Quit ? m.exitCode : m.key);
    return out;
}

SDL_Event KeyEvent(SDL_Keycode sym, Uint8 repeat) {
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = sym;
    event.key.repeat = repeat;
    return event;
}

SDL_Event Event(Uint32 type, Uint8 detail = 0) {
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) event.button.button = detail;
    if (type == SDL_WINDOWEVENT) event.window.event = detail;
    if (type == SDL_KEYUP) event.key.keysym.sym = SDLK_x;
    return event;
}

TEST(EventTranslation, KeysButtonsAndWindowEventsBecomeMessages) {
    PlatformMessage message;
    ASSERT_TRUE(TranslateEvent(KeyEvent(SDLK_c, 0), &message));
    EXPECT_EQ(message.type, MessageType::KeyDown);
    EXPECT_EQ(message.key, 'C');
    // Held keys repeat their key-down, which the game's menus rely on.
    ASSERT_TRUE(TranslateEvent(KeyEvent(SDLK_DOWN, 1), &message));
    EXPECT_EQ(message.key, KeyDown);
    EXPECT_FALSE(TranslateEvent(KeyEvent(SDLK_LALT, 0), &message));

    const std::pair<SDL_Event, MessageType> become[] = {
        {Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), MessageType::LeftButtonDown},
        {Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), MessageType::RightButtonDown},
        {Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE), MessageType::MiddleButtonDown},
        {Event(SDL_QUIT), MessageType::Close},
        {Event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE), MessageType::Close},
        {Event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED), MessageType::Paint},
    };
    for (const auto& [event, type] : become) {
        ASSERT_TRUE(TranslateEvent(event, &message)) << event.type;
        EXPECT_EQ(message.type, type) << event.type;
    }
    for (const SDL_Event& event : {Event(SDL_KEYUP), Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1),
                                   Event(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT),
                                   Event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_MOVED), Event(SDL_MOUSEMOTION)})
        EXPECT_FALSE(TranslateEvent(event, &message)) << event.type;
}

// The rest runs SDL itself, on its dummy video driver so no display is needed.
class DummyPlatform : public testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        ASSERT_TRUE(InitPlatform(true));
    }
    void TearDown() override {
        ShutdownPlatform();
        unsetenv("SDL_VIDEODRIVER");
        unsetenv("SDL_AUDIODRIVER");
    }
};

TEST_F(DummyPlatform, EveryKnownKeyIsHeldBySomeScancodeThatMapsBack) {
    // SDL's keymap (US layout on the dummy driver) says which key each scancode gives.
    // The walking keys are read through the reverse table; a key the forward table
    // produces but the reverse one misses could never be held.
    std::vector<int> produced;
    for (int code = 0; code < SDL_NUM_SCANCODES; ++code) {
        const int key = VirtualKeyFromKeycode(SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(code)));
        if (key == 0) continue;
        int scancodes[2] = {-1, -1};
        const int n = ScancodesForVirtualKey(key, scancodes);
        ASSERT_GE(n, 1) << "key " << key;
        bool found = false;
        for (int i = 0; i < n; ++i) found = found || scancodes[i] == code;
        EXPECT_TRUE(found) << "scancode " << code << " gives key " << key << " but does not hold it";
        produced.push_back(key);
    }
    EXPECT_GE(produced.size(), 26u + 20u + 12u);
    int scancodes[2];
    EXPECT_EQ(ScancodesForVirtualKey(0, scancodes), 0);
    EXPECT_EQ(ScancodesForVirtualKey('a', scancodes), 0);
    EXPECT_EQ(ScancodesForVirtualKey(300, scancodes), 0);
}

TEST_F(DummyPlatform, PostedMessagesComeBackInOrderAndSdlEventsJoinBehindThem) {
    PostPlatformMessage(Key('1'));
    PostPlatformMessage(PlatformMessage{MessageType::LeftButtonDown, 0, 0});
    PostQuitMessage(3);
    SDL_Event event = KeyEvent(SDLK_2, 0);
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    EXPECT_EQ(Drain(), (std::vector<std::pair<MessageType, int>>{{MessageType::KeyDown, '1'},
                                                                 {MessageType::LeftButtonDown, 0},
                                                                 {MessageType::Quit, 3},
                                                                 {MessageType::KeyDown, '2'}}));
}

TEST_F(DummyPlatform, WaitingWakesForAnSdlEventAndSleepsOtherwise) {
    Drain();
    uint32_t start = SDL_GetTicks();
    WaitPlatformMessage(60);
    EXPECT_GE(SDL_GetTicks() - start, 55u);
    EXPECT_TRUE(Drain().empty());
    // An SDL event wakes it, and so does one posted by the game itself.
    SDL_Event event = KeyEvent(SDLK_ESCAPE, 0);
    for (const bool posted : {false, true}) {
        if (posted)
            PostPlatformMessage(Key(KeyEscape));
        else
            SDL_PushEvent(&event);
        start = SDL_GetTicks();
        WaitPlatformMessage(3000);
        EXPECT_LT(SDL_GetTicks() - start, 1000u);
        EXPECT_EQ(Drain(), (std::vector<std::pair<MessageType, int>>{{MessageType::KeyDown, KeyEscape}}));
    }
}

TEST_F(DummyPlatform, ScriptedKeysAndCursorIgnoreTheRealDevices) {
    EXPECT_FALSE(IsKeyDown(KeyUp));
    SetScriptedKey(KeyUp, true);
    EXPECT_TRUE(IsKeyDown(KeyUp));
    EXPECT_TRUE(!IsKeyDown(KeyDown));
    SetScriptedKey(KeyUp, false);
    EXPECT_FALSE(IsKeyDown(KeyUp));
    SetScriptedKey(-5, true); // out of range: ignored, never written
    SetScriptedKey(4000, true);
    EXPECT_FALSE(IsKeyDown(-5) || IsKeyDown(4000));

    SetCursorPosition(512, 384);
    NudgeCursor(10, -4);
    int x = 0, y = 0;
    GetCursorPosition(&x, &y);
    EXPECT_EQ(std::pair(x, y), std::pair(522, 380));
}

TEST_F(DummyPlatform, ShutdownReleasesScriptedKeysAndQueueAndMayRunTwice) {
    SetScriptedKey('W', true);
    PostQuitMessage(0);
    ShutdownPlatform();
    ShutdownPlatform();
    EXPECT_FALSE(IsKeyDown('W'));
    EXPECT_TRUE(Drain().empty());
    ASSERT_TRUE(InitPlatform(true));
}

TEST_F(DummyPlatform, WithoutASoundDeviceMusicAndEffectsFailQuietlyEveryTime) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(PlaySoundLoop("Music\\Title.wav"));
    EXPECT_FALSE(PlaySoundLoop("Music\\Battle.wav"));
    EXPECT_FALSE(PlaySoundEffect("Sounds\\Swing.wav"));
    SetSoundVolumes(50, 50);
    EXPECT_TRUE(PlaySoundLoop(nullptr));
    const std::string warnings = testing::internal::GetCapturedStderr();
    size_t lines = 0;
    for (char c : warnings) lines += c == '\n';
    EXPECT_EQ(lines, 1u) << warnings;
    EXPECT_EQ(warnings.rfind("aurelant: ", 0), 0u) << warnings;
}

TEST_F(DummyPlatform, ADriverWithoutOpenGlStillGivesAWindowWithoutAFormat) {
    // As on a device context without a GL format: the game reports it and quits.
    ASSERT_TRUE(OpenGameWindow("Aurelant", 0, 0, 640, 480, false, PixelFormatRequest{32, 32, true}));
    EXPECT_EQ(ChoosePixelFormat(PixelFormatRequest{32, 32, true}), 0);
    EXPECT_FALSE(SetPixelFormat(0));
    EXPECT_FALSE(CreateRenderContext());
    SwapScreenBuffer(); // without a context: nothing, no crash
    EXPECT_FALSE(BuildBitmapFont("Arial", 64, 700, 1));
    int x = 0, y = 0;
    GetCursorPosition(&x, &y);
    EXPECT_EQ(std::pair(x, y), std::pair(320, 240));
    PlatformMessage message;
    ASSERT_TRUE(PeekPlatformMessage(&message));
    EXPECT_EQ(message.type, MessageType::Paint);
    CloseGameWindow();
    CloseGameWindow();
}

} // namespace
