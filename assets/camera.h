// The one camera, moved by the field, the camera scripts, the battle and the
// victory screen, and the hero's place in the field.
#pragma once

#include "assets/vector.h"

struct CameraRecord {
    CVector3 Position;
    CVector3 ViewPoint;
    CVector3 UpVector;
};
static_assert(sizeof(CameraRecord) == 36);

extern CameraRecord Camera;
extern CVector3 HeroPosition;
extern CVector3 HeroRotation; // degrees; y is the yaw
