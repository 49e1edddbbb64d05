// A battle heard through SDL's disk audio driver, which writes everything the
// mixer plays into a file as it plays it. The music is at 0 and nobody presses
// a key in the battle, so after the New Game click and the shatter the only
// sounds are the Ogre's blows on the hero; at 0 0 the whole run is silent.
#include "tests/screen/battle_runs.h"
#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kFrames = 900;
constexpr int kRate = 44100; // the mixer's default output: stereo 16-bit at this rate
constexpr const char* kConfig = "Resolution=1024 768 32\nControls=X Z C\nVSync=0\n";

struct Heard {
    Fight fight;
    std::vector<int16_t> samples; // interleaved stereo
};

Heard RecordOgreFight(const std::string& name, const std::string& volume) {
    Heard heard;
    const std::string recording = std::string(AURELANT_SCREEN_RUNS) + "/" + name + ".raw";
    std::remove(recording.c_str());
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", recording.c_str(), 1);
    heard.fight = RunFight(name, {"--story", "1", "--battle", "Ogre"}, kNewGameScript, kFrames, 1, {},
                           std::string(kConfig) + volume);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::ifstream in(recording, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    heard.samples.resize(bytes.size() / 2);
    std::copy(bytes.begin(), bytes.begin() + static_cast<long>(heard.samples.size() * 2),
              reinterpret_cast<char*>(heard.samples.data()));
    return heard;
}

// Stretches of sound, as [start, end) in 10 ms blocks, apart wherever 200 ms of silence lies between.
std::vector<std::pair<size_t, size_t>> Bursts(const std::vector<int16_t>& samples) {
    const size_t block = kRate / 100 * 2;
    std::vector<std::pair<size_t, size_t>> bursts;
    for (size_t b = 0; b * block < samples.size(); ++b) {
        int peak = 0;
        for (size_t i = b * block; i < std::min(samples.size(), (b + 1) * block); ++i)
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        if (peak < 64) continue;
        if (!bursts.empty() && b - bursts.back().second < 20)
            bursts.back().second = b + 1;
        else
            bursts.push_back({b, b + 1});
    }
    return bursts;
}

// The frames at which a monster's blow landed: its number appears over the hero.
std::vector<int> BlowFrames(const Fight& fight) {
    std::vector<int> frames;
    for (int f = fight.first + 1; f <= fight.Last(); ++f)
        if (IntOf(fight.At(f), "ShowDamage") == 1 && IntOf(fight.At(f - 1), "ShowDamage") == 0 &&
            IntOf(fight.At(f), "HeroActing") == 0)
            frames.push_back(f);
    return frames;
}

TEST(Sound, BlowsAreHeardOverSilentMusicAndNothingAtZero) {
    const Heard heard = RecordOgreFight("sound_music_off", "Volume=0 80\n");
    const Fight& fight = heard.fight;
    ASSERT_EQ(fight.Last(), kFrames) << fight.run.stderrText;

    // The game started each blow's sound in the frame the blow landed.
    const std::vector<int> blows = BlowFrames(fight);
    ASSERT_GE(blows.size(), 2u);
    for (int f : blows) {
        EXPECT_EQ(IntOf(fight.At(f), "SoundEffectsPlayed"), IntOf(fight.At(f - 1), "SoundEffectsPlayed") + 1);
        EXPECT_EQ(fight.At(f).at("LastSoundEffect").substr(0, 7), "Sounds\\");
    }
    EXPECT_EQ(fight.At(blows[0] - 1).at("LastSoundEffect"), "Sounds\\Shatter.wav");
    const int beforeBlows = IntOf(fight.At(blows[0] - 1), "SoundEffectsPlayed");

    // The recording: the click and the shatter, a silence while the battle
    // opens, then one burst of sound for every blow and none besides.
    ASSERT_GT(heard.samples.size(), static_cast<size_t>(kRate) * 2 * 5);
    const auto bursts = Bursts(heard.samples);
    ASSERT_EQ(bursts.size(), 1 + blows.size()) << "effects before the blows: " << beforeBlows;
    EXPECT_LT(bursts[0].first, 20u); // the click starts the recording
    // Some 330 frames of intro and gauges: half a second of silence even on a machine many times this fast.
    EXPECT_GT(bursts[1].first - bursts[0].second, 50u) << "silence before the first blow";
    for (size_t b = 1; b < bursts.size(); ++b) {
        int peak = 0;
        for (size_t i = bursts[b].first * kRate / 50; i < bursts[b].second * kRate / 50; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(heard.samples[i])));
        EXPECT_GT(peak, 3000) << "blow " << b;
        EXPECT_LT(peak, 32767) << "blow " << b;
    }

    // The same fight with both volumes at 0 is silent from start to end.
    const Heard quiet = RecordOgreFight("sound_all_off", "Volume=0 0\n");
    ASSERT_EQ(BlowFrames(quiet.fight), blows);
    ASSERT_GT(quiet.samples.size(), static_cast<size_t>(kRate) * 2 * 5);
    EXPECT_TRUE(std::all_of(quiet.samples.begin(), quiet.samples.end(), [](int16_t v) { return v == 0; }));
}

} // namespace
