// The story's own figures and flights: the hero taking up the sword and
// dodging at the end, Katu and his two animations, the lava balls he throws,
// and the camera flights of the sword scene and of the ending.
#pragma once

#include "content/anim.h"
#include "content/battle.h"
#include "content/mesh.h"
#include "content/output.h"

#include <vector>

constexpr int kStoryFrames = 35; // every story animation fills the 35 frames an animation holds
// From this frame of the sword animation on, the sword is in his hand; before
// it, it stands upright in the rock where his hand will close on it. By the
// drawn frame its point is clear of the stone and it starts to turn point up.
constexpr int kSwordGripFrame = 14;
constexpr int kSwordDrawnFrame = 19;

// Where the rock that holds the sword stands, in the space of the hero at
// the sword (his origin, facing +z): the blade goes into it at `blade`
// (x, z) and the stone reaches up to `top`.
struct SwordRock {
    CVector3 blade = {0, 0, 0};
    float top = 0.0f;
};
SwordRock SwordRockPlace();

// Katu faces +z with his soles on his origin.
Rig BuildKatuRig();
std::vector<Mesh> KatuStage1Frames(const Rig& katu);
// Frames 0..10 raise the fire in his hand, 10..34 gather and throw it.
std::vector<Mesh> KatuCastFrames(const Rig& katu);
Mesh BuildLavaBallMesh();
constexpr float kLavaBallRadius = 0.2f;

std::vector<Mesh> HeroGetSwordFrames(const Rig& hero);
// He faces the balls coming at him and throws himself to his right, out of their way.
std::vector<Pose> HeroDodgePoses(const Rig& hero);

// Level 1's flight onto the hero at the sword, and the ending's on the road.
std::vector<CameraFlight> BuildStoryFlights();

void BuildStory(DataWriter& writer);
