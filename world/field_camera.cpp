#include "world/field_camera.h"

#include <GL/gl.h>
#include <cmath>

FrustumRecord ViewFrustum = {};

void PositionCamera(CameraRecord& camera, float px, float py, float pz, float vx, float vy, float vz,
                    float ux, float uy, float uz) {
    camera.Position = {px, py, pz};
    camera.ViewPoint = {vx, vy, vz};
    camera.UpVector = {ux, uy, uz};
}

void MoveCamera(CameraRecord& camera, float speed) {
    const float vx = camera.ViewPoint.x - camera.Position.x;
    const float vz = camera.ViewPoint.z - camera.Position.z;
    // Height stays: walking follows the ground through collision, not the view's tilt.
    camera.Position.x += vx * speed;
    camera.Position.z += vz * speed;
    camera.ViewPoint.x += vx * speed;
    camera.ViewPoint.z += vz * speed;
}

CVector3 WalkStride(const CameraRecord& camera) {
    return {(camera.ViewPoint.x - camera.Position.x) / kWalkStepsPerView, 0.0f,
            (camera.ViewPoint.z - camera.Position.z) / kWalkStepsPerView};
}

void RotateAroundPoint(CameraRecord& camera, float cx, float cy, float cz, float ax, float ay, float az) {
    const CVector3 v = {camera.Position.x - cx, camera.Position.y - cy, camera.Position.z - cz};
    CVector3& p = camera.Position;
    // Every turn starts from the same offset; the game only ever turns about one axis at a time.
    if (ax != 0.0f) {
        const double s = std::sin(static_cast<double>(ax));
        const double c = std::cos(static_cast<double>(ax));
        p.z = static_cast<float>(cz + s * v.y + c * v.z);
        p.y = static_cast<float>(cy + c * v.y - s * v.z);
    }
    if (ay != 0.0f) {
        const double s = std::sin(static_cast<double>(ay));
        const double c = std::cos(static_cast<double>(ay));
        p.z = static_cast<float>(cz + s * v.x + c * v.z);
        p.x = static_cast<float>(cx + c * v.x - s * v.z);
    }
    if (az != 0.0f) {
        const double s = std::sin(static_cast<double>(az));
        const double c = std::cos(static_cast<double>(az));
        p.x = static_cast<float>(cx + s * v.y + c * v.x);
        p.y = static_cast<float>(cy + c * v.y - s * v.x);
    }
}

bool MouseLookStep(CameraRecord& camera, const CVector3& hero, CVector3& heroRotation, int32_t centreX,
                   int32_t centreY, int32_t cursorX, int32_t cursorY) {
    if (cursorX == centreX && cursorY == centreY) return false;
    // Widened so that no cursor position, however wild, overflows the difference.
    const float dx = static_cast<float>(static_cast<int64_t>(centreX) - cursorX) / 1000.0f;
    const float dy = static_cast<float>(static_cast<int64_t>(centreY) - cursorY) / 1000.0f;

    // The view pivots about the middle between eye and view point.
    camera.ViewPoint.y += 15.0f * dy;
    camera.Position.y -= 15.0f * dy;

    // A soft limit of one unit a frame, then a hard one of five, around the hero's height.
    const float h = hero.y;
    if (camera.ViewPoint.y - h > 10.0f) {
        camera.ViewPoint.y -= 1.0f;
        camera.Position.y += 1.0f;
    }
    if (camera.ViewPoint.y - h < -3.0f) {
        camera.ViewPoint.y += 1.0f;
        camera.Position.y -= 1.0f;
    }
    if (camera.ViewPoint.y - h > 12.0f) {
        camera.ViewPoint.y -= 5.0f;
        camera.Position.y += 5.0f;
    }
    if (camera.ViewPoint.y - h < -5.0f) {
        camera.ViewPoint.y += 5.0f;
        camera.Position.y -= 5.0f;
    }

    heroRotation.y = static_cast<float>(heroRotation.y + dx / 0.01745329252);
    // The hero turns left while the eye orbits the other way, so it stays behind him.
    RotateAroundPoint(camera, hero.x, hero.y, hero.z, 0.0f, -dx, 0.0f);
    return true;
}

void FrustumFromMatrices(const float projection[16], const float modelview[16], FrustumRecord& frustum) {
    float clip[16];
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += modelview[4 * i + k] * projection[4 * k + j];
            clip[4 * i + j] = sum;
        }
    }
    // Column j of the combined matrix, as a plane.
    auto column = [&clip](int j, int r) { return clip[4 * r + j]; };
    for (int r = 0; r < 4; ++r) {
        const float w = column(3, r);
        frustum.plane[FrustumRight][r] = w - column(0, r);
        frustum.plane[FrustumLeft][r] = w + column(0, r);
        frustum.plane[FrustumBottom][r] = w + column(1, r);
        frustum.plane[FrustumTop][r] = w - column(1, r);
        frustum.plane[FrustumFar][r] = w - column(2, r);
        frustum.plane[FrustumNear][r] = w + column(2, r);
    }
    for (auto& p : frustum.plane) {
        const float length =
            static_cast<float>(std::sqrt(static_cast<double>(p[0] * p[0] + p[1] * p[1] + p[2] * p[2])));
        // A plane without a direction (no matrices set yet) is kept as it is rather than made NaN.
        if (!(length > 0.0f)) continue;
        for (float& value : p) value /= length;
    }
}

void ExtractFrustum(FrustumRecord& frustum) {
    float projection[16];
    float modelview[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    FrustumFromMatrices(projection, modelview, frustum);
}

bool CubeInFrustum(float x, float y, float z, float s, const FrustumRecord& frustum) {
    for (const auto& p : frustum.plane) {
        bool anyInFront = false;
        for (int corner = 0; corner < 8 && !anyInFront; ++corner) {
            const float cx = (corner & 1) ? x + s : x - s;
            const float cy = (corner & 2) ? y + s : y - s;
            const float cz = (corner & 4) ? z + s : z - s;
            anyInFront = p[0] * cx + p[1] * cy + p[2] * cz + p[3] > 0.0f;
        }
        if (!anyInFront) return false;
    }
    return true;
}
