// The hero's battle poses on his field rig: a sword-ready stance, the running
// lunge that ends on a strike, the raised hand of an item, and the victory.
#include "content/battle.h"

#include <algorithm>
#include <cmath>

namespace {

struct Posing {
    const Rig& rig;
    Pose pose;
    JointPose& operator[](const char* name) { return NamedJoint(rig, pose, name); }
};

Pose Stance(const Rig& rig, float breath) {
    Posing p{rig, RestPose(rig)};
    p["Pelvis"].offset = {0, -0.05f + 0.02f * breath, 0};
    p["Pelvis"].rotation = {0, -12, 0};
    p["Torso"].rotation = {6 + 3 * breath, 8, 0};
    p["Head"].rotation = {-4 - breath, 6, 0};
    // Left foot ahead, knees soft.
    p["LeftThigh"].rotation = {-22, 0, 6};
    p["LeftShin"].rotation = {24, 0, 0};
    p["RightThigh"].rotation = {14, 0, -8};
    p["RightShin"].rotation = {18, 0, 0};
    // Sword held before him, point up; the free hand guards.
    p["RightUpperArm"].rotation = {-40 - 3 * breath, 0, -14};
    p["RightForearm"].rotation = {-55, 0, 0};
    p["LeftUpperArm"].rotation = {-25 + 3 * breath, 0, 16};
    p["LeftForearm"].rotation = {-70, 0, 0};
    return p.pose;
}

} // namespace

HeroBattleContent BuildHeroBattlePoses(const Rig& rig) {
    HeroBattleContent out;
    for (int f = 0; f < kIdleFrames; ++f)
        out.stance.push_back(Stance(rig, std::sin(2 * kPi * static_cast<float>(f) / kIdleFrames)));

    const Pose stance = Stance(rig, 0);
    AttackMoves moves;
    moves.gait = [&rig, stance](float travel) {
        Posing p{rig, stance};
        // Strides grow from the stance as he gets going and fade as he arrives.
        const float amount = std::min(1.0f, travel * 6.0f) * std::min(1.0f, (1 - travel) * 4.0f + 0.3f);
        const float s = std::sin(2 * kPi * 2.5f * travel) * amount, c = std::cos(2 * kPi * 2.5f * travel);
        p["LeftThigh"].rotation = Lerp(p["LeftThigh"].rotation, {-38 * s, 0, 0}, amount);
        p["RightThigh"].rotation = Lerp(p["RightThigh"].rotation, {38 * s, 0, 0}, amount);
        p["LeftShin"].rotation = Lerp(p["LeftShin"].rotation, {20 + 45 * std::max(0.0f, c), 0, 0}, amount);
        p["RightShin"].rotation = Lerp(p["RightShin"].rotation, {20 + 45 * std::max(0.0f, -c), 0, 0}, amount);
        p["Pelvis"].offset.y += 0.05f * std::fabs(s);
        p["Torso"].rotation.x += 10 * amount;
        p["LeftUpperArm"].rotation.x += 30 * s;
        return p.pose;
    };
    Posing windup{rig, stance};
    windup["RightUpperArm"].rotation = {-165, 0, -18};
    windup["RightForearm"].rotation = {-35, 0, 0};
    windup["Torso"].rotation = {-4, 22, 0};
    windup["Head"].rotation = {-6, -10, 0};
    windup["LeftUpperArm"].rotation = {-50, 0, 25};
    moves.windup = windup.pose;
    Posing strike{rig, stance};
    strike["RightUpperArm"].rotation = {-80, 0, 4};
    strike["RightForearm"].rotation = {-8, 0, 0};
    strike["Torso"].rotation = {16, -22, 0};
    strike["Pelvis"].offset = {0, -0.12f, 0};
    strike["LeftThigh"].rotation = {-45, 0, 4};
    strike["LeftShin"].rotation = {40, 0, 0};
    strike["RightThigh"].rotation = {28, 0, -6};
    strike["RightShin"].rotation = {12, 0, 0};
    strike["LeftUpperArm"].rotation = {20, 0, 30};
    strike["LeftForearm"].rotation = {-30, 0, 0};
    moves.strike = strike.pose;
    out.attack = LungeFrames(rig, moves, "SwordBlade", kHeroStrikeZ);

    // The item is held up in the free hand; the battle plays it out and back.
    Posing raise{rig, stance};
    raise["LeftUpperArm"].rotation = {-150, 0, 12};
    raise["LeftForearm"].rotation = {-25, 0, 0};
    raise["Head"].rotation = {-18, 0, 0};
    raise["Torso"].rotation = {-4, 0, 0};
    const int itemFrames = 20;
    for (int f = 0; f < itemFrames; ++f)
        out.useItem.push_back(BlendPoses(stance, raise.pose, Ease(static_cast<float>(f) / (itemFrames - 1))));

    // Sword thrust to the sky, free fist on the hip; held on the last frame.
    Posing won{rig, RestPose(rig)};
    won["RightUpperArm"].rotation = {-172, 0, -24};
    won["RightForearm"].rotation = {-12, 0, 0};
    won["LeftUpperArm"].rotation = {10, 0, 42};
    won["LeftForearm"].rotation = {-95, 0, 0};
    won["Torso"].rotation = {-8, 0, 0};
    won["Head"].rotation = {-14, 0, 0};
    won["LeftThigh"].rotation = {0, 0, 8};
    won["RightThigh"].rotation = {0, 0, -8};
    const int wonFrames = 30;
    for (int f = 0; f < wonFrames; ++f) {
        const float t = Ease(static_cast<float>(f) / 22.0f);
        Pose p = BlendPoses(stance, won.pose, t);
        // A small hop as the sword goes up.
        if (!p.joints.empty()) p.joints[0].offset.y += 0.12f * std::sin(kPi * std::min(1.0f, f / 22.0f));
        out.won.push_back(p);
    }
    return out;
}
