#include "battle/shatter.h"

#include "assets/scene_scale.h"
#include "assets/screen_area.h"

#include <GL/gl.h>

namespace {

struct ShatterPiece {
    int piece; // which angle and distance pair it uses, counted from 1
    float corner[3][2];
};

// In activation order; the corners are texture coordinates, which are also the
// piece's shape in the unit square the picture is drawn on.
constexpr ShatterPiece kPieces[kShatterPieceCount] = {
    {1, {{0, 0}, {0.3f, 0}, {0.3f, 0.1f}}},           {2, {{0.3f, 0.1f}, {0.5f, 0}, {0.7f, 0.2f}}},
    {3, {{0.3f, 0}, {0.5f, 0}, {0.3f, 0.1f}}},        {4, {{0, 0}, {0, 0.3f}, {0.3f, 0.1f}}},
    {5, {{0.3f, 0.1f}, {0, 0.3f}, {0.5f, 0.2f}}},     {6, {{0.5f, 0.2f}, {0.3f, 0.1f}, {0.7f, 0.2f}}},
    {7, {{0.5f, 0}, {0.7f, 0}, {0.7f, 0.2f}}},        {8, {{0.7f, 0}, {1, 0}, {1, 0.3f}}},
    {9, {{0.7f, 0}, {0.7f, 0.2f}, {1, 0.3f}}},        {10, {{0, 0.3f}, {0, 0.5f}, {0.4f, 0.4f}}},
    {26, {{0.4f, 0.4f}, {0.5f, 0.2f}, {0.7f, 0.2f}}}, {12, {{0, 0.5f}, {0, 0.8f}, {0.2f, 0.7f}}},
    {13, {{0, 0.3f}, {0.5f, 0.2f}, {0.4f, 0.4f}}},    {14, {{0.4f, 0.4f}, {0, 0.5f}, {0.2f, 0.7f}}},
    {15, {{0, 0.8f}, {0.1f, 1}, {0.2f, 0.7f}}},       {16, {{0, 0.8f}, {0.1f, 1}, {0, 1}}},
    {17, {{0.1f, 1}, {0.2f, 0.7f}, {0.4f, 1}}},       {18, {{0.4f, 1}, {0.2f, 0.7f}, {0.4f, 0.4f}}},
    {19, {{0.4f, 0.4f}, {1, 0.3f}, {1, 0.5f}}},       {20, {{0.4f, 0.4f}, {0.4f, 0.7f}, {1, 0.5f}}},
    {21, {{0.4f, 1}, {0.7f, 0.7f}, {0.4f, 0.7f}}},    {22, {{0.4f, 0.7f}, {0.7f, 0.7f}, {1, 0.5f}}},
    {23, {{0.4f, 1}, {0.8f, 1}, {0.7f, 0.7f}}},       {24, {{0.7f, 0.7f}, {0.8f, 1}, {1, 0.5f}}},
    {11, {{0.4f, 0.4f}, {0.7f, 0.2f}, {1, 0.3f}}},    {25, {{0.8f, 1}, {1, 0.5f}, {1, 1}}},
};

void MoveAlong(int direction, float distance) {
    switch (direction) {
    case 0:
        glTranslatef(distance, 0, 0);
        break;
    case 1:
        glTranslatef(-distance, 0, 0);
        break;
    case 2:
        glTranslatef(0, distance, 0);
        break;
    default:
        glTranslatef(0, -distance, 0);
        break;
    }
}

} // namespace

bool DrawShatter(ShatterRecord& shatter) {
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_COLOR_MATERIAL);
    glPushMatrix();
    glTranslatef(-3, 3, 0);
    // The pieces lie over the whole picture: a smaller scene is stretched first.
    FinishScaledScene();
    EnterPictureSquare();
    if (shatter.Texture) glBindTexture(GL_TEXTURE_2D, shatter.Texture->texName);
    glColor3f(1, 1, 1);
    for (int order = 0; order < kShatterPieceCount; ++order) {
        const ShatterPiece& piece = kPieces[order];
        const float cu = (piece.corner[0][0] + piece.corner[1][0] + piece.corner[2][0]) / 3.0f;
        const float cv = (piece.corner[0][1] + piece.corner[1][1] + piece.corner[2][1]) / 3.0f;
        float& angle = shatter.Angle[piece.piece - 1];
        float& distance = shatter.Distance[piece.piece - 1];
        glPushMatrix();
        glTranslatef(cu, cv, 0);
        if (shatter.Active[order]) {
            MoveAlong(shatter.Direction, distance);
            glRotatef(angle, 1, 1, 0);
            angle += 4.0f;
            distance += 0.015f;
        }
        glBegin(GL_TRIANGLES);
        for (const auto& c : piece.corner) {
            glTexCoord2f(c[0], c[1]);
            glVertex3f(c[0] - cu, c[1] - cv, 0);
        }
        glEnd();
        glPopMatrix();
    }
    glPopMatrix();
    glEnable(GL_COLOR_MATERIAL);
    shatter.Counter += 1;
    const int flag = shatter.Counter / 5;
    if (flag >= 0 && flag < kShatterFlagCount) shatter.Active[flag] = 1;
    return shatter.Active[kShatterFlagCount - 1] != 0;
}

void ResetShatter(ShatterRecord& shatter) {
    TextureImage* texture = shatter.Texture;
    shatter = ShatterRecord{};
    shatter.Texture = texture;
}
