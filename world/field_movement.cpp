#include "world/field_movement.h"

#include "assets/animation.h"
#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "platform/platform.h"
#include "world/collision.h"
#include "world/encounters.h"
#include "world/field_camera.h"
#include "world/field_common.h"

int32_t WalkFrame = 0;

namespace {

// Hero and camera move by the same share of the view, which keeps the hero
// under the view point.
void Step(float direction) {
    const CVector3 stride = WalkStride(Camera);
    HeroPosition.x += direction * stride.x;
    HeroPosition.z += direction * stride.z;
    MoveCamera(Camera, direction * WalkSpeed);
}

// Fall, collide and count, the same after either step.
void FinishStep() {
    static const Model3D noGround;
    const LevelRecord* level = LevelAt(CurrentLevel);
    CollideWithLevel(level ? level->CollisionMesh : noGround);
    CountStep();
}

} // namespace

void WalkForward() {
    Step(1.0f);
    ApplyAnimationFrame(HeroModel, HeroWalkAnim, WalkFrame);
    WalkFrame = WalkFrame <= kWalkFrameCount - 2 ? WalkFrame + 1 : 0;
    FinishStep();
}

void WalkBackward() {
    Step(-1.0f);
    ApplyAnimationFrame(HeroModel, HeroWalkAnim, WalkFrame);
    WalkFrame = WalkFrame > 0 ? WalkFrame - 1 : kWalkFrameCount - 1;
    FinishStep();
}

void TurnLeft() {
    RotateAroundPoint(Camera, HeroPosition.x, HeroPosition.y, HeroPosition.z, 0.0f, -kTurnRadians, 0.0f);
    HeroRotation.y += kTurnDegrees;
}

void TurnRight() {
    RotateAroundPoint(Camera, HeroPosition.x, HeroPosition.y, HeroPosition.z, 0.0f, kTurnRadians, 0.0f);
    HeroRotation.y -= kTurnDegrees;
}

void FieldMovement() {
    // Opposite keys both act: a step forward and one back still fall, collide and count twice.
    if (IsKeyDown(KeyUp) || IsKeyDown('W')) WalkForward();
    if (IsKeyDown(KeyDown) || IsKeyDown('S')) WalkBackward();
    if (IsKeyDown(KeyLeft) || IsKeyDown('A')) TurnLeft();
    if (IsKeyDown(KeyRight) || IsKeyDown('D')) TurnRight();
}
