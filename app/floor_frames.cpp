#include "app/floor_frames.h"

#include "platform/platform.h"
#include "world/level_table.h"

#include <GL/gl.h>

#include <cstring>

namespace {

// The ground of the first level that has one; 0 (untextured) without.
unsigned GroundTexture() {
    for (const LevelRecord& level : LevelTable)
        for (const Material3D& material : level.Mesh.materials)
            if (std::strcmp(material.fileName, "Ground.tga") == 0 && material.textureId >= 0 &&
                material.textureId < kModelTextureSlots)
                return level.Mesh.textures[material.textureId].texName;
    return 0;
}

} // namespace

void BareFrame() {
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SwapScreenBuffer();
}

// One quad facing the eye one unit away, just covering the view whatever the
// screen's shape, in the field's state: depth test, lighting with the level's
// light, fog, the ground's mipmapped texture at about one texel a pixel.
void FillFrame() {
    static const unsigned ground = GroundTexture();
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    const float x = projection[0] != 0.0f ? 1.0f / projection[0] : 1.0f;
    const float y = projection[5] != 0.0f ? 1.0f / projection[5] : 1.0f;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const float u = static_cast<float>(viewport[2]) / 256.0f, v = static_cast<float>(viewport[3]) / 256.0f;

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT1);
    glEnable(GL_FOG);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, ground);
    glColor3ub(255, 255, 255);
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-x, -y, -1.0f);
    glTexCoord2f(u, 0.0f);
    glVertex3f(x, -y, -1.0f);
    glTexCoord2f(u, v);
    glVertex3f(x, y, -1.0f);
    glTexCoord2f(0.0f, v);
    glVertex3f(-x, y, -1.0f);
    glEnd();
    glDisable(GL_LIGHT1);
    SwapScreenBuffer();
}
