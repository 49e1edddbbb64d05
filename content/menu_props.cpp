#include "content/menu_props.h"

#include "content/geometry.h"

namespace {

// A tube lying along y (towards the viewer in the menu), centred at (x, 0, z).
Geometry Socket(float x, float z, float radius, float depth) {
    return Transformed(MakeCylinder(radius, radius, depth, 10, true), Translation({x, -depth * 0.5f, z}));
}

} // namespace

// The menu's holder cursors stand at W / 3.15 .. W / 1.76, in two groups of four.
const float kHolderSocketX[8] = {0.346f, 0.431f, 0.53f, 0.635f, 0.891f, 0.99f, 1.082f, 1.184f};

Mesh BuildSwordMesh() {
    Mesh m;
    const int32_t steel = AddMaterial(m, "", 205, 212, 225);
    const int32_t gold = AddMaterial(m, "", 196, 150, 60);
    const int32_t leather = AddMaterial(m, "", 110, 60, 30);
    // The blade is wide enough for a stone in every socket.
    std::vector<CVector2> blade = {
        {0.0f, -0.075f}, {1.12f, -0.065f}, {1.3f, 0.0f}, {1.12f, 0.065f}, {0.0f, 0.075f}};
    AddObject(m, "Blade", steel, MakeExtrusion(blade, -0.02f, 0.02f, 2.0f));
    Geometry fuller = Transformed(MakeBox({0.95f, 0.01f, 0.02f}, 2.0f), Translation({0.62f, 0.022f, 0}));
    AddObject(m, "Fuller", gold, fuller);
    Geometry guard = Transformed(MakeBox({0.06f, 0.06f, 0.36f}, 2.0f), Translation({-0.03f, 0, 0}));
    Append(guard, Transformed(MakeSphere(0.05f, 4, 8), Translation({-0.32f, 0, 0})));
    AddObject(m, "Guard", gold, guard);
    Geometry grip = Transformed(MakeCylinder(0.03f, 0.03f, 0.24f, 8, true),
                                Translation({-0.06f, 0, 0}) * RotationZ(90.0f));
    AddObject(m, "Grip", leather, grip);
    return m;
}

Mesh BuildSwarpMesh() {
    Mesh m;
    const int32_t stone = AddMaterial(m, "", 255, 255, 255);
    // Four facets each side, taller than wide: a diamond, not a ball.
    AddObject(m, "Swarp", stone, Transformed(MakeSphere(0.05f, 2, 4), Scaling({0.8f, 0.45f, 1.2f})));
    return m;
}

Mesh BuildWarpHolderMesh() {
    Mesh m;
    const int32_t bronze = AddMaterial(m, "", 150, 105, 50);
    const int32_t dark = AddMaterial(m, "", 10, 10, 12);
    Geometry bar = Transformed(MakeBox({0.48f, 0.03f, 0.07f}, 2.0f), Translation({0.49f, 0, 0}));
    Append(bar, Transformed(MakeBox({0.48f, 0.03f, 0.07f}, 2.0f), Translation({1.04f, 0, 0})));
    Append(bar, Transformed(MakeBox({0.1f, 0.02f, 0.03f}, 2.0f), Translation({0.76f, 0, 0})));
    AddObject(m, "Holder", bronze, bar);
    Geometry sockets;
    for (float x : kHolderSocketX) Append(sockets, Socket(x, 0, 0.038f, 0.04f));
    AddObject(m, "Sockets", dark, sockets);
    return m;
}

Mesh BuildWarpMesh() {
    Mesh m;
    const int32_t stone = AddMaterial(m, "", 255, 255, 255);
    const int32_t glint = AddMaterial(m, "", 255, 255, 255);
    AddObject(m, "Warp", stone, MakeSphere(0.034f, 6, 10));
    AddObject(m, "Glint", glint,
              Transformed(MakeSphere(0.009f, 3, 6), Translation({-0.012f, 0.03f, -0.012f})));
    return m;
}
