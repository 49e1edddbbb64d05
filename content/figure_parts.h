// The plain parts the monsters and the story's figures are put together from,
// each placed where it stands on its rig.
#pragma once

#include "content/mesh.h"

// A sphere centred at `at`, squashed along each axis.
Geometry Ball(CVector3 at, float radius, int rings, int segments, CVector3 squash = {1, 1, 1});
// A box centred at `centre`, one texel a unit.
Geometry Block(CVector3 centre, CVector3 size);
// A tapered tube from a to b.
Geometry Limb(CVector3 a, CVector3 b, float ra, float rb, int segments, bool caps = false);
