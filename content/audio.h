// A small synthesiser for the game's music: oscillators and additive voices
// with envelopes, a note sequencer, drums, and loop-aware effects. Everything
// written into a sound wraps around its end, so every tune loops without a seam.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Sound {
    int sampleRate = 22050;
    std::vector<float> samples; // mono, nominally -1..1
};

Sound MakeSilence(int sampleRate, double seconds);

enum class Wave { Sine, Triangle, Saw, Square, Noise };
// One sample of a waveform at a phase counted in cycles.
float Oscillate(Wave wave, double phase, uint32_t& noiseState);
double NoteFrequency(int midiNote);

struct Instrument {
    Wave wave = Wave::Sine;
    // Additive partials (amplitude of harmonic 1, 2, ...); when set they replace the wave.
    std::vector<float> partials;
    float attack = 0.01f, decay = 0.2f, sustain = 0.7f, release = 0.3f; // seconds, level
    float pluck = 0.0f;        // extra exponential fade per second, for struck strings
    float detuneCents = 0.0f;  // a second voice this far sharp thickens the sound
    float vibratoCents = 0.0f; // depth, at vibratoRate Hz, fading in over the note
    float vibratoRate = 5.0f;
    float cutoff = 0.0f; // one-pole low-pass in Hz; 0 leaves the sound open
    float gain = 0.3f;
};

struct Note {
    double beat;   // start, counted in beats from the loop's start
    double length; // beats held before the release
    int pitch;     // MIDI note number
    float velocity = 1.0f;
};

// Renders notes at a tempo into the sound; notes that run past the end continue at its start.
void PlayNotes(Sound& sound, const Instrument& instrument, const std::vector<Note>& notes, double bpm);

enum class Drum { Kick, Snare, Hat, Tom };
void PlayDrum(Sound& sound, Drum drum, double seconds, float gain);

// Effects that treat the sound as a loop, so the tails of the end fall on the start.
void LoopLowpass(Sound& sound, float cutoff);
void LoopDelay(Sound& sound, double seconds, float feedback, float mix);
void LoopReverb(Sound& sound, float roomSize, float mix);
// Scales to the given peak; silence stays silence.
void Normalize(Sound& sound, float peak);
// Adds one sound onto another, wrapping, from an offset in samples.
void MixInto(Sound& target, const Sound& source, float gain, size_t offset = 0);

// 16-bit PCM mono RIFF WAVE.
std::string WriteWav(const Sound& sound);
