// Scenes the field tests and benchmarks share: the props' box and the game's
// view through the camera, without loading any data.
#pragma once

#include "assets/camera.h"
#include "assets/model3d.h"

#include "world/field_camera.h"

#include <cmath>

// The props' solid shape: a closed cube of half-width 1 standing on the ground, faces pointing out.
inline Model3D PropBoxModel() {
    Model3D model;
    Object3D o;
    o.vertices = {{-1, 0, -1}, {1, 0, -1}, {1, 0, 1}, {-1, 0, 1},
                  {-1, 2, -1}, {1, 2, -1}, {1, 2, 1}, {-1, 2, 1}};
    o.indices = {4, 7, 6, 4, 6, 5, 0, 1, 2, 0, 2, 3, 0, 4, 5, 0, 5, 1,
                 2, 6, 7, 2, 7, 3, 3, 7, 4, 3, 4, 0, 1, 5, 6, 1, 6, 2};
    o.vertexCount = 8;
    o.indexCount = static_cast<int32_t>(o.indices.size());
    o.center = {0, 1, 0};
    o.size = 2;
    model.objects.push_back(o);
    model.objectCount = 1;
    return model;
}

// The game's 45 degree, 4:3 projection looking through the camera.
inline void LookThroughCamera() {
    float projection[16] = {};
    const float f = static_cast<float>(1.0 / std::tan(22.5 * 3.14159265358979 / 180.0));
    projection[0] = f / (4.0f / 3.0f);
    projection[5] = f;
    projection[10] = (1000.0f + 0.5f) / (0.5f - 1000.0f);
    projection[11] = -1.0f;
    projection[14] = 2.0f * 1000.0f * 0.5f / (0.5f - 1000.0f);
    const CVector3 eye = Camera.Position, at = Camera.ViewPoint;
    CVector3 fw = {at.x - eye.x, at.y - eye.y, at.z - eye.z};
    float l = std::sqrt(fw.x * fw.x + fw.y * fw.y + fw.z * fw.z);
    fw = {fw.x / l, fw.y / l, fw.z / l};
    CVector3 s = {-fw.z, 0.0f, fw.x};
    l = std::sqrt(s.x * s.x + s.z * s.z);
    s = {s.x / l, 0.0f, s.z / l};
    const CVector3 u = {s.y * fw.z - s.z * fw.y, s.z * fw.x - s.x * fw.z, s.x * fw.y - s.y * fw.x};
    float modelview[16] = {s.x, u.x, -fw.x, 0, s.y, u.y, -fw.y, 0, s.z, u.z, -fw.z, 0, 0, 0, 0, 1};
    modelview[12] = -(s.x * eye.x + s.y * eye.y + s.z * eye.z);
    modelview[13] = -(u.x * eye.x + u.y * eye.y + u.z * eye.z);
    modelview[14] = fw.x * eye.x + fw.y * eye.y + fw.z * eye.z;
    FrustumFromMatrices(projection, modelview, ViewFrustum);
}
