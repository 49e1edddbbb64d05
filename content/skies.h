// The skies of the outdoor levels: a dome whose texture runs from the colour
// below the horizon through the horizon's haze to the zenith, added to a
// level's drawn mesh. The game draws it around the eye after everything else,
// so it only fills what nothing covers.
#pragma once

#include "content/mesh.h"

struct DataWriter;

namespace Sky {
enum Kind { VillageMorning, OpenMidday, ForestGloom, TownEvening, RoadDusk };
}

// The mesh with the sky's texture written and its dome added as one object.
Mesh WithSky(DataWriter& writer, Mesh mesh, Sky::Kind kind);
