#include "battle/particles.h"

#include <GL/gl.h>

#include <cstdlib>

ParticleRecord Particles[kParticleCount];
float RingScale = 0.0f;
float RingAngle = 0.0f;

namespace {

constexpr float kVelocityChoices[20] = {0.001f,  0.002f,  0.003f,  0.004f,  0.005f,  0.006f,  0.007f,
                                        0.008f,  0.009f,  0.01f,   -0.001f, -0.002f, -0.003f, -0.004f,
                                        -0.005f, -0.006f, -0.007f, -0.008f, -0.009f, -0.01f};
constexpr float kOffsetChoices[20] = {0.1f,  0.2f,  0.3f,  0.4f,  0.5f,  0.6f,  0.7f,  0.8f,  0.9f,  1.0f,
                                      -0.1f, -0.2f, -0.3f, -0.4f, -0.5f, -0.6f, -0.7f, -0.8f, -0.9f, -1.0f};
constexpr float kSpeedChoices[5] = {1, 2, 3, 4, 5};
constexpr float kColourChoices[2] = {0, 1};

float Pick(const float* table, int size) {
    return table[std::rand() % size];
}

void Launch(ParticleRecord& p) {
    p.Speed = Pick(kSpeedChoices, 5);
    p.Velocity = {Pick(kVelocityChoices, 20), Pick(kVelocityChoices, 20), Pick(kVelocityChoices, 20)};
    p.Life = 1.0f;
    p.Fade = Pick(kVelocityChoices, 10); // only the positive ones
}

void RandomColour(ParticleRecord& p) {
    for (float& c : p.Color) c = Pick(kColourChoices, 2);
}

// Two squares of half-size h crossing on the y axis, in the x-y and y-z planes.
void CrossedSquares(float h) {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(-h, -h, 0);
    glTexCoord2f(1, 0);
    glVertex3f(h, -h, 0);
    glTexCoord2f(1, 1);
    glVertex3f(h, h, 0);
    glTexCoord2f(0, 1);
    glVertex3f(-h, h, 0);
    glTexCoord2f(0, 0);
    glVertex3f(0, -h, -h);
    glTexCoord2f(1, 0);
    glVertex3f(0, -h, h);
    glTexCoord2f(1, 1);
    glVertex3f(0, h, h);
    glTexCoord2f(0, 1);
    glVertex3f(0, h, -h);
    glEnd();
}

// Flashes draw over everything and leave the depth buffer alone.
void BeginFlash(const TextureImage& texture) {
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture.texName);
}

void EndFlash() {
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
}

} // namespace

void EmitBurst() {
    for (ParticleRecord& p : Particles) {
        p.Position = {0, 0, 0};
        Launch(p);
        RandomColour(p);
    }
}

void EmitSparkle(float r, float g, float b) {
    for (ParticleRecord& p : Particles) {
        p.Position = {Pick(kOffsetChoices, 20), Pick(kOffsetChoices, 20), Pick(kOffsetChoices, 20)};
        Launch(p);
        p.Color[0] = r;
        p.Color[1] = g;
        p.Color[2] = b;
    }
}

void DrawParticles(const TextureImage& texture, bool respawn) {
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    glBindTexture(GL_TEXTURE_2D, texture.texName);
    for (int i = 0; i < kParticlesDrawn; ++i) {
        ParticleRecord& p = Particles[i];
        glPushMatrix();
        glTranslatef(p.Position.x, p.Position.y, p.Position.z);
        glScalef(p.Life, p.Life, p.Life);
        glColor4f(p.Color[0], p.Color[1], p.Color[2], p.Life);
        CrossedSquares(0.2f);
        glPopMatrix();
        p.Position.x += p.Speed * p.Velocity.x;
        p.Position.y += p.Speed * p.Velocity.y;
        p.Position.z += p.Speed * p.Velocity.z;
        p.Life -= p.Fade;
        p.Speed -= 0.001f;
        if (respawn && p.Life <= 0.0f) {
            p.Position = {0, 0, 0};
            Launch(p);
            RandomColour(p);
        }
    }
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
}

void DrawHitSpark(const CVector3& point, const TextureImage& texture) {
    BeginFlash(texture);
    glPushMatrix();
    glTranslatef(point.x, point.y + 2.0f, point.z);
    glRotatef(80.0f, 0, 1, 0);
    glRotatef(60.0f, 1, 0, 0);
    glRotatef(RingAngle, 1, 0, 0);
    glScalef(RingScale, RingScale, RingScale);
    RingScale += 0.2f;
    if (RingScale < 7.0f) {
        glColor4f(1, 1, 1, 1);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex3f(-0.2f, -0.2f, 0);
        glTexCoord2f(1, 0);
        glVertex3f(0.2f, -0.2f, 0);
        glTexCoord2f(1, 1);
        glVertex3f(0.2f, 0.2f, 0);
        glTexCoord2f(0, 1);
        glVertex3f(-0.2f, 0.2f, 0);
        glEnd();
    }
    glPopMatrix();
    EndFlash();
}

void DrawBurst(const CVector3& point, float alpha, const TextureImage& texture) {
    BeginFlash(texture);
    glPushMatrix();
    glTranslatef(point.x, point.y, point.z);
    RingAngle += 10.0f;
    glRotatef(RingAngle, 0, 0, 1);
    glColor4f(1, 1, 1, alpha);
    CrossedSquares(2.0f);
    glPopMatrix();
    EndFlash();
}

void ResetSpark() {
    RingScale = 0.0f;
    RingAngle = static_cast<float>(std::rand() % 360);
}
