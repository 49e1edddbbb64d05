// The stones and their settings that the in-game menu shows: the sword with
// its Swarp sockets, the Swarp stone, the Warp holder and the Warp stone. The
// menu lays each flat (its +y towards the viewer, its -z up the screen) at a
// third of its size, so they are built large and simple to read when small.
#pragma once

#include "content/mesh.h"

// Blade along +x from the guard at the origin; Swarp sockets at x = 0.3 + 0.1 k.
Mesh BuildSwordMesh();
// A cut gem; its first material takes the Swarp's colour.
Mesh BuildSwarpMesh();
// A bar with eight sockets, at the x of kHolderSocketX.
Mesh BuildWarpHolderMesh();
// A round stone with a glint; its first material takes the Warp's colour.
Mesh BuildWarpMesh();

// Where the holder's sockets lie along its bar: right of the menu's holder cursors.
extern const float kHolderSocketX[8];
