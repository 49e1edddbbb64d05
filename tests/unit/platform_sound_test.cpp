// Music and effects through a sound device: SDL's dummy audio driver stands in for one.
// A process that once found no device stays silent, so this has its own binary.
#include "platform/platform.h"
#include "tests/unit/test_support.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void PutLittleEndian(std::string* bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes->push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A mono 16-bit tone, a tenth of a second long unless told.
std::string WaveFile(uint32_t samples = 2205) {
    const uint32_t rate = 22050;
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

// Effects sound together over the music and never stop it; a new tune leaves
// them playing, stopping all sound stops them too.
TEST(Effects, PlayTogetherOverTheMusicAtTheirOwnVolume) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(InitPlatform(true));
    const std::string dir = MakeTempDir("platform_effects");
    WriteFile(dir + "/Music/Town.wav", WaveFile());
    // Long enough to be still sounding when counted, however slow the machine.
    WriteFile(dir + "/Sounds/Blow.wav", WaveFile(22050 * 20));
    WriteFile(dir + "/Sounds/Chime.wav", WaveFile(22050 * 20));
    ScopedWorkingDir inside(dir);

    SetSoundVolumes(30, 150);
    ASSERT_TRUE(PlaySoundLoop("Music\\Town.wav"));
    EXPECT_EQ(Mix_VolumeMusic(-1), 30 * MIX_MAX_VOLUME / 100);
    EXPECT_TRUE(PlaySoundEffect("Sounds\\Blow.wav"));
    EXPECT_TRUE(PlaySoundEffect("Sounds\\Blow.wav"));
    EXPECT_TRUE(PlaySoundEffect("Sounds/Chime.wav"));
    EXPECT_EQ(Mix_Playing(-1), 3);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_Volume(0, -1), MIX_MAX_VOLUME); // above 100 counts as 100
    SetSoundVolumes(0, 0);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    EXPECT_EQ(Mix_Volume(2, -1), 0);

    ASSERT_TRUE(PlaySoundLoop("Music\\Town.wav"));
    EXPECT_EQ(Mix_Playing(-1), 3);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    // More effects than channels: the extra ones are dropped, the rest play on.
    for (int i = 0; i < 40; ++i) PlaySoundEffect("Sounds\\Chime.wav");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_TRUE(PlaySoundLoop(nullptr));
    EXPECT_EQ(Mix_Playing(-1), 0);

    // A missing effect warns once however often it is asked for, and stays silent.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(PlaySoundEffect("Sounds\\Missing.wav"));
    EXPECT_FALSE(PlaySoundEffect("Sounds\\Missing.wav"));
    EXPECT_FALSE(PlaySoundEffect(nullptr));
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Lines(warnings), 1u) << warnings;
    EXPECT_NE(warnings.find("Sounds\\Missing.wav"), std::string::npos) << warnings;

    // The volumes outlive the device: a reopened one starts at them.
    ShutdownPlatform();
    ASSERT_TRUE(InitPlatform(true));
    EXPECT_TRUE(PlaySoundEffect("Sounds\\Blow.wav"));
    EXPECT_EQ(Mix_Volume(0, -1), 0);
    ShutdownPlatform();
}

} // namespace
