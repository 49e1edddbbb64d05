// The field camera's geometry: placing and moving the one camera, orbiting it
// around the hero, the mouse step, and the view frustum that collision prunes
// its objects with. Everything but ExtractFrustum and MouseLook is pure math
// over the records passed in, so it runs without a window.
#pragma once

#include "assets/camera.h"
#include "assets/vector.h"

#include <cstdint>

// Plane order inside a frustum; each plane is (a, b, c, d) with (a, b, c) of unit length.
enum FrustumSide : int32_t {
    FrustumRight = 0,
    FrustumLeft = 1,
    FrustumBottom = 2,
    FrustumTop = 3,
    FrustumFar = 4,
    FrustumNear = 5,
};

struct FrustumRecord {
    float plane[6][4];
};
static_assert(sizeof(FrustumRecord) == 96);

// Recomputed by every field, battle and victory frame.
extern FrustumRecord ViewFrustum;

// One walking step moves hero and camera by this share of the camera's
// horizontal view vector: the hero divides by the count, the camera multiplies
// by its inverse, WalkSpeed.
constexpr float kWalkStepsPerView = 25.0f;
constexpr float WalkSpeed = 1.0f / kWalkStepsPerView;
static_assert(WalkSpeed == 0.04f);

void PositionCamera(CameraRecord& camera, float px, float py, float pz, float vx, float vy, float vz,
                    float ux, float uy, float uz);
// Move eye and view point horizontally by speed times the view vector.
void MoveCamera(CameraRecord& camera, float speed);
// The hero's move for one step forward under this camera; y is 0.
CVector3 WalkStride(const CameraRecord& camera);
// Orbit the eye about c by angles in radians about x, y and z; zero angles are skipped.
void RotateAroundPoint(CameraRecord& camera, float cx, float cy, float cz, float ax, float ay, float az);

// One mouse step for a cursor read at (cursorX, cursorY) with the screen centre at
// (centreX, centreY). Returns false, having changed nothing, when the cursor sits
// on the centre; true when it moved and must be put back there.
bool MouseLookStep(CameraRecord& camera, const CVector3& hero, CVector3& heroRotation, int32_t centreX,
                   int32_t centreY, int32_t cursorX, int32_t cursorY);
// The mouse step against the real cursor: tilt and turn, then recentre the cursor.
void MouseLook(CameraRecord& camera, const CVector3& hero, CVector3& heroRotation = HeroRotation);
// Where the cursor counts as read for the player's mouse speed and vertical
// invert; at 1x and upright it is the cursor itself. A slow speed carries the
// fraction of a pixel it did not turn by to the next read.
int32_t LookedCursor(int32_t cursor, int32_t centre, bool vertical);

// Planes from a projection and a model-view matrix, both column-major as GL returns them.
void FrustumFromMatrices(const float projection[16], const float modelview[16], FrustumRecord& frustum);
// Planes from the current GL projection and model-view matrices.
void ExtractFrustum(FrustumRecord& frustum);

// True when some corner of the cube of half-width s about (x, y, z) lies strictly in
// front of every plane (a loose test: a cube beside a corner may pass).
bool CubeInFrustum(float x, float y, float z, float s, const FrustumRecord& frustum = ViewFrustum);
