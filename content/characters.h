// The people and props of the field: the hero's rig and his animations, the
// villager, the treasure chest with its opening, and the solid box that stands
// in for villagers and chests in collision.
#pragma once

#include "content/anim.h"
#include "content/mesh.h"

// The hero's fist holds his sword turned this far about x from straight up:
// forward and a little down while his forearm hangs.
constexpr float kSwordHoldAngle = 125.0f;
// The hero faces +z with his soles 0.2 below his origin, where collision lets
// his sphere rest on the floor.
Rig BuildHeroRig();
Pose HeroStandPose(const Rig& rig);
// Frame f of 35 of the running loop; frame 35 would equal frame 0.
Pose HeroRunPose(const Rig& rig, int frame);

Mesh BuildVillagerMesh();

Rig BuildChestRig();
// Frame 0 is shut, frame 33 wide open.
Pose ChestPose(const Rig& rig, int frame);
constexpr int kChestFrames = 34;
constexpr int kWalkFrames = 35;

// The solid shape of every villager and chest: it must be taller than the
// hero's sphere reaches (0.7 above his origin plus 0.7) so he cannot climb it.
Mesh BuildPropBoxMesh();
