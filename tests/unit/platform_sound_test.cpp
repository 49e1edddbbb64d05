// Music through a sound device: SDL's dummy audio driver stands in for one.
// A process that once found no device stays silent, so this has its own binary.
#include "platform/platform.h"
#include "tests/unit/test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void PutLittleEndian(std::string* bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes->push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A short mono 16-bit tone.
std::string WaveFile() {
    const uint32_t rate = 22050;
    const uint32_t samples = 2205;
    std::string wav = "RIFF";
    PutLittleEndian(&wav, 36 + samples * 2, 4);
    wav += "WAVEfmt ";
    PutLittleEndian(&wav, 16, 4);
    PutLittleEndian(&wav, 1, 2); // PCM
    PutLittleEndian(&wav, 1, 2); // mono
    PutLittleEndian(&wav, rate, 4);
    PutLittleEndian(&wav, rate * 2, 4);
    PutLittleEndian(&wav, 2, 2);
    PutLittleEndian(&wav, 16, 2);
    wav += "data";
    PutLittleEndian(&wav, samples * 2, 4);
    for (uint32_t i = 0; i < samples; ++i) PutLittleEndian(&wav, (i / 25) % 2 ? 8000 : 0xFFFF - 8000, 2);
    return wav;
}

size_t Lines(const std::string& text) {
    size_t lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

TEST(Music, PlaysLoopsReplacesAndStops) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(InitPlatform(true));
    const std::string dir = MakeTempDir("platform_sound");
    WriteFile(dir + "/Music/Town.wav", WaveFile());
    WriteFile(dir + "/Music/Battle.wav", WaveFile());
    WriteFile(dir + "/Music/Broken.wav", "RIFF....WAVEnot a wave at all");
    ScopedWorkingDir inside(dir);

    testing::internal::CaptureStderr();
    EXPECT_TRUE(PlaySoundLoop("Music\\Town.wav"));
    EXPECT_TRUE(PlaySoundLoop("Music\\Battle.wav"));
    EXPECT_TRUE(PlaySoundLoop(nullptr));
    EXPECT_TRUE(PlaySoundLoop(nullptr));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    // A missing or broken file costs one warning each and the game goes on.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(PlaySoundLoop("Music\\Missing.wav"));
    EXPECT_FALSE(PlaySoundLoop("Music\\Broken.wav"));
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Lines(warnings), 2u) << warnings;
    EXPECT_NE(warnings.find("Music\\Missing.wav"), std::string::npos) << warnings;
    EXPECT_TRUE(PlaySoundLoop("Music\\Town.wav"));

    // The device reopens after a shutdown.
    ShutdownPlatform();
    ASSERT_TRUE(InitPlatform(true));
    EXPECT_TRUE(PlaySoundLoop("Music/Town.wav"));
    ShutdownPlatform();
    ShutdownPlatform();
}

} // namespace
