#include "content/sounds.h"

#include "content/random.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double kTwoPi = 6.283185307179586;

size_t At(const Sound& s, double seconds) {
    return static_cast<size_t>(std::max(0.0, seconds) * s.sampleRate);
}

void Add(Sound& s, size_t i, float v) {
    if (i < s.samples.size()) s.samples[i] += v;
}

// Rises over `attack`, then dies away at `fade` per second; the last tenth tapers to nothing.
double Envelope(double t, double length, double attack, double fade) {
    double e = (attack > 0 ? std::min(1.0, t / attack) : 1.0) * std::exp(-fade * t);
    double tail = length * 0.1;
    if (t > length - tail) e *= std::max(0.0, (length - t) / tail);
    return e;
}

// A tone gliding exponentially from f0 to f1.
void Glide(Sound& s, double at, double length, double f0, double f1, Wave wave, float gain, double attack,
           double fade) {
    uint32_t noise = 1;
    double phase = 0, rate = s.sampleRate;
    size_t start = At(s, at), count = At(s, length);
    for (size_t i = 0; i < count; ++i) {
        double t = i / rate;
        phase += f0 * std::pow(f1 / f0, t / length) / rate;
        Add(s, start + i,
            Oscillate(wave, phase, noise) * gain * static_cast<float>(Envelope(t, length, attack, fade)));
    }
}

// Noise through a low-pass sweeping from low0 to low1 Hz and a high-pass at high Hz.
void Hiss(Sound& s, double at, double length, double low0, double low1, double high, float gain,
          double attack, double fade, uint32_t seed) {
    uint32_t noise = seed | 1u;
    double rate = s.sampleRate;
    float lp = 0, lp2 = 0, hpIn = 0, hp = 0;
    float hpAlpha = static_cast<float>(rate / (rate + kTwoPi * high));
    size_t start = At(s, at), count = At(s, length);
    for (size_t i = 0; i < count; ++i) {
        double t = i / rate;
        double cutoff = low0 * std::pow(low1 / low0, t / length);
        float alpha = static_cast<float>(1 - std::exp(-kTwoPi * cutoff / rate));
        float n = Oscillate(Wave::Noise, 0, noise);
        lp += alpha * (n - lp);
        lp2 += alpha * (lp - lp2);
        hp = hpAlpha * (hp + lp2 - hpIn);
        hpIn = lp2;
        Add(s, start + i, hp * gain * static_cast<float>(Envelope(t, length, attack, fade)));
    }
}

// A struck piece of metal or glass: inharmonic partials, the higher dying faster.
void Ping(Sound& s, double at, double f, float gain, double fade, double length = 0.6) {
    const double ratios[4] = {1.0, 2.76, 5.40, 8.93};
    const float levels[4] = {1.0f, 0.5f, 0.25f, 0.12f};
    double rate = s.sampleRate;
    size_t start = At(s, at), count = At(s, length);
    for (int p = 0; p < 4; ++p) {
        double freq = f * ratios[p];
        if (freq > rate * 0.45) continue;
        for (size_t i = 0; i < count; ++i) {
            double t = i / rate;
            double e = Envelope(t, length, 0.001, fade * (1 + p * 0.7));
            Add(s, start + i, static_cast<float>(std::sin(kTwoPi * freq * t) * e) * gain * levels[p]);
        }
    }
}

// A bell-like note for chimes and fanfares.
void Chime(Sound& s, double at, int midi, float gain, double fade, double length) {
    const double f = NoteFrequency(midi);
    double rate = s.sampleRate;
    size_t start = At(s, at), count = At(s, length);
    for (size_t i = 0; i < count; ++i) {
        double t = i / rate;
        double v = std::sin(kTwoPi * f * t) + 0.35 * std::sin(kTwoPi * 2 * f * t) +
                   0.15 * std::sin(kTwoPi * 3.01 * f * t);
        Add(s, start + i, static_cast<float>(v * Envelope(t, length, 0.004, fade)) * gain);
    }
}

// A brass voice: detuned saws under a low-pass, for the fanfares.
Instrument Brass(float cutoff) {
    Instrument b;
    b.wave = Wave::Saw;
    b.detuneCents = 8, b.cutoff = cutoff, b.attack = 0.03f, b.decay = 0.12f, b.sustain = 0.7f;
    b.release = 0.15f, b.vibratoCents = 10, b.vibratoRate = 5.5f, b.gain = 0.3f;
    return b;
}

// Tames any peak above `knee` softly toward `ceiling`, so no effect can clip.
float SoftLimit(float v, float knee, float ceiling) {
    float a = std::fabs(v);
    if (a <= knee) return v;
    float limited = knee + (ceiling - knee) * std::tanh((a - knee) / (ceiling - knee));
    return v < 0 ? -limited : limited;
}

// Loudness of the loudest 50 ms: a click and a fanfare are heard equally loud
// when their loudest moments match, whatever their length.
float LoudestWindowRms(const Sound& s) {
    size_t w = std::max<size_t>(1, At(s, 0.05));
    double best = 0;
    for (size_t start = 0; start < s.samples.size(); start += w / 2) {
        double sum = 0;
        size_t end = std::min(s.samples.size(), start + w);
        for (size_t i = start; i < end; ++i) sum += double(s.samples[i]) * s.samples[i];
        best = std::max(best, sum / double(w));
    }
    return static_cast<float>(std::sqrt(best));
}

constexpr float kTargetRms = 0.2f; // about -14 dBFS at the loudest moment
constexpr float kKnee = 0.6f, kCeiling = 0.8f;

Sound Level(Sound s) {
    float rms = LoudestWindowRms(s);
    if (rms > 1e-6f)
        for (float& v : s.samples) v = SoftLimit(v * kTargetRms / rms, kKnee, kCeiling);
    // Short ramps at both ends: a voice cut off by the end of its sound never clicks.
    const size_t ramp = std::min(At(s, 0.01), s.samples.size() / 2);
    for (size_t i = 0; i < ramp; ++i) {
        const float k = static_cast<float>(i) / static_cast<float>(ramp);
        s.samples[i] *= std::min(1.0f, 4 * k);
        s.samples[s.samples.size() - 1 - i] *= k;
    }
    return s;
}

Sound Blank(double seconds) {
    return MakeSilence(kSoundRate, seconds);
}

// ---- Menus: short, clean and bright.

Sound CursorSound() {
    Sound s = Blank(0.06);
    Glide(s, 0, 0.05, 1900, 1700, Wave::Sine, 0.6f, 0.001, 60);
    Glide(s, 0, 0.012, 3800, 3800, Wave::Triangle, 0.15f, 0.0005, 200);
    return s;
}

Sound OkSound() {
    Sound s = Blank(0.2);
    Chime(s, 0, 88, 0.45f, 25, 0.08);
    Chime(s, 0.06, 93, 0.5f, 18, 0.14);
    return s;
}

Sound CancelSound() {
    Sound s = Blank(0.2);
    Glide(s, 0, 0.08, 880, 820, Wave::Square, 0.15f, 0.002, 20);
    Glide(s, 0.07, 0.12, 590, 520, Wave::Square, 0.15f, 0.002, 18);
    LoopLowpass(s, 2500);
    return s;
}

// ---- Field.

Sound DialogueSound() {
    Sound s = Blank(0.16);
    Glide(s, 0, 0.14, 420, 980, Wave::Sine, 0.5f, 0.005, 12);
    Hiss(s, 0, 0.1, 3000, 6000, 1500, 0.25f, 0.01, 25, 77);
    return s;
}

Sound ChestOpenSound() {
    Sound s = Blank(0.7);
    // The hinge creaks: a rasping saw whose pitch wanders, then the lid knocks open.
    Random rng(11);
    for (int k = 0; k < 5; ++k) {
        double f = 150 + 60 * rng.Uniform();
        Glide(s, 0.02 + k * 0.085, 0.09, f, f * 1.4, Wave::Saw, 0.18f, 0.01, 8);
    }
    LoopLowpass(s, 1800);
    Glide(s, 0.48, 0.2, 170, 90, Wave::Sine, 0.7f, 0.001, 18);
    Hiss(s, 0.48, 0.1, 1200, 500, 100, 0.4f, 0.001, 35, 12);
    return s;
}

Sound TreasureSound() {
    Sound s = Blank(1.0);
    const int notes[5] = {79, 84, 88, 91, 96}; // G5 C6 E6 G6 C7
    for (int i = 0; i < 5; ++i) Chime(s, i * 0.07, notes[i], 0.35f, 4.5, 0.62);
    Ping(s, 0.35, 4200, 0.08f, 6, 0.5);
    return s;
}

Sound HealSound() {
    Sound s = Blank(1.0);
    // A slow shimmer rising through a major chord, soft and airy.
    const int notes[6] = {72, 76, 79, 84, 88, 91};
    for (int i = 0; i < 6; ++i)
        Glide(s, i * 0.09, 0.9 - i * 0.09, NoteFrequency(notes[i]), NoteFrequency(notes[i]) * 1.01,
              Wave::Sine, 0.22f, 0.08, 2.8);
    Hiss(s, 0, 0.9, 6000, 9000, 3500, 0.06f, 0.3, 2, 31);
    return s;
}

Sound BuySound() {
    Sound s = Blank(0.6);
    // Coins: two bright pings and the rattle of the drawer.
    Hiss(s, 0, 0.08, 5000, 3000, 1500, 0.35f, 0.001, 30, 41);
    Ping(s, 0.02, 2100, 0.35f, 9, 0.5);
    Ping(s, 0.12, 2650, 0.4f, 7, 0.45);
    return s;
}

Sound ExitFadeSound() {
    Sound s = Blank(1.2);
    // A long breath of wind that swells and closes down as the fog thickens.
    Hiss(s, 0, 1.15, 3500, 250, 60, 0.9f, 0.45, 1.5, 53);
    Glide(s, 0, 1.15, 330, 165, Wave::Sine, 0.12f, 0.4, 1.5);
    return s;
}

// ---- Battle.

Sound ShatterSound() {
    Sound s = Blank(1.3);
    // The field breaks like a pane of glass: a sharp crack, then shards tinkling down.
    Hiss(s, 0, 0.35, 9000, 3000, 1800, 0.8f, 0.001, 10, 61);
    Random rng(62);
    for (int k = 0; k < 22; ++k) {
        double at = 0.01 + 1.0 * std::pow(rng.Uniform(), 1.6);
        Ping(s, at, 2200 + 4000 * rng.Uniform(), 0.1f + 0.1f * rng.Uniform(), 14, 0.25);
    }
    return s;
}

Sound SwingSound() {
    Sound s = Blank(0.3);
    // The blade cuts the air: a band of noise sweeping up and back.
    Hiss(s, 0, 0.14, 600, 4500, 400, 0.8f, 0.06, 3, 71);
    Hiss(s, 0.12, 0.16, 4500, 700, 400, 0.8f, 0.001, 12, 72);
    return s;
}

// A blow landing: a body thump and a metal ring, both bigger for a harder blow (0 light .. 2 heavy).
Sound Hit(int weight) {
    const double length = 0.2 + 0.12 * weight;
    Sound s = Blank(length + 0.02);
    Glide(s, 0, length, 170 - 35 * weight, 70 - 18 * weight, Wave::Sine, 0.8f, 0.001, 9 - 2 * weight);
    Hiss(s, 0, 0.05 + 0.05 * weight, 5000 - 1000 * weight, 900, 150, 0.5f + 0.2f * weight, 0.001,
         30 - 6 * weight, 81 + static_cast<uint32_t>(weight));
    Ping(s, 0.003, 1500 - 250 * weight, 0.22f, 16 - 3 * weight, length);
    if (weight == 2) Hiss(s, 0.02, length, 700, 120, 40, 0.6f, 0.005, 5, 89); // the crunch behind a big blow
    return s;
}

Sound NoDamageSound() {
    Sound s = Blank(0.35);
    // Glancing off armour: a hollow clank with nothing behind it.
    Ping(s, 0, 1180, 0.45f, 14, 0.32);
    Ping(s, 0.004, 1730, 0.3f, 18, 0.3);
    Hiss(s, 0, 0.02, 7000, 7000, 3000, 0.4f, 0.0005, 90, 91);
    return s;
}

Sound HeroStruckSound() {
    Sound s = Blank(0.35);
    // A claw on the hero: a dull body blow and a grunt that falls.
    Glide(s, 0, 0.25, 140, 60, Wave::Sine, 0.8f, 0.001, 10);
    Hiss(s, 0, 0.12, 1500, 400, 100, 0.8f, 0.001, 20, 101);
    Glide(s, 0.02, 0.26, 310, 190, Wave::Square, 0.12f, 0.02, 8);
    LoopLowpass(s, 1600);
    return s;
}

Sound MonsterSinkSound() {
    Sound s = Blank(1.3);
    // A last growl sliding down into the ground.
    Glide(s, 0, 1.25, 180, 45, Wave::Saw, 0.5f, 0.05, 1.6);
    LoopLowpass(s, 700);
    Hiss(s, 0.1, 1.1, 600, 150, 40, 0.3f, 0.2, 2, 111);
    return s;
}

Sound IceFormSound() {
    Sound s = Blank(0.9);
    // Crystals growing: glassy pings climbing, over a cold hiss.
    Random rng(121);
    for (int k = 0; k < 14; ++k) {
        double at = k * 0.05;
        Ping(s, at, 1400 * std::pow(2.0, k / 8.0) * (0.97 + 0.06 * rng.Uniform()), 0.16f, 8, 0.3);
    }
    Hiss(s, 0, 0.85, 5000, 9000, 3000, 0.25f, 0.5, 2, 122);
    return s;
}

Sound IceShatterSound() {
    Sound s = Blank(0.9);
    // The ice cracks apart and its pieces rain down.
    Hiss(s, 0, 0.12, 10000, 4000, 2500, 0.9f, 0.0005, 25, 131);
    Glide(s, 0, 0.1, 400, 150, Wave::Sine, 0.5f, 0.0005, 30);
    Random rng(132);
    for (int k = 0; k < 16; ++k) {
        double at = 0.04 + 0.65 * rng.Uniform();
        Ping(s, at, 3000 + 3500 * rng.Uniform() - 2000 * at, 0.12f, 18, 0.2);
    }
    return s;
}

Sound FireBurstSound() {
    Sound s = Blank(1.2);
    // A roaring whoomph with crackles in it.
    Hiss(s, 0, 1.15, 400, 2500, 40, 0.9f, 0.08, 2.5, 141);
    Glide(s, 0, 0.7, 90, 45, Wave::Sine, 0.5f, 0.03, 4);
    Random rng(142);
    for (int k = 0; k < 30; ++k)
        Hiss(s, 0.1 + rng.Uniform(), 0.015, 6000, 6000, 1500, 0.35f * rng.Uniform(), 0.0005, 150,
             143 + static_cast<uint32_t>(k));
    return s;
}

Sound RocksSound() {
    Sound s = Blank(0.8);
    // A boulder lands: a deep thud and gravel skittering after it.
    Glide(s, 0, 0.45, 85, 38, Wave::Sine, 0.9f, 0.002, 6);
    Hiss(s, 0, 0.25, 1400, 300, 60, 0.7f, 0.001, 12, 151);
    Random rng(152);
    for (int k = 0; k < 14; ++k)
        Hiss(s, 0.08 + 0.6 * rng.Uniform(), 0.03, 2500, 1200, 300, 0.25f * rng.Uniform(), 0.001, 60,
             153 + static_cast<uint32_t>(k));
    return s;
}

Sound FuryLeapSound() {
    Sound s = Blank(0.6);
    // Gathering strength and springing up: a rising whoosh under a rising call.
    Hiss(s, 0, 0.55, 500, 5000, 300, 0.7f, 0.3, 1, 161);
    Glide(s, 0, 0.5, 180, 720, Wave::Square, 0.12f, 0.05, 1);
    LoopLowpass(s, 3000);
    return s;
}

Sound FuryBlastSound() {
    Sound s = Blank(1.5);
    // The fury lands: the deepest boom of the game, rolling on.
    Glide(s, 0, 1.2, 60, 28, Wave::Sine, 1.0f, 0.002, 2.5);
    Hiss(s, 0, 1.45, 3000, 200, 30, 1.0f, 0.002, 2.8, 171);
    Hiss(s, 0, 0.08, 8000, 8000, 1000, 0.6f, 0.0005, 40, 172);
    return s;
}

Sound ItemUseSound() {
    Sound s = Blank(0.6);
    // A bottle uncorked and drunk: a pop and bubbles rising.
    Glide(s, 0, 0.05, 500, 1400, Wave::Sine, 0.7f, 0.001, 30);
    Random rng(181);
    for (int k = 0; k < 9; ++k) {
        double f = 500 + 900 * rng.Uniform() + k * 60;
        Glide(s, 0.08 + k * 0.05, 0.06, f, f * 1.8, Wave::Sine, 0.35f, 0.004, 25);
    }
    return s;
}

// ---- Victory and defeat.

Sound VictorySound() {
    Sound s = Blank(2.4);
    // A brass fanfare: three quick calls, then the major chord held.
    const double bpm = 150;
    std::vector<Note> notes = {{0, 0.3, 67},   {0.33, 0.3, 67}, {0.67, 0.3, 67}, {1, 1.2, 72},
                               {2.4, 0.4, 70}, {2.67, 0.4, 74}, {3, 1.5, 72}};
    for (const Note& n : std::vector<Note>{{3, 1.5, 64}, {3, 1.5, 67}})
        notes.push_back({n.beat, n.length, n.pitch, 0.6f});
    PlayNotes(s, Brass(2600), notes, bpm);
    Chime(s, 3 * 60 / bpm, 84, 0.12f, 2, 0.9);
    return s;
}

Sound LevelUpSound() {
    Sound s = Blank(1.2);
    // A quick run up two octaves of the major chord, sparkling at the top.
    const int notes[7] = {72, 76, 79, 84, 88, 91, 96};
    for (int i = 0; i < 7; ++i) Chime(s, i * 0.055, notes[i], 0.3f, 5, 0.7);
    Chime(s, 0.4, 96, 0.25f, 2.5, 0.75);
    Chime(s, 0.4, 100, 0.2f, 2.5, 0.75);
    return s;
}

Sound DefeatSound() {
    Sound s = Blank(2.6);
    // A dark, falling brass line that sinks to a low minor close.
    const double bpm = 72;
    std::vector<Note> notes = {{0, 0.7, 64}, {0.75, 0.7, 63}, {1.5, 0.7, 62}, {2.25, 0.65, 61, 0.9f}};
    for (int p : {45, 52, 57}) notes.push_back({0, 2.5, p, 0.45f});
    PlayNotes(s, Brass(900), notes, bpm);
    return s;
}

using Synth = Sound (*)();
struct EffectSynth {
    SoundEffect effect;
    Synth synth;
};

constexpr EffectSynth kSynths[] = {
    {SoundEffect::Cursor, CursorSound},
    {SoundEffect::Ok, OkSound},
    {SoundEffect::Cancel, CancelSound},
    {SoundEffect::DialogueOpen, DialogueSound},
    {SoundEffect::ChestOpen, ChestOpenSound},
    {SoundEffect::Treasure, TreasureSound},
    {SoundEffect::Heal, HealSound},
    {SoundEffect::Buy, BuySound},
    {SoundEffect::ExitFade, ExitFadeSound},
    {SoundEffect::Shatter, ShatterSound},
    {SoundEffect::Swing, SwingSound},
    {SoundEffect::HitLight, [] { return Hit(0); }},
    {SoundEffect::HitMedium, [] { return Hit(1); }},
    {SoundEffect::HitHeavy, [] { return Hit(2); }},
    {SoundEffect::NoDamage, NoDamageSound},
    {SoundEffect::HeroStruck, HeroStruckSound},
    {SoundEffect::MonsterSink, MonsterSinkSound},
    {SoundEffect::IceForm, IceFormSound},
    {SoundEffect::IceShatter, IceShatterSound},
    {SoundEffect::FireBurst, FireBurstSound},
    {SoundEffect::Rocks, RocksSound},
    {SoundEffect::FuryLeap, FuryLeapSound},
    {SoundEffect::FuryBlast, FuryBlastSound},
    {SoundEffect::ItemUse, ItemUseSound},
    {SoundEffect::Victory, VictorySound},
    {SoundEffect::LevelUp, LevelUpSound},
    {SoundEffect::Defeat, DefeatSound},
};

// Each row sits at its effect's index: a reordered list cannot give an effect another's sound.
constexpr bool RowsInOrder() {
    for (int i = 0; i < kSoundEffectCount; ++i)
        if (static_cast<int>(kSynths[i].effect) != i) return false;
    return true;
}
static_assert(std::size(kSynths) == kSoundEffectCount && RowsInOrder());

} // namespace

Sound SynthesiseEffect(SoundEffect effect) {
    const int i = static_cast<int>(effect);
    if (i < 0 || i >= kSoundEffectCount) return Blank(0);
    return Level(kSynths[i].synth());
}

std::vector<SoundFile> BuildSounds() {
    std::vector<SoundFile> out;
    for (int i = 0; i < kSoundEffectCount; ++i) {
        const SoundEffect effect = static_cast<SoundEffect>(i);
        out.push_back({SoundEffectFile(effect), SynthesiseEffect(effect)});
    }
    return out;
}
