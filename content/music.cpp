#include "content/music.h"

#include "content/random.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

struct Chord {
    int root; // MIDI note of the root
    bool minor;
};

std::vector<int> Triad(Chord c) {
    return {c.root, c.root + (c.minor ? 3 : 4), c.root + 7};
}

const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};
const std::vector<int> kDorian = {0, 2, 3, 5, 7, 9, 10};
const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};

// Every note of a scale between two pitches.
std::vector<int> ScaleNotes(int tonic, const std::vector<int>& scale, int low, int high) {
    std::vector<int> out;
    for (int n = low; n <= high; ++n) {
        int degree = ((n - tonic) % 12 + 12) % 12;
        if (std::find(scale.begin(), scale.end(), degree) != scale.end()) out.push_back(n);
    }
    return out;
}

int Nearest(const std::vector<int>& notes, int target) {
    int best = notes.front();
    for (int n : notes)
        if (std::abs(n - target) < std::abs(best - target)) best = n;
    return best;
}

// Broken chords: `pattern` indexes the triad (3 and up climb an octave), one step each `step` beats.
void Arpeggio(std::vector<Note>& out, const std::vector<Chord>& chords, double beatsPerChord,
              const std::vector<int>& pattern, double step, int octaveShift, float velocity, double hold) {
    double beat = 0;
    for (const Chord& c : chords) {
        std::vector<int> t = Triad(c);
        int i = 0;
        for (double b = 0; b < beatsPerChord - 1e-9; b += step, ++i) {
            int p = pattern[static_cast<size_t>(i) % pattern.size()];
            int pitch = t[static_cast<size_t>(p % 3)] + 12 * (p / 3) + 12 * octaveShift;
            float accent = (i % static_cast<int>(pattern.size())) == 0 ? 1.0f : 0.8f;
            out.push_back({beat + b, hold, pitch, velocity * accent});
        }
        beat += beatsPerChord;
    }
}

void Pads(std::vector<Note>& out, const std::vector<Chord>& chords, double beatsPerChord, int octaveShift,
          float velocity) {
    double beat = 0;
    for (const Chord& c : chords) {
        for (int p : Triad(c)) out.push_back({beat, beatsPerChord * 0.92, p + 12 * octaveShift, velocity});
        beat += beatsPerChord;
    }
}

// A melody that leans on chord tones at each bar's start and steps through the
// scale between, in phrases of four bars: the second phrase answers the first,
// and the last echoes it, which makes the loop sound composed rather than random.
std::vector<Note> Melody(Random& rng, const std::vector<Chord>& chords, double beatsPerChord, int tonic,
                         const std::vector<int>& scale, int low, int high,
                         const std::vector<std::vector<double>>& rhythms) {
    std::vector<int> notes = ScaleNotes(tonic, scale, low, high);
    std::vector<Note> out;
    std::vector<std::pair<size_t, std::vector<int>>> motifs; // rhythm and degree steps per bar slot
    int current = Nearest(notes, (low + high) / 2);
    double beat = 0;
    for (size_t bar = 0; bar < chords.size(); ++bar) {
        size_t slot = bar % 4;
        bool repeat = bar >= 8 && bar % 8 < 3 && motifs.size() > slot; // echo the opening phrase
        size_t rhythm =
            repeat ? motifs[slot].first : static_cast<size_t>(rng.Below(static_cast<int>(rhythms.size())));
        if (bar + 1 == chords.size()) rhythm = 0; // end on a long note so the loop breathes
        std::vector<int> steps;
        std::vector<int> tones = Triad(chords[bar]);
        std::vector<int> chordNotes;
        for (int n : notes)
            for (int t : tones)
                if ((n - t) % 12 == 0) chordNotes.push_back(n);
        double b = 0;
        for (size_t i = 0; i < rhythms[rhythm].size(); ++i) {
            double len = rhythms[rhythm][i];
            if (i == 0) {
                current = Nearest(chordNotes.empty() ? notes : chordNotes, current + (rng.Below(5) - 2));
            } else {
                int step = repeat && i - 1 < motifs[slot].second.size() ? motifs[slot].second[i - 1]
                                                                        : rng.Below(5) - 2;
                steps.push_back(step);
                auto it = std::find(notes.begin(), notes.end(), current);
                long idx =
                    std::clamp<long>((it - notes.begin()) + step, 0, static_cast<long>(notes.size()) - 1);
                current = notes[static_cast<size_t>(idx)];
            }
            out.push_back({beat + b, len * 0.9, current, i == 0 ? 1.0f : 0.85f});
            b += len;
        }
        if (!repeat && bar < 4) motifs.push_back({rhythm, steps});
        beat += beatsPerChord;
    }
    return out;
}

Sound Finish(Sound s, float reverbSize, float reverbMix) {
    LoopReverb(s, reverbSize, reverbMix);
    Normalize(s, 0.85f);
    return s;
}

Instrument Piano() {
    Instrument i;
    i.partials = {1.0f, 0.45f, 0.22f, 0.12f, 0.05f};
    i.attack = 0.005f, i.decay = 0.3f, i.sustain = 0.5f, i.release = 0.5f, i.pluck = 1.6f, i.gain = 0.22f;
    return i;
}

Instrument Flute() {
    Instrument i;
    i.partials = {1.0f, 0.25f, 0.08f};
    i.attack = 0.08f, i.decay = 0.2f, i.sustain = 0.8f, i.release = 0.25f;
    i.vibratoCents = 18, i.vibratoRate = 5.2f, i.gain = 0.2f;
    return i;
}

Instrument Strings(float cutoff) {
    Instrument i;
    i.wave = Wave::Saw;
    i.detuneCents = 9, i.cutoff = cutoff;
    i.attack = 0.9f, i.decay = 0.5f, i.sustain = 0.85f, i.release = 1.2f, i.gain = 0.07f;
    return i;
}

Instrument Harp() {
    Instrument i;
    i.partials = {1.0f, 0.3f, 0.15f, 0.04f};
    i.attack = 0.003f, i.decay = 0.1f, i.sustain = 0.6f, i.release = 0.8f, i.pluck = 2.8f, i.gain = 0.18f;
    return i;
}

Instrument Bell() {
    Instrument i;
    i.partials = {1.0f, 0.0f, 0.5f, 0.0f, 0.0f, 0.3f, 0.0f, 0.15f};
    i.attack = 0.002f, i.decay = 0.2f, i.sustain = 0.5f, i.release = 2.0f, i.pluck = 1.2f, i.gain = 0.12f;
    return i;
}

double Seconds(int beats, double bpm) {
    return beats * 60.0 / bpm;
}

} // namespace

Sound ComposeSad() {
    const double bpm = 60;
    const std::vector<Chord> chords = {{57, true}, {53, false}, {48, false}, {55, false},
                                       {57, true}, {53, false}, {50, true},  {52, false}};
    Sound s = MakeSilence(kMusicRate, Seconds(32, bpm));
    std::vector<Note> arp;
    Arpeggio(arp, chords, 4, {0, 1, 2, 3, 4, 3, 2, 1}, 0.5, -1, 0.9f, 1.2);
    PlayNotes(s, Piano(), arp, bpm);
    std::vector<Note> bass;
    for (size_t i = 0; i < chords.size(); ++i) bass.push_back({i * 4.0, 3.8, chords[i].root - 24, 1.0f});
    PlayNotes(s, Piano(), bass, bpm);
    std::vector<Note> pad;
    Pads(pad, chords, 4, 0, 0.8f);
    PlayNotes(s, Strings(1100), pad, bpm);
    Random rng(101);
    PlayNotes(s, Flute(),
              Melody(rng, chords, 4, 57, kMinor, 64, 81, {{4}, {2, 2}, {3, 1}, {1.5, 0.5, 2}, {2, 1, 1}}),
              bpm);
    return Finish(std::move(s), 0.8f, 0.5f);
}

Sound ComposeFuzzy() {
    const double bpm = 56;
    const int beats = 36;
    Sound s = MakeSilence(kMusicRate, Seconds(beats, bpm));
    // The drone: D and A deep down, beating slowly against each other.
    Instrument drone;
    drone.wave = Wave::Saw;
    drone.detuneCents = 6, drone.cutoff = 260, drone.attack = 2, drone.sustain = 1, drone.release = 2,
    drone.gain = 0.2f;
    std::vector<Note> low = {
        {0, beats - 1.5, 26, 1.0f}, {0, beats - 1.5, 33, 0.6f}, {beats * 0.5, beats - 1.5, 38, 0.35f}};
    PlayNotes(s, drone, low, bpm);
    // Wind through the halls.
    Instrument wind;
    wind.wave = Wave::Noise;
    wind.cutoff = 320, wind.attack = 4, wind.sustain = 1, wind.release = 4, wind.gain = 0.05f;
    PlayNotes(s, wind, {{0, beats * 0.6, 60, 1.0f}, {beats * 0.5, beats * 0.6, 60, 0.8f}}, bpm);
    // A heartbeat, twice every other beat.
    double beatSeconds = 60.0 / bpm;
    for (int b = 0; b < beats; b += 2) {
        PlayDrum(s, Drum::Tom, b * beatSeconds, 0.55f);
        PlayDrum(s, Drum::Tom, (b + 0.35) * beatSeconds, 0.35f);
    }
    // Stray bells from the Phrygian mode, far apart.
    Random rng(202);
    const std::vector<int> phrygian = {0, 1, 3, 5, 7, 8, 10};
    std::vector<int> bellNotes = ScaleNotes(62, phrygian, 62, 86);
    std::vector<Note> bells;
    for (double b = 1; b < beats; b += 3 + rng.Below(3))
        bells.push_back({b + 0.5 * rng.Below(2), 1.0,
                         bellNotes[static_cast<size_t>(rng.Below(static_cast<int>(bellNotes.size())))],
                         0.6f + 0.4f * rng.Uniform()});
    PlayNotes(s, Bell(), bells, bpm);
    LoopDelay(s, beatSeconds * 0.75, 0.45f, 0.35f);
    return Finish(std::move(s), 1.0f, 0.7f);
}

Sound ComposeAlone() {
    const double bpm = 76;
    const std::vector<Chord> chords = {{50, true},  {55, false}, {50, true},  {48, false},
                                       {46, false}, {48, false}, {50, true},  {57, true},
                                       {50, true},  {55, false}, {46, false}, {50, true}};
    Sound s = MakeSilence(kMusicRate, Seconds(48, bpm));
    // Open fifths instead of full chords: an empty, wide sound.
    std::vector<Note> fifths;
    for (size_t i = 0; i < chords.size(); ++i) {
        fifths.push_back({i * 4.0, 3.7, chords[i].root - 12, 0.9f});
        fifths.push_back({i * 4.0, 3.7, chords[i].root - 5, 0.7f});
    }
    PlayNotes(s, Strings(700), fifths, bpm);
    std::vector<Note> harp;
    Arpeggio(harp, chords, 4, {0, 2, 4, 2}, 1.0, 0, 0.7f, 0.8);
    PlayNotes(s, Harp(), harp, bpm);
    Random rng(303);
    Instrument lonely = Flute();
    lonely.vibratoCents = 24;
    PlayNotes(s, lonely,
              Melody(rng, chords, 4, 50, kDorian, 62, 79, {{4}, {3, 1}, {2, 2}, {1, 1, 2}, {1.5, 0.5, 1, 1}}),
              bpm);
    LoopDelay(s, 60.0 / bpm * 1.5, 0.3f, 0.25f);
    return Finish(std::move(s), 0.9f, 0.55f);
}

Sound ComposeFlow() {
    const double bpm = 104;
    const std::vector<Chord> chords = {{52, false}, {57, false}, {49, true},  {59, false}, {52, false},
                                       {57, false}, {54, true},  {59, false}, {52, false}, {45, false},
                                       {49, true},  {47, false}, {52, false}, {57, false}, {59, false},
                                       {59, false}, {52, false}, {57, false}, {54, true},  {59, false}};
    const int beats = static_cast<int>(chords.size()) * 3;
    Sound s = MakeSilence(kMusicRate, Seconds(beats, bpm));
    std::vector<Note> ripple;
    Arpeggio(ripple, chords, 3, {0, 1, 2, 3, 2, 1}, 0.5, 0, 0.75f, 0.6);
    PlayNotes(s, Harp(), ripple, bpm);
    std::vector<Note> bass;
    for (size_t i = 0; i < chords.size(); ++i) bass.push_back({i * 3.0, 2.8, chords[i].root - 12, 0.9f});
    PlayNotes(s, Piano(), bass, bpm);
    std::vector<Note> pad;
    Pads(pad, chords, 3, 0, 0.6f);
    PlayNotes(s, Strings(1500), pad, bpm);
    Random rng(404);
    PlayNotes(s, Bell(), Melody(rng, chords, 3, 52, kMajor, 71, 88, {{3}, {2, 1}, {1, 1, 1}, {1.5, 0.5, 1}}),
              bpm);
    // A light shaker keeps it moving.
    double beatSeconds = 60.0 / bpm;
    for (int i = 0; i < beats * 2; ++i) PlayDrum(s, Drum::Hat, i * beatSeconds * 0.5, i % 2 ? 0.06f : 0.1f);
    return Finish(std::move(s), 0.7f, 0.45f);
}

Sound ComposeBattle() {
    const double bpm = 150;
    const std::vector<Chord> chords = {{52, true},  {48, false}, {50, false}, {47, false}, {52, true},
                                       {48, false}, {50, false}, {47, false}, {45, true},  {48, false},
                                       {50, false}, {47, false}, {45, true},  {47, false}, {48, false},
                                       {50, false}, {52, true},  {48, false}, {50, false}, {47, false}};
    const int beats = static_cast<int>(chords.size()) * 4;
    Sound s = MakeSilence(kMusicRate, Seconds(beats, bpm));
    double beatSeconds = 60.0 / bpm;
    // Driving eighth-note bass with an octave jump on the off-beats.
    Instrument bass;
    bass.wave = Wave::Saw;
    bass.cutoff = 650, bass.attack = 0.005f, bass.decay = 0.1f, bass.sustain = 0.6f, bass.release = 0.05f,
    bass.gain = 0.3f;
    std::vector<Note> bassNotes;
    for (size_t c = 0; c < chords.size(); ++c)
        for (int e = 0; e < 8; ++e)
            bassNotes.push_back({c * 4.0 + e * 0.5, 0.4, chords[c].root - 24 + (e % 4 == 3 ? 12 : 0), 1.0f});
    PlayNotes(s, bass, bassNotes, bpm);
    // Power-chord stabs on the pushes.
    Instrument stab;
    stab.wave = Wave::Square;
    stab.cutoff = 1800, stab.attack = 0.005f, stab.decay = 0.15f, stab.sustain = 0.3f, stab.release = 0.1f;
    stab.detuneCents = 12, stab.gain = 0.08f;
    std::vector<Note> stabs;
    for (size_t c = 0; c < chords.size(); ++c)
        for (double at : {0.0, 1.5, 3.0})
            for (int off : {0, 7, 12}) stabs.push_back({c * 4.0 + at, 0.35, chords[c].root + off, 1.0f});
    PlayNotes(s, stab, stabs, bpm);
    for (int b = 0; b < beats; ++b) {
        double t = b * beatSeconds;
        if (b % 2 == 0) PlayDrum(s, Drum::Kick, t, 0.9f);
        if (b % 4 == 3) PlayDrum(s, Drum::Kick, t + beatSeconds * 0.5, 0.6f);
        if (b % 2 == 1) PlayDrum(s, Drum::Snare, t, 0.6f);
        PlayDrum(s, Drum::Hat, t, 0.16f);
        PlayDrum(s, Drum::Hat, t + beatSeconds * 0.5, 0.1f);
        if (b % 16 == 15)
            for (int k = 0; k < 4; ++k) PlayDrum(s, Drum::Tom, t + k * beatSeconds * 0.25, 0.5f);
    }
    Instrument brass;
    brass.wave = Wave::Saw;
    brass.detuneCents = 7, brass.cutoff = 2400, brass.attack = 0.04f, brass.decay = 0.15f,
    brass.sustain = 0.75f;
    brass.release = 0.12f, brass.vibratoCents = 14, brass.vibratoRate = 6, brass.gain = 0.13f;
    Random rng(505);
    PlayNotes(s, brass,
              Melody(rng, chords, 4, 52, kMinor, 64, 83,
                     {{2, 1, 1}, {1, 1, 2}, {0.5, 0.5, 1, 2}, {1.5, 1.5, 1}, {1, 1, 1, 1}}),
              bpm);
    return Finish(std::move(s), 0.4f, 0.25f);
}

std::vector<MusicFile> BuildMusic() {
    std::vector<MusicFile> out;
    out.push_back({"Music\\Sad.wav", ComposeSad()});
    out.push_back({"Music\\Fuzzy.wav", ComposeFuzzy()});
    out.push_back({"Music\\Alone.wav", ComposeAlone()});
    out.push_back({"Music\\Flow.wav", ComposeFlow()});
    out.push_back({"Music\\Battle.wav", ComposeBattle()});
    return out;
}
