// The three smaller monsters: the Ogre, the Bat and the Toad.
#include "content/monster_kit_internal.h"

#include <cmath>

// --- Ogre: a green brute with a belly, tusks and a club ----------------------

MonsterContent Ogre() {
    Rig rig;
    const int32_t skin = Colour(rig, 112, 150, 72), bone = Colour(rig, 235, 225, 190),
                  hide = Colour(rig, 120, 80, 45), wood = Colour(rig, 95, 62, 35);
    const int root =
        AddPart(rig, "Belly", -1, {0, 1.1f, 0}, skin, Ball({0, 1.2f, 0}, 0.55f, 6, 10, {1, 0.95f, 0.9f}));
    const int chest = AddPart(rig, "Chest", root, {0, 1.45f, 0}, skin,
                              Ball({0, 1.75f, 0.05f}, 0.5f, 6, 10, {1.3f, 0.8f, 0.85f}));
    Geometry head = Ball({0, 2.2f, -0.22f}, 0.3f, 5, 8, {1.0f, 0.95f, 1.0f});
    Append(head, Block({0, 2.08f, -0.45f}, {0.34f, 0.14f, 0.16f})); // the jutting jaw
    const int headPart = AddPart(rig, "Head", chest, {0, 2.0f, -0.1f}, skin, head);
    Geometry tusks;
    for (float x : {0.12f, -0.12f}) {
        Append(tusks, Horn({x, 2.1f, -0.5f}, {x * 1.3f, 2.35f, -0.6f}, 0.05f));
        Append(tusks, Horn({x * 1.6f, 2.42f, -0.3f}, {x * 2.4f, 2.7f, -0.35f}, 0.06f));
    }
    AddPart(rig, "Tusks", headPart, {0, 2.0f, -0.1f}, bone, tusks);
    AddPart(rig, "Loincloth", root, {0, 0.9f, 0}, hide,
            Transformed(MakeCylinder(0.58f, 0.5f, 0.38f, 10, false), Translation({0, 0.62f, 0})));
    for (int side = 0; side < 2; ++side) {
        const float x = side == 0 ? 0.78f : -0.78f;
        const std::string name = side == 0 ? "Left" : "Right";
        Geometry upper = Limb({x, 1.95f, 0}, {x * 1.08f, 1.35f, 0}, 0.2f, 0.17f, 8);
        Append(upper, Ball({x, 1.95f, 0}, 0.22f, 4, 6));
        const int shoulder = AddPart(rig, name + "UpperArm", chest, {x, 1.95f, 0}, skin, upper);
        Geometry fore = Limb({x * 1.08f, 1.35f, 0}, {x * 1.1f, 0.85f, -0.05f}, 0.16f, 0.14f, 8);
        Append(fore, Ball({x * 1.1f, 0.78f, -0.06f}, 0.17f, 4, 6));
        const int elbow = AddPart(rig, name + "Forearm", shoulder, {x * 1.08f, 1.35f, 0}, skin, fore);
        if (side == 1) {
            // Held forward and up, ready to come down on the hero.
            const CVector3 grip = {x * 1.1f, 0.78f, -0.06f};
            Geometry club = Limb(grip - CVector3{0, 0.12f, -0.1f}, grip + CVector3{0, 0.7f, -0.9f}, 0.05f,
                                 0.17f, 8, true);
            Append(club, Ball(grip + CVector3{0, 0.72f, -0.92f}, 0.2f, 4, 6));
            AddPart(rig, "Club", elbow, grip, wood, club);
        }
    }
    for (int side = 0; side < 2; ++side) {
        const float x = side == 0 ? 0.32f : -0.32f;
        Geometry leg = Limb({x, 0.1f, 0}, {x, 0.85f, 0}, 0.22f, 0.26f, 8);
        Append(leg, Block({x, 0.07f, -0.1f}, {0.36f, 0.14f, 0.5f}));
        AddPart(rig, side == 0 ? "LeftLeg" : "RightLeg", root, {x, 0.85f, 0}, skin, leg);
    }
    auto idle = [&rig](float t) {
        Pose p = RestPose(rig);
        Joint(rig, p, "Belly").offset = {0, 0.04f * Wave(t), 0};
        Joint(rig, p, "Chest").rotation = {2.5f * Wave(t), 0, 0};
        Joint(rig, p, "Head").rotation = {-4.0f * Wave(t), 4.0f * Wave(t, 0.5f), 0};
        Joint(rig, p, "LeftUpperArm").rotation = {0, 0, 4.0f + 3.0f * Wave(t)};
        Joint(rig, p, "RightUpperArm").rotation = {5.0f * Wave(t), 0, -4.0f};
        return p;
    };
    AttackMoves moves;
    moves.gait = [&rig](float travel) {
        Pose p = RestPose(rig);
        const float s = Wave(travel, 3.0f), lift = std::fabs(Wave(travel, 3.0f));
        Joint(rig, p, "Belly").offset = {0, 0.12f * lift, 0};
        Joint(rig, p, "Belly").rotation = {0, 8 * s, 0};
        Joint(rig, p, "LeftLeg").rotation = {30 * s, 0, 0};
        Joint(rig, p, "RightLeg").rotation = {-30 * s, 0, 0};
        Joint(rig, p, "LeftUpperArm").rotation = {-20 * s, 0, 6};
        return p;
    };
    moves.windup = moves.gait(0);
    Joint(rig, moves.windup, "RightUpperArm").rotation = {-150, 0, -10};
    Joint(rig, moves.windup, "RightForearm").rotation = {30, 0, 0};
    Joint(rig, moves.windup, "Chest").rotation = {12, 12, 0};
    Joint(rig, moves.windup, "Head").rotation = {-10, 0, 0};
    moves.strike = moves.gait(0);
    // The elbow bent to bring the club down on him, not level.
    Joint(rig, moves.strike, "RightUpperArm").rotation = {55, 0, 8};
    Joint(rig, moves.strike, "RightForearm").rotation = {75, 0, 0};
    Joint(rig, moves.strike, "Chest").rotation = {-18, -10, 0};
    Joint(rig, moves.strike, "LeftLeg").rotation = {25, 0, 0};
    Joint(rig, moves.strike, "RightLeg").rotation = {-15, 0, 0};
    return Finish("Ogre", rig, "Club", idle, moves);
}

// --- Bat: a small flier with wide scalloped wings -----------------------------

MonsterContent Bat() {
    Rig rig;
    const int32_t fur = Colour(rig, 98, 62, 96), wing = Colour(rig, 60, 38, 74),
                  tooth = Colour(rig, 245, 240, 230), eye = Colour(rig, 255, 50, 30);
    const float h = 1.7f;
    const int root = AddPart(rig, "Body", -1, {0, h, 0}, fur, Ball({0, h, 0}, 0.32f, 5, 8, {1, 1.15f, 0.9f}));
    Geometry head = Ball({0, h + 0.33f, -0.18f}, 0.22f, 5, 8);
    for (float x : {0.12f, -0.12f})
        Append(head, Horn({x, h + 0.46f, -0.16f}, {x * 1.9f, h + 0.8f, -0.1f}, 0.08f, 4));
    const int headPart = AddPart(rig, "Head", root, {0, h + 0.2f, -0.1f}, fur, head);
    Geometry fangs;
    for (float x : {0.06f, -0.06f})
        Append(fangs, Horn({x, h + 0.25f, -0.36f}, {x, h + 0.1f, -0.4f}, 0.03f, 4));
    AddPart(rig, "Fangs", headPart, {0, h + 0.2f, -0.1f}, tooth, fangs);
    Geometry eyes;
    for (float x : {0.09f, -0.09f}) Append(eyes, Ball({x, h + 0.38f, -0.37f}, 0.05f, 3, 5));
    AddPart(rig, "Eyes", headPart, {0, h + 0.2f, -0.1f}, eye, eyes);
    for (int side = 0; side < 2; ++side) {
        const float s = side == 0 ? 1.0f : -1.0f;
        std::vector<CVector2> outline = {{0.15f, 0.22f},  {0.7f, 0.45f},   {1.35f, 0.55f},
                                         {1.2f, 0.05f},   {1.0f, -0.4f},   {0.78f, -0.18f},
                                         {0.55f, -0.45f}, {0.35f, -0.15f}, {0.15f, -0.25f}};
        for (CVector2& p : outline) p.u *= s;
        AddPart(rig, side == 0 ? "LeftWing" : "RightWing", root, {0.15f * s, h + 0.1f, 0}, wing,
                Transformed(Membrane(outline, 0.04f), Translation({0, h + 0.1f, 0.05f})));
    }
    Geometry feet;
    for (float x : {0.1f, -0.1f})
        Append(feet, Limb({x, h - 0.25f, 0.05f}, {x, h - 0.5f, 0.1f}, 0.04f, 0.02f, 5));
    AddPart(rig, "Feet", root, {0, h - 0.25f, 0}, wing, feet);
    auto flap = [&rig](Pose& p, float beat) {
        Joint(rig, p, "LeftWing").rotation = {0, 10 * beat, 40 * beat};
        Joint(rig, p, "RightWing").rotation = {0, -10 * beat, -40 * beat};
    };
    auto idle = [&rig, flap](float t) {
        Pose p = RestPose(rig);
        flap(p, Wave(t, 2.0f));
        Joint(rig, p, "Body").offset = {0, -0.12f * Wave(t, 2.0f), 0};
        Joint(rig, p, "Head").rotation = {0, 10 * Wave(t), 0};
        return p;
    };
    AttackMoves moves;
    moves.gait = [&rig, flap](float travel) {
        Pose p = RestPose(rig);
        flap(p, Wave(travel, 4.0f));
        Joint(rig, p, "Body").offset = {0, 0.3f * std::sin(kPi * travel) - 0.1f * Wave(travel, 4.0f), 0};
        Joint(rig, p, "Body").rotation = {-15 * std::sin(kPi * travel), 0, 0};
        return p;
    };
    moves.windup = moves.gait(0);
    flap(moves.windup, 1.0f);
    Joint(rig, moves.windup, "Body").offset = {0, 0.4f, 0};
    Joint(rig, moves.windup, "Head").rotation = {25, 0, 0};
    moves.strike = moves.gait(0);
    flap(moves.strike, -0.8f);
    Joint(rig, moves.strike, "Body").offset = {0, -0.5f, 0};
    Joint(rig, moves.strike, "Body").rotation = {-35, 0, 0};
    Joint(rig, moves.strike, "Head").rotation = {-20, 0, 0};
    return Finish("Bat", rig, "Fangs", idle, moves);
}

// --- Toad: squat and wide, goggle eyes, a tongue that shoots out --------------

MonsterContent Toad() {
    Rig rig;
    const int32_t back = Colour(rig, 112, 150, 52), belly = Colour(rig, 214, 204, 120),
                  eye = Colour(rig, 250, 214, 60), pupil = Colour(rig, 20, 16, 12),
                  tongue = Colour(rig, 228, 92, 118);
    const int root = AddPart(rig, "Body", -1, {0, 0.55f, 0}, back,
                             Ball({0, 0.62f, 0.1f}, 0.8f, 6, 10, {1.3f, 0.72f, 1.1f}));
    AddPart(rig, "Belly", root, {0, 0.45f, -0.3f}, belly,
            Ball({0, 0.45f, -0.35f}, 0.6f, 5, 8, {1.25f, 0.62f, 0.95f}));
    const int head = AddPart(rig, "Head", root, {0, 0.8f, -0.35f}, back,
                             Ball({0, 0.92f, -0.6f}, 0.55f, 6, 10, {1.3f, 0.6f, 1.0f}));
    Geometry eyes;
    for (float x : {0.4f, -0.4f}) Append(eyes, Ball({x, 1.28f, -0.72f}, 0.19f, 4, 6));
    const int eyePart = AddPart(rig, "Eyes", head, {0, 0.8f, -0.35f}, eye, eyes);
    Geometry pupils;
    for (float x : {0.42f, -0.42f}) Append(pupils, Ball({x, 1.3f, -0.89f}, 0.07f, 3, 4, {1, 1.4f, 0.5f}));
    AddPart(rig, "Pupils", eyePart, {0, 0.8f, -0.35f}, pupil, pupils);
    // Coiled inside the mouth until it strikes.
    Geometry t = Limb({0, 0.86f, -0.3f}, {0, 0.86f, -0.85f}, 0.08f, 0.07f, 6);
    Append(t, Ball({0, 0.86f, -0.9f}, 0.11f, 3, 6));
    AddPart(rig, "Tongue", head, {0, 0.86f, -0.3f}, tongue, t);
    Geometry front;
    for (float x : {0.55f, -0.55f}) {
        Append(front, Limb({x, 0.55f, -0.6f}, {x * 1.15f, 0.05f, -0.85f}, 0.1f, 0.08f, 5));
        Append(front, Block({x * 1.15f, 0.03f, -0.95f}, {0.3f, 0.06f, 0.3f}));
    }
    AddPart(rig, "FrontLegs", root, {0, 0.5f, -0.6f}, back, front);
    for (int side = 0; side < 2; ++side) {
        const float x = side == 0 ? 0.95f : -0.95f;
        Geometry haunch = Ball({x, 0.38f, 0.35f}, 0.42f, 5, 8, {0.7f, 0.85f, 1.2f});
        Append(haunch, Block({x * 1.05f, 0.03f, -0.05f}, {0.34f, 0.06f, 0.5f}));
        AddPart(rig, side == 0 ? "LeftHaunch" : "RightHaunch", root, {x, 0.5f, 0.3f}, back, haunch);
    }
    auto idle = [&rig](float t) {
        Pose p = RestPose(rig);
        // The throat swells and the body breathes.
        Joint(rig, p, "Belly").offset = {0, -0.03f * Wave(t, 2.0f),
                                         -0.06f * (0.5f - 0.5f * std::cos(4 * kPi * t))};
        Joint(rig, p, "Body").offset = {0, 0.03f * Wave(t), 0};
        Joint(rig, p, "Head").rotation = {3 * Wave(t), 0, 0};
        Joint(rig, p, "Eyes").offset = {0, 0.03f * Wave(t, 2.0f), 0};
        return p;
    };
    AttackMoves moves;
    moves.gait = [&rig](float travel) {
        Pose p = RestPose(rig);
        // Three hops.
        const float hop = std::fabs(std::sin(3 * kPi * travel));
        Joint(rig, p, "Body").offset = {0, 0.9f * hop, 0};
        Joint(rig, p, "Body").rotation = {12 * hop, 0, 0};
        Joint(rig, p, "LeftHaunch").rotation = {-35 * hop, 0, 0};
        Joint(rig, p, "RightHaunch").rotation = {-35 * hop, 0, 0};
        Joint(rig, p, "FrontLegs").rotation = {20 * hop, 0, 0};
        return p;
    };
    moves.windup = moves.gait(0);
    Joint(rig, moves.windup, "Body").offset = {0, -0.1f, 0};
    Joint(rig, moves.windup, "Head").rotation = {-10, 0, 0};
    moves.strike = moves.gait(0);
    Joint(rig, moves.strike, "Head").rotation = {12, 0, 0};
    Joint(rig, moves.strike, "Tongue").offset = {0, 0, -2.2f};
    Joint(rig, moves.strike, "Tongue").rotation = {-12, 0, 0};
    Joint(rig, moves.strike, "Body").offset = {0, 0.1f, 0};
    return Finish("Toad", rig, "Tongue", idle, moves);
}
