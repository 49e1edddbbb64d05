// The battle's effects: the explosion of the fury skill, the ice that forms
// round a monster and shatters, the two pentagrams, the Kintos creature and
// its falling rocks, the hero's leap for the fury skill, and the camera
// flights of all of them.
#pragma once

#include "content/anim.h"
#include "content/image.h"
#include "content/mesh.h"
#include "content/output.h"

#include <string>
#include <vector>

constexpr int kEffectFrames = 35; // frames 0..34, the most an animation holds
constexpr int kFuryPauseFrame = 17;

Mesh BuildExplosionMesh();
Mesh BuildPentagramMesh(uint8_t red, uint8_t green, uint8_t blue);
// Frame f of the ice forming (to 17) and shattering (to 34).
Mesh IceCrushFrame(int frame);
Rig BuildKintosRig();
// Frame f of Kintos rising out of the ground, arms raised at the end.
Pose KintosPose(const Rig& rig, int frame);
// Frame f of a rock falling from high above, breaking and sinking away.
Mesh RockFrame(int frame);
// Frame f of the hero's fury leap, with his hips carried forward along +z.
Pose HeroFuryPose(const Rig& hero, int frame);
Image PaintFlame();

// The models, animations, texture and camera flights, written into the data.
void BuildEffects(DataWriter& w);
// The camera scripts alone, as the game names them and their text.
struct ScriptFile {
    std::string gamePath;
    std::string text;
};
std::vector<ScriptFile> BuildEffectScripts();
