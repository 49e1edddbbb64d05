// A small particle system and the two flat flashes of the battle: the ring
// that flares where a blow lands, and the burst that spins over a fury strike.
// Particles live in one fixed pool; only the first 300 are drawn and moved.
#pragma once

#include "assets/texture.h"
#include "assets/vector.h"

#include <cstdint>

constexpr int kParticleCount = 1000;
constexpr int kParticlesDrawn = 300;

struct ParticleRecord {
    CVector3 Position = {0, 0, 0};
    CVector3 Velocity = {0, 0, 0};
    float Life = 0.0f; // 1 when new; also the alpha and the size
    float Color[3] = {};
    float Fade = 0.0f;  // taken from Life each frame
    float Speed = 0.0f; // multiplies Velocity; falls a little each frame
};

extern ParticleRecord Particles[kParticleCount];
extern float RingScale;
extern float RingAngle;

// Every particle from the origin, each in a random colour.
void EmitBurst();
// Every particle scattered around the origin, all in one colour.
void EmitSparkle(float r, float g, float b);
// Draw and move the drawn particles; with respawn a spent one starts again.
void DrawParticles(const TextureImage& texture, bool respawn);
// The ring that grows over a struck target until it fades out of range.
void DrawHitSpark(const CVector3& point, const TextureImage& texture);
// Two crossed squares spinning at a point, with the given alpha.
void DrawBurst(const CVector3& point, float alpha, const TextureImage& texture);
// Put the ring back to nothing, turned at random, for the next blow.
void ResetSpark();
