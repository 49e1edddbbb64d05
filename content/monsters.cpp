// The seven monsters. Each is a rig of plain-coloured parts standing on its
// origin and facing -z, towards the hero; sizes follow their strength, from
// the Bat to Limbus, and every silhouette differs: a club-swinging brute, a
// flapping bat, a squat toad, a horned beast, a scorpion, a ball of spikes
// and a winged demon.
//
// Here: the kit they are built from and the lunge every one attacks with;
// the monsters themselves are in monsters_small.cpp and monsters_large.cpp.
#include "content/monster_kit_internal.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

std::vector<Pose> IdleFrames(const std::function<Pose(float)>& idle) {
    std::vector<Pose> out;
    for (int f = 0; f < kIdleFrames; ++f) out.push_back(idle(static_cast<float>(f) / kIdleFrames));
    return out;
}

} // namespace

Geometry Horn(CVector3 base, CVector3 tip, float radius, int segments) {
    return Limb(base, tip, radius, 0.0f, segments, true);
}

Geometry Membrane(const std::vector<CVector2>& outline, float thickness) {
    Geometry g = MakeExtrusion(outline, -thickness * 0.5f, thickness * 0.5f);
    // The extrusion's second axis (z) becomes height.
    Transform(g, RotationX(-90.0f));
    return g;
}

int32_t Colour(Rig& rig, uint8_t r, uint8_t g, uint8_t b) {
    rig.materials.push_back({"", r, g, b});
    return static_cast<int32_t>(rig.materials.size() - 1);
}

JointPose& Joint(const Rig& rig, Pose& pose, const char* name) {
    return NamedJoint(rig, pose, name);
}

float Wave(float phase, float cycles) {
    return std::sin(2 * kPi * cycles * phase);
}

MonsterContent Finish(const char* name, const Rig& rig, const char* strikePart,
                      const std::function<Pose(float)>& idle, const AttackMoves& moves) {
    MonsterContent m;
    m.name = name;
    m.strikePart = strikePart;
    m.idle = IdleFrames(idle);
    m.attack = LungeFrames(rig, moves, strikePart, kMonsterStrikeZ);
    m.rig = rig;
    return m;
}

std::vector<Pose> LungeFrames(const Rig& rig, const AttackMoves& moves, const std::string& strikePart,
                              float reachZ) {
    // How far the root must travel for the striking part to land on reachZ.
    const int part = FindPart(rig, strikePart);
    const float dir = reachZ < 0 ? -1.0f : 1.0f;
    float farthest = 0;
    if (part >= 0) {
        Mesh posed = PosedMesh(rig, moves.strike);
        farthest = -1e9f;
        for (const MeshVertex& v : posed.objects[static_cast<size_t>(part)].geometry.vertices)
            farthest = std::max(farthest, v.position.z * dir);
    }
    const float run = std::fabs(reachZ) - farthest;
    std::vector<Pose> frames;
    for (int f = 0; f < kAttackFrames; ++f) {
        const float t = static_cast<float>(f) / (kAttackFrames - 1);
        const float travel = Ease(std::min(t / 0.85f, 1.0f));
        Pose p = moves.gait(travel);
        p = BlendPoses(p, moves.windup, Ease((t - 0.45f) / 0.35f));
        p = BlendPoses(p, moves.strike, Ease((t - 0.8f) / 0.2f));
        if (f == kAttackFrames - 1) p = moves.strike;
        if (!p.joints.empty()) p.joints[0].offset.z += dir * run * travel;
        frames.push_back(p);
    }
    return frames;
}

std::vector<MonsterContent> BuildMonsters() {
    std::vector<MonsterContent> out;
    out.push_back(Ogre());
    out.push_back(Bat());
    out.push_back(Toad());
    out.push_back(Behemoth());
    out.push_back(Scorpion());
    out.push_back(Spike());
    out.push_back(Limbus());
    return out;
}
