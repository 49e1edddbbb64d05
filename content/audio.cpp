#include "content/audio.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr double kTwoPi = 6.283185307179586;

float NextNoise(uint32_t& state) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<float>(state) / 2147483648.0f - 1.0f;
}

void AddWrapped(Sound& s, size_t index, float value) {
    if (s.samples.empty()) return;
    s.samples[index % s.samples.size()] += value;
}

} // namespace

Sound MakeSilence(int sampleRate, double seconds) {
    Sound s;
    s.sampleRate = sampleRate;
    s.samples.assign(static_cast<size_t>(std::max(0.0, seconds) * sampleRate), 0.0f);
    return s;
}

float Oscillate(Wave wave, double phase, uint32_t& noise) {
    double p = phase - std::floor(phase);
    switch (wave) {
    case Wave::Sine:
        return static_cast<float>(std::sin(kTwoPi * p));
    case Wave::Triangle:
        return static_cast<float>(p < 0.5 ? 4 * p - 1 : 3 - 4 * p);
    case Wave::Saw:
        return static_cast<float>(2 * p - 1);
    case Wave::Square:
        return p < 0.5 ? 1.0f : -1.0f;
    case Wave::Noise:
        return NextNoise(noise);
    }
    return 0;
}

double NoteFrequency(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

void PlayNotes(Sound& sound, const Instrument& ins, const std::vector<Note>& notes, double bpm) {
    if (sound.samples.empty() || bpm <= 0) return;
    double rate = sound.sampleRate, beatSeconds = 60.0 / bpm;
    uint32_t noise = 0x1234567u;
    for (const Note& n : notes) {
        double held = std::max(n.length * beatSeconds, static_cast<double>(ins.attack));
        double total = held + ins.release;
        size_t count = static_cast<size_t>(total * rate);
        size_t start = static_cast<size_t>(std::max(0.0, n.beat * beatSeconds * rate));
        double freq = NoteFrequency(n.pitch);
        double phaseA = 0, phaseB = 0.25;
        float lp = 0,
              alpha = ins.cutoff > 0 ? static_cast<float>(1 - std::exp(-kTwoPi * ins.cutoff / rate)) : 1.0f;
        for (size_t i = 0; i < count; ++i) {
            double t = static_cast<double>(i) / rate;
            double env;
            if (t < ins.attack)
                env = t / std::max(1e-4f, ins.attack);
            else if (t < ins.attack + ins.decay)
                env = 1 - (1 - ins.sustain) * (t - ins.attack) / std::max(1e-4f, ins.decay);
            else
                env = ins.sustain;
            if (t > held) env *= std::max(0.0, 1 - (t - held) / std::max(1e-4f, ins.release));
            if (ins.pluck > 0) env *= std::exp(-ins.pluck * t);
            double vib =
                ins.vibratoCents * std::min(1.0, t / 0.4) * std::sin(kTwoPi * ins.vibratoRate * t) / 1200.0;
            double f = freq * std::pow(2.0, vib);
            phaseA += f / rate;
            phaseB += f * std::pow(2.0, ins.detuneCents / 1200.0) / rate;
            float v;
            if (!ins.partials.empty()) {
                v = 0;
                for (size_t h = 0; h < ins.partials.size(); ++h)
                    v += ins.partials[h] *
                         static_cast<float>(std::sin(kTwoPi * phaseA * static_cast<double>(h + 1)));
            } else {
                v = Oscillate(ins.wave, phaseA, noise);
                if (ins.detuneCents != 0) v = 0.5f * (v + Oscillate(ins.wave, phaseB, noise));
            }
            lp += alpha * (v - lp);
            AddWrapped(sound, start + i, lp * static_cast<float>(env) * ins.gain * n.velocity);
        }
    }
}

void PlayDrum(Sound& sound, Drum drum, double seconds, float gain) {
    if (sound.samples.empty()) return;
    double rate = sound.sampleRate;
    size_t start = static_cast<size_t>(std::max(0.0, seconds) * rate);
    uint32_t noise = 0xBEEF1234u ^ static_cast<uint32_t>(start);
    double phase = 0;
    float hp = 0, prev = 0, lp = 0;
    double length = drum == Drum::Hat ? 0.08 : (drum == Drum::Snare ? 0.22 : 0.35);
    size_t count = static_cast<size_t>(length * rate);
    for (size_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / rate;
        float v = 0;
        switch (drum) {
        case Drum::Kick: {
            double f = 45 + 110 * std::exp(-t * 30);
            phase += f / rate;
            v = static_cast<float>(std::sin(kTwoPi * phase) * std::exp(-t * 9));
            break;
        }
        case Drum::Tom: {
            double f = 90 + 60 * std::exp(-t * 18);
            phase += f / rate;
            v = static_cast<float>(std::sin(kTwoPi * phase) * std::exp(-t * 10));
            break;
        }
        case Drum::Snare: {
            phase += 190 / rate;
            float n = NextNoise(noise);
            lp += 0.5f * (n - lp);
            v = static_cast<float>(0.35 * std::sin(kTwoPi * phase) * std::exp(-t * 25) +
                                   0.8 * lp * std::exp(-t * 14));
            break;
        }
        case Drum::Hat: {
            float n = NextNoise(noise);
            hp = 0.6f * (hp + n - prev); // crude high-pass keeps the hiss
            prev = n;
            v = static_cast<float>(hp * std::exp(-t * 60));
            break;
        }
        }
        AddWrapped(sound, start + i, v * gain);
    }
}

void LoopLowpass(Sound& sound, float cutoff) {
    if (sound.samples.empty() || cutoff <= 0) return;
    float alpha = static_cast<float>(1 - std::exp(-kTwoPi * cutoff / sound.sampleRate));
    // A warm-up lap settles the filter on the loop's end before the real lap.
    float y = 0;
    for (float v : sound.samples) y += alpha * (v - y);
    for (float& v : sound.samples) {
        y += alpha * (v - y);
        v = y;
    }
}

void LoopDelay(Sound& sound, double seconds, float feedback, float mix) {
    size_t n = sound.samples.size(), d = static_cast<size_t>(seconds * sound.sampleRate);
    if (n == 0 || d == 0 || d >= n) return;
    std::vector<float> wet(n, 0.0f);
    // y[i] = x[i - d] + feedback * y[i - d], around the loop; later laps see the
    // echoes of the end arriving at the start.
    for (int lap = 0; lap < 3; ++lap)
        for (size_t i = 0; i < n; ++i) {
            size_t j = (i + n - d) % n;
            wet[i] = sound.samples[j] + feedback * wet[j];
        }
    for (size_t i = 0; i < n; ++i) sound.samples[i] += mix * wet[i];
}

void LoopReverb(Sound& sound, float roomSize, float mix) {
    size_t n = sound.samples.size();
    if (n == 0) return;
    const double combs[4] = {0.0297, 0.0371, 0.0411, 0.0437};
    std::vector<float> wet(n, 0.0f), comb(n);
    for (double c : combs) {
        size_t d = static_cast<size_t>(c * (0.6 + roomSize) * sound.sampleRate);
        if (d == 0 || d >= n) continue;
        std::fill(comb.begin(), comb.end(), 0.0f);
        float fb = 0.70f + 0.25f * std::clamp(roomSize, 0.0f, 1.0f);
        for (int lap = 0; lap < 4; ++lap)
            for (size_t i = 0; i < n; ++i) comb[i] = sound.samples[i] + fb * comb[(i + n - d) % n];
        for (size_t i = 0; i < n; ++i) wet[i] += comb[i] * 0.25f;
    }
    // Two all-pass stages smear the comb echoes into a wash.
    const double allpass[2] = {0.005, 0.0017};
    for (double a : allpass) {
        size_t d = static_cast<size_t>(a * sound.sampleRate);
        if (d == 0 || d >= n) continue;
        std::vector<float> in = wet, out(n, 0.0f);
        for (int lap = 0; lap < 2; ++lap)
            for (size_t i = 0; i < n; ++i) {
                size_t j = (i + n - d) % n;
                out[i] = -0.5f * in[i] + in[j] + 0.5f * out[j];
            }
        wet = out;
    }
    for (size_t i = 0; i < n; ++i)
        sound.samples[i] = sound.samples[i] * (1 - mix * 0.5f) + wet[i] * mix * 0.3f;
}

void Normalize(Sound& sound, float peak) {
    float top = 0;
    for (float v : sound.samples) top = std::max(top, std::fabs(v));
    if (top <= 1e-9f) return;
    float k = peak / top;
    for (float& v : sound.samples) v *= k;
}

void MixInto(Sound& target, const Sound& source, float gain, size_t offset) {
    for (size_t i = 0; i < source.samples.size(); ++i)
        AddWrapped(target, offset + i, source.samples[i] * gain);
}

std::string WriteWav(const Sound& sound) {
    uint32_t dataBytes = static_cast<uint32_t>(sound.samples.size() * 2);
    std::string out;
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto u16 = [&](uint16_t v) {
        out += static_cast<char>(v & 0xFF);
        out += static_cast<char>(v >> 8);
    };
    out += "RIFF";
    u32(36 + dataBytes);
    out += "WAVEfmt ";
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(static_cast<uint32_t>(sound.sampleRate));
    u32(static_cast<uint32_t>(sound.sampleRate) * 2);
    u16(2);
    u16(16);
    out += "data";
    u32(dataBytes);
    for (float v : sound.samples) {
        long s = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        u16(static_cast<uint16_t>(static_cast<int16_t>(s)));
    }
    return out;
}
