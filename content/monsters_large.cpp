// The four larger monsters: the Behemoth, the Scorpion, Spike and Limbus.
#include "content/monster_kit_internal.h"

#include <cmath>

// --- Behemoth: a great horned beast on four legs ------------------------------

MonsterContent Behemoth() {
    Rig rig;
    const int32_t hide = Colour(rig, 104, 62, 118), mane = Colour(rig, 150, 34, 34),
                  horn = Colour(rig, 232, 222, 190), eye = Colour(rig, 255, 220, 40);
    const int root = AddPart(rig, "Body", -1, {0, 2.1f, 0}, hide,
                             Ball({0, 2.2f, 0.3f}, 1.25f, 6, 10, {1.0f, 0.82f, 1.6f}));
    AddPart(rig, "Mane", root, {0, 2.6f, -0.6f}, mane,
            Ball({0, 2.85f, -0.7f}, 0.95f, 6, 10, {1.15f, 0.9f, 0.95f}));
    Geometry head = Ball({0, 2.45f, -2.05f}, 0.62f, 5, 10, {0.95f, 0.85f, 1.15f});
    Append(head, Block({0, 2.25f, -2.65f}, {0.7f, 0.45f, 0.5f}));
    const int headPart = AddPart(rig, "Head", root, {0, 2.6f, -1.4f}, hide, head);
    Geometry horns;
    for (float x : {0.45f, -0.45f}) {
        Append(horns, Horn({x, 2.8f, -2.1f}, {x * 2.0f, 3.4f, -2.7f}, 0.2f, 6));
        Append(horns, Horn({x * 0.4f, 2.05f, -2.75f}, {x * 0.7f, 2.45f, -3.2f}, 0.09f, 6));
    }
    AddPart(rig, "Horns", headPart, {0, 2.6f, -1.4f}, horn, horns);
    Geometry eyes;
    for (float x : {0.3f, -0.3f}) Append(eyes, Ball({x, 2.62f, -2.55f}, 0.09f, 3, 5));
    AddPart(rig, "Eyes", headPart, {0, 2.6f, -1.4f}, eye, eyes);
    const CVector3 hips[4] = {
        {0.75f, 1.9f, -1.0f}, {-0.75f, 1.9f, -1.0f}, {0.75f, 1.9f, 1.5f}, {-0.75f, 1.9f, 1.5f}};
    const char* legs[4] = {"FrontLeftLeg", "FrontRightLeg", "BackLeftLeg", "BackRightLeg"};
    for (int k = 0; k < 4; ++k) {
        const CVector3 top = hips[k], foot = {top.x * 1.1f, 0.25f, top.z};
        Geometry leg = Limb(foot, top, 0.3f, 0.42f, 8);
        Append(leg, Block({foot.x, 0.12f, foot.z - 0.08f}, {0.62f, 0.24f, 0.7f}));
        AddPart(rig, legs[k], root, top, hide, leg);
    }
    Geometry tail = Limb({0, 2.5f, 2.2f}, {0, 1.6f, 3.3f}, 0.14f, 0.06f, 6);
    Append(tail, Ball({0, 1.5f, 3.4f}, 0.22f, 4, 6));
    AddPart(rig, "Tail", root, {0, 2.5f, 2.2f}, mane, tail);
    auto idle = [&rig](float t) {
        Pose p = RestPose(rig);
        Joint(rig, p, "Body").offset = {0, 0.06f * Wave(t), 0};
        Joint(rig, p, "Mane").offset = {0, 0.05f * Wave(t), 0};
        Joint(rig, p, "Head").rotation = {4 * Wave(t), 5 * Wave(t, 0.5f), 0};
        Joint(rig, p, "Tail").rotation = {8 * Wave(t), 20 * Wave(t, 2.0f), 0};
        // The legs stay planted while the body rises and falls.
        for (const char* leg : {"FrontLeftLeg", "FrontRightLeg", "BackLeftLeg", "BackRightLeg"})
            Joint(rig, p, leg).offset = {0, -0.06f * Wave(t), 0};
        return p;
    };
    AttackMoves moves;
    moves.gait = [&rig](float travel) {
        Pose p = RestPose(rig);
        const float s = Wave(travel, 2.5f);
        Joint(rig, p, "Body").offset = {0, 0.15f * std::fabs(s), 0};
        Joint(rig, p, "FrontLeftLeg").rotation = {25 * s, 0, 0};
        Joint(rig, p, "BackRightLeg").rotation = {25 * s, 0, 0};
        Joint(rig, p, "FrontRightLeg").rotation = {-25 * s, 0, 0};
        Joint(rig, p, "BackLeftLeg").rotation = {-25 * s, 0, 0};
        Joint(rig, p, "Tail").rotation = {30 * std::sin(kPi * travel), 0, 0};
        return p;
    };
    moves.windup = moves.gait(0);
    Joint(rig, moves.windup, "Head").rotation = {18, 0, 0};
    Joint(rig, moves.windup, "Body").rotation = {6, 0, 0};
    Joint(rig, moves.windup, "Body").offset = {0, 0, 0.4f};
    moves.strike = moves.gait(0);
    Joint(rig, moves.strike, "Head").rotation = {-25, 0, 0};
    Joint(rig, moves.strike, "Body").rotation = {-8, 0, 0};
    Joint(rig, moves.strike, "FrontLeftLeg").rotation = {30, 0, 0};
    Joint(rig, moves.strike, "FrontRightLeg").rotation = {30, 0, 0};
    Joint(rig, moves.strike, "BackLeftLeg").rotation = {-25, 0, 0};
    Joint(rig, moves.strike, "BackRightLeg").rotation = {-25, 0, 0};
    return Finish("Behemoth", rig, "Horns", idle, moves);
}

// --- Scorpion: low and long, claws ahead, the sting arched overhead ---------

MonsterContent Scorpion() {
    Rig rig;
    const int32_t shell = Colour(rig, 160, 66, 30), dark = Colour(rig, 88, 36, 20),
                  sting = Colour(rig, 240, 200, 70);
    const int root = AddPart(rig, "Body", -1, {0, 0.6f, 0}, shell,
                             Ball({0, 0.62f, 0.1f}, 0.72f, 6, 10, {0.9f, 0.48f, 1.35f}));
    Geometry head = Ball({0, 0.62f, -0.95f}, 0.42f, 5, 8, {1.1f, 0.6f, 0.8f});
    for (float x : {0.12f, -0.12f}) Append(head, Ball({x, 0.85f, -1.18f}, 0.06f, 3, 4));
    AddPart(rig, "Head", root, {0, 0.6f, -0.75f}, dark, head);
    for (int side = 0; side < 2; ++side) {
        const float x = side == 0 ? 1.0f : -1.0f;
        const CVector3 shoulder = {0.4f * x, 0.55f, -0.9f}, elbow = {0.85f * x, 0.6f, -1.3f},
                       wrist = {0.7f * x, 0.55f, -1.9f};
        Geometry claw = Limb(shoulder, elbow, 0.1f, 0.09f, 6);
        Append(claw, Limb(elbow, wrist, 0.09f, 0.12f, 6));
        Append(claw, Ball(wrist, 0.2f, 3, 6, {0.9f, 0.7f, 1.2f}));
        Append(claw,
               Horn(wrist + CVector3{0.05f * x, 0, -0.1f}, wrist + CVector3{0.12f * x, 0, -0.65f}, 0.09f, 5));
        Append(claw, Horn(wrist + CVector3{-0.08f * x, 0, -0.1f}, wrist + CVector3{-0.15f * x, 0, -0.55f},
                          0.07f, 5));
        AddPart(rig, side == 0 ? "LeftClaw" : "RightClaw", root, shoulder, shell, claw);
    }
    for (int side = 0; side < 2; ++side) {
        const float x = side == 0 ? 1.0f : -1.0f;
        Geometry legs;
        for (int k = 0; k < 4; ++k) {
            const float z = -0.5f + 0.38f * static_cast<float>(k);
            const CVector3 hip = {0.45f * x, 0.6f, z}, knee = {1.05f * x, 0.85f, z + 0.1f * (k - 1.5f)},
                           foot = {1.35f * x, 0.0f, z + 0.25f * (k - 1.5f)};
            Append(legs, Limb(hip, knee, 0.06f, 0.05f, 5));
            Append(legs, Limb(knee, foot, 0.05f, 0.025f, 5));
        }
        AddPart(rig, side == 0 ? "LeftLegs" : "RightLegs", root, {0.45f * x, 0.6f, 0}, dark, legs);
    }
    // The tail: three segments arching up and forward, then the sting.
    const CVector3 points[5] = {
        {0, 0.75f, 0.95f}, {0, 1.35f, 1.55f}, {0, 2.1f, 1.5f}, {0, 2.55f, 0.85f}, {0, 2.2f, 0.25f}};
    const char* names[4] = {"Tail1", "Tail2", "Tail3", "Sting"};
    int parent = root;
    for (int k = 0; k < 4; ++k) {
        Geometry seg;
        if (k < 3) {
            seg = Limb(points[k], points[k + 1], 0.22f - 0.04f * k, 0.19f - 0.04f * k, 6);
            Append(seg, Ball(points[k + 1], 0.2f - 0.04f * k, 3, 6));
        } else {
            seg = Ball(points[3], 0.16f, 3, 6, {1, 1, 1.3f});
            Append(seg, Horn(points[3] + CVector3{0, -0.05f, -0.1f}, points[4], 0.09f, 6));
        }
        parent = AddPart(rig, names[k], parent, points[k], k == 3 ? sting : shell, seg);
    }
    auto idle = [&rig](float t) {
        Pose p = RestPose(rig);
        Joint(rig, p, "Body").offset = {0, 0.03f * Wave(t), 0};
        Joint(rig, p, "Tail1").rotation = {-4 * Wave(t), 4 * Wave(t, 0.5f), 0};
        Joint(rig, p, "Tail2").rotation = {-5 * Wave(t), 0, 0};
        Joint(rig, p, "Sting").rotation = {-8 * Wave(t, 2.0f), 0, 0};
        Joint(rig, p, "LeftClaw").rotation = {0, 8 * Wave(t), 0};
        Joint(rig, p, "RightClaw").rotation = {0, 8 * Wave(t), 0};
        return p;
    };
    AttackMoves moves;
    moves.gait = [&rig](float travel) {
        Pose p = RestPose(rig);
        const float s = Wave(travel, 6.0f);
        Joint(rig, p, "LeftLegs").rotation = {0, 10 * s, 6 * s};
        Joint(rig, p, "RightLegs").rotation = {0, 10 * s, 6 * s};
        Joint(rig, p, "Body").offset = {0, 0.03f * std::fabs(s), 0};
        Joint(rig, p, "Body").rotation = {0, 4 * s, 0};
        return p;
    };
    moves.windup = moves.gait(0);
    Joint(rig, moves.windup, "Tail1").rotation = {22, 0, 0};
    Joint(rig, moves.windup, "Tail2").rotation = {15, 0, 0};
    Joint(rig, moves.windup, "LeftClaw").rotation = {0, -20, 0};
    Joint(rig, moves.windup, "RightClaw").rotation = {0, 20, 0};
    moves.strike = moves.gait(0);
    Joint(rig, moves.strike, "Tail1").rotation = {-25, 0, 0};
    Joint(rig, moves.strike, "Tail2").rotation = {-20, 0, 0};
    Joint(rig, moves.strike, "Tail3").rotation = {-25, 0, 0};
    Joint(rig, moves.strike, "Sting").rotation = {-10, 0, 0};
    Joint(rig, moves.strike, "Body").rotation = {-6, 0, 0};
    // The claws close on the hero while the sting comes over.
    Joint(rig, moves.strike, "LeftClaw").rotation = {8, -12, 0};
    Joint(rig, moves.strike, "RightClaw").rotation = {8, 12, 0};
    return Finish("Scorpion", rig, "RightClaw", idle, moves);
}

// --- Spike: a bristling ball on stubby feet with one staring eye -------------

MonsterContent Spike() {
    Rig rig;
    const int32_t body = Colour(rig, 70, 96, 130), spine = Colour(rig, 232, 206, 130),
                  white = Colour(rig, 240, 240, 230), pupil = Colour(rig, 180, 20, 20),
                  foot = Colour(rig, 50, 60, 80);
    const CVector3 centre = {0, 1.05f, 0};
    const float r = 0.72f;
    const int root = AddPart(rig, "Body", -1, centre, body, Ball(centre, r, 6, 10));
    // Spines spread evenly over the ball (a golden-angle spiral), nine per object.
    Geometry spines[4];
    const int total = 36;
    for (int k = 0; k < total; ++k) {
        const float y = 1 - 2 * (static_cast<float>(k) + 0.5f) / total;
        const float ring = std::sqrt(std::max(0.0f, 1 - y * y)), a = 2.39996f * static_cast<float>(k);
        const CVector3 d = {ring * std::cos(a), y, ring * std::sin(a)};
        if (d.y < -0.75f || (d.z < -0.75f && std::fabs(d.y) < 0.45f))
            continue; // none underfoot or over the eye
        Append(spines[k % 4], Limb(centre + d * (r * 0.85f), centre + d * (r + 0.55f), 0.09f, 0.0f, 4));
    }
    for (int k = 0; k < 4; ++k)
        AddPart(rig, "Spines" + std::to_string(k + 1), root, centre, spine, spines[k]);
    const int eye = AddPart(rig, "Eye", root, centre, white,
                            Ball(centre + CVector3{0, 0.1f, -0.56f}, 0.3f, 5, 8, {1, 1, 0.6f}));
    AddPart(rig, "Pupil", eye, centre, pupil,
            Ball(centre + CVector3{0, 0.1f, -0.74f}, 0.12f, 3, 6, {1, 1.2f, 0.5f}));
    AddPart(rig, "Horn", root, centre, spine,
            Horn(centre + CVector3{0, -0.3f, -0.6f}, centre + CVector3{0, -0.35f, -1.45f}, 0.16f, 6));
    for (int side = 0; side < 2; ++side) {
        const float x = side == 0 ? 0.35f : -0.35f;
        Geometry leg = Limb({x, 0.12f, 0}, {x, 0.55f, 0}, 0.12f, 0.14f, 6);
        Append(leg, Block({x, 0.08f, -0.1f}, {0.3f, 0.16f, 0.45f}));
        AddPart(rig, side == 0 ? "LeftFoot" : "RightFoot", root, {x, 0.5f, 0}, foot, leg);
    }
    auto idle = [&rig](float t) {
        Pose p = RestPose(rig);
        const float bounce = 0.5f - 0.5f * std::cos(4 * kPi * t);
        Joint(rig, p, "Body").offset = {0, 0.12f * bounce, 0};
        Joint(rig, p, "Body").rotation = {0, 10 * Wave(t), 0};
        // The feet stay on the ground under the bouncing ball.
        Joint(rig, p, "LeftFoot").offset = {0, -0.12f * bounce, 0};
        Joint(rig, p, "RightFoot").offset = {0, -0.12f * bounce, 0};
        Joint(rig, p, "Pupil").offset = {0.05f * Wave(t), 0, 0};
        // The spines bristle as it breathes.
        for (int k = 0; k < 4; ++k)
            Joint(rig, p, ("Spines" + std::to_string(k + 1)).c_str()).rotation = {0, 6 * Wave(t + 0.25f * k),
                                                                                  0};
        return p;
    };
    AttackMoves moves;
    moves.gait = [&rig](float travel) {
        Pose p = RestPose(rig);
        const float s = Wave(travel, 4.0f);
        Joint(rig, p, "Body").offset = {0, 0.35f * std::fabs(s), 0};
        Joint(rig, p, "LeftFoot").rotation = {35 * s, 0, 0};
        Joint(rig, p, "RightFoot").rotation = {-35 * s, 0, 0};
        return p;
    };
    moves.windup = moves.gait(0);
    Joint(rig, moves.windup, "Body").rotation = {20, 0, 0};
    Joint(rig, moves.windup, "Body").offset = {0, 0.3f, 0.2f};
    moves.strike = moves.gait(0);
    Joint(rig, moves.strike, "Body").rotation = {-25, 0, 0};
    Joint(rig, moves.strike, "Body").offset = {0, 0.15f, 0};
    Joint(rig, moves.strike, "LeftFoot").rotation = {-30, 0, 0};
    Joint(rig, moves.strike, "RightFoot").rotation = {20, 0, 0};
    return Finish("Spike", rig, "Horn", idle, moves);
}

// --- Limbus: the demon at the end, horned and winged, twice the hero's height

MonsterContent Limbus() {
    Rig rig;
    const int32_t skin = Colour(rig, 150, 30, 42), armour = Colour(rig, 52, 34, 62),
                  gold = Colour(rig, 222, 182, 62), glow = Colour(rig, 255, 240, 130),
                  wing = Colour(rig, 70, 20, 40);
    const int root =
        AddPart(rig, "Pelvis", -1, {0, 2.6f, 0}, armour, Ball({0, 2.6f, 0}, 0.8f, 6, 10, {1.2f, 0.7f, 0.9f}));
    const int torso = AddPart(rig, "Torso", root, {0, 3.0f, 0}, skin,
                              Ball({0, 3.95f, 0}, 1.1f, 6, 10, {1.3f, 1.05f, 0.82f}));
    Geometry head = Ball({0, 5.35f, -0.25f}, 0.55f, 6, 10, {0.9f, 1.1f, 1.0f});
    const int headPart = AddPart(rig, "Head", torso, {0, 4.85f, 0}, skin, head);
    Geometry horns;
    for (float x : {0.35f, -0.35f}) {
        Append(horns, Horn({x, 5.7f, -0.2f}, {x * 3.2f, 6.6f, 0.1f}, 0.18f, 6));
        Append(horns, Horn({x * 0.5f, 5.85f, -0.45f}, {x * 0.9f, 6.35f, -0.7f}, 0.1f, 6));
    }
    AddPart(rig, "Horns", headPart, {0, 4.85f, 0}, gold, horns);
    Geometry eyes;
    for (float x : {0.2f, -0.2f}) Append(eyes, Ball({x, 5.42f, -0.74f}, 0.09f, 3, 5, {1.4f, 0.7f, 0.6f}));
    AddPart(rig, "Eyes", headPart, {0, 4.85f, 0}, glow, eyes);
    for (int side = 0; side < 2; ++side) {
        const float x = side == 0 ? 1.0f : -1.0f;
        const std::string name = side == 0 ? "Left" : "Right";
        const CVector3 shoulder = {1.45f * x, 4.5f, 0}, elbow = {1.75f * x, 3.3f, -0.1f},
                       hand = {1.8f * x, 2.2f, -0.35f};
        Geometry upper = Limb(shoulder, elbow, 0.38f, 0.3f, 8);
        Append(upper, Ball(shoulder, 0.48f, 4, 6));
        const int up = AddPart(rig, name + "UpperArm", torso, shoulder, armour, upper);
        Geometry fore = Limb(elbow, hand, 0.3f, 0.24f, 8);
        for (int k = 0; k < 3; ++k) {
            const float spread = 0.14f * static_cast<float>(k - 1);
            Append(fore, Horn(hand + CVector3{spread, 0, -0.05f},
                              hand + CVector3{spread * 2.0f, -0.55f, -0.45f}, 0.08f, 4));
        }
        AddPart(rig, name + "Forearm", up, elbow, skin, fore);
        std::vector<CVector2> outline = {{0.4f, 0.0f},  {1.6f, 1.5f},  {3.4f, 2.3f},  {3.1f, 0.9f},
                                         {2.7f, -0.6f}, {2.1f, -0.1f}, {1.5f, -0.9f}, {1.0f, -0.3f}};
        for (CVector2& p : outline) p.u *= x;
        AddPart(rig, name + "Wing", torso, {0.5f * x, 4.4f, 0.6f}, wing,
                Transformed(Membrane(outline, 0.08f), Translation({0, 4.4f, 0.75f}) * RotationY(-25.0f * x)));
    }
    for (int side = 0; side < 2; ++side) {
        const float x = side == 0 ? 0.55f : -0.55f;
        Geometry leg = Limb({x * 1.2f, 0.25f, 0}, {x, 2.5f, 0}, 0.32f, 0.45f, 8);
        Append(leg, Block({x * 1.2f, 0.13f, -0.2f}, {0.6f, 0.26f, 0.9f}));
        AddPart(rig, side == 0 ? "LeftLeg" : "RightLeg", root, {x, 2.5f, 0}, armour, leg);
    }
    Geometry tail = Limb({0, 2.4f, 0.6f}, {0, 1.0f, 2.0f}, 0.2f, 0.08f, 6);
    Append(tail, Horn({0, 1.0f, 2.0f}, {0, 0.5f, 2.7f}, 0.16f, 4));
    AddPart(rig, "Tail", root, {0, 2.4f, 0.6f}, skin, tail);
    auto idle = [&rig](float t) {
        Pose p = RestPose(rig);
        Joint(rig, p, "Torso").offset = {0, 0.08f * Wave(t), 0};
        Joint(rig, p, "Torso").rotation = {2 * Wave(t), 0, 0};
        Joint(rig, p, "LeftWing").rotation = {0, 12 * Wave(t), 8 * Wave(t)};
        Joint(rig, p, "RightWing").rotation = {0, -12 * Wave(t), -8 * Wave(t)};
        Joint(rig, p, "LeftUpperArm").rotation = {4 * Wave(t), 0, 5};
        Joint(rig, p, "RightUpperArm").rotation = {-4 * Wave(t), 0, -5};
        Joint(rig, p, "Head").rotation = {-3 * Wave(t), 6 * Wave(t, 0.5f), 0};
        Joint(rig, p, "Tail").rotation = {0, 15 * Wave(t), 0};
        return p;
    };
    AttackMoves moves;
    moves.gait = [&rig](float travel) {
        Pose p = RestPose(rig);
        const float s = Wave(travel, 2.0f);
        Joint(rig, p, "Pelvis").offset = {0, 0.2f * std::fabs(s), 0};
        Joint(rig, p, "LeftLeg").rotation = {28 * s, 0, 0};
        Joint(rig, p, "RightLeg").rotation = {-28 * s, 0, 0};
        Joint(rig, p, "LeftWing").rotation = {0, 25 * std::sin(kPi * travel), 20 * s};
        Joint(rig, p, "RightWing").rotation = {0, -25 * std::sin(kPi * travel), -20 * s};
        return p;
    };
    moves.windup = moves.gait(0);
    Joint(rig, moves.windup, "RightUpperArm").rotation = {-140, 0, -20};
    Joint(rig, moves.windup, "RightForearm").rotation = {-40, 0, 0};
    Joint(rig, moves.windup, "Torso").rotation = {10, 15, 0};
    Joint(rig, moves.windup, "LeftWing").rotation = {0, 30, 30};
    Joint(rig, moves.windup, "RightWing").rotation = {0, -30, -30};
    moves.strike = moves.gait(0);
    // Bent low over the hero, the claw sweeping down on him.
    Joint(rig, moves.strike, "RightUpperArm").rotation = {45, 0, 12};
    Joint(rig, moves.strike, "RightForearm").rotation = {25, 0, 0};
    Joint(rig, moves.strike, "Torso").rotation = {-32, -15, 0};
    Joint(rig, moves.strike, "Head").rotation = {10, 0, 0};
    Joint(rig, moves.strike, "LeftLeg").rotation = {25, 0, 0};
    Joint(rig, moves.strike, "RightLeg").rotation = {-15, 0, 0};
    return Finish("Limbus", rig, "RightForearm", idle, moves);
}
