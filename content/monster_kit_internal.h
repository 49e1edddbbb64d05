// What the monsters' builders share: the parts only monsters have, their
// colours and joints, and the finishing of a rig into the battle's content.
// Only the monster files include it.
#pragma once

#include "content/battle.h"
#include "content/figure_parts.h"

#include <functional>
#include <vector>

// A cone from its base centre towards its tip.
Geometry Horn(CVector3 base, CVector3 tip, float radius, int segments = 6);
// A flat membrane: an outline in x-y, given a little thickness along z.
Geometry Membrane(const std::vector<CVector2>& outline, float thickness);
// A new plain-coloured material on the rig; its index.
int32_t Colour(Rig& rig, uint8_t r, uint8_t g, uint8_t b);
// The named joint of a pose of the rig.
JointPose& Joint(const Rig& rig, Pose& pose, const char* name);
// A sine over the idle loop's phase, `cycles` times round.
float Wave(float phase, float cycles = 1.0f);
// The rig with its idle loop and its lunge to the strike.
MonsterContent Finish(const char* name, const Rig& rig, const char* strikePart,
                      const std::function<Pose(float)>& idle, const AttackMoves& moves);

// Facing -z, a positive turn about x swings a hanging limb forward and tips
// an upright body back; bowing forward is negative.

MonsterContent Ogre();
MonsterContent Bat();
MonsterContent Toad();
MonsterContent Behemoth();
MonsterContent Scorpion();
MonsterContent Spike();
MonsterContent Limbus();
