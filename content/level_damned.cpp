// The Dungeon of the Damned: an entrance hall under Mistilia and a long
// winding descent through chambers, each holding a chest, down thirty units
// to the pit where Limbus waits. The drawn model is the collision model too.
#include "content/levels_common.h"
#include "world/story_places.h"

#include <cmath>

namespace {

constexpr int32_t kLevel = LevelDamnedDungeon;
constexpr float kRoof = 7.0f;

struct Node {
    float x, z, height, radius;
};

// Floor along the passages: each passage slopes evenly between its two
// chambers, and where passages meet the nearest one rules, blended smoothly.
float PassageHeight(const std::vector<Node>& nodes, float x, float z) {
    double sum = 0.0, weights = 0.0;
    for (size_t i = 0; i + 1 < nodes.size(); ++i) {
        const Node& a = nodes[i];
        const Node& b = nodes[i + 1];
        const float abx = b.x - a.x, abz = b.z - a.z;
        const float len2 = abx * abx + abz * abz;
        float t = len2 > 0.0f ? ((x - a.x) * abx + (z - a.z) * abz) / len2 : 0.0f;
        t = std::fmin(std::fmax(t, 0.0f), 1.0f);
        const float dx = x - (a.x + abx * t), dz = z - (a.z + abz * t);
        // Chambers stay level out to their radius.
        const float len = std::sqrt(len2);
        float s = len > a.radius + b.radius ? (t * len - a.radius) / (len - a.radius - b.radius) : t;
        s = std::fmin(std::fmax(s, 0.0f), 1.0f);
        const float h = a.height + (b.height - a.height) * s;
        const double d2 = static_cast<double>(dx) * dx + static_cast<double>(dz) * dz;
        const double w = 1.0 / (d2 * d2 + 1e-6);
        sum += w * h;
        weights += w;
    }
    return static_cast<float>(sum / weights);
}

} // namespace

void BuildDungeonOfTheDamned(DataWriter& w) {
    const LevelRecord& level = GameLevels()[kLevel];
    const std::vector<ChestRecord>& chests = level.Chests;
    const CVector3 exit = level.Exits[0].Trigger;
    const CVector3 limbus = StoryPlaces[PlaceLimbus].position;
    const float hall = chests[0].Position.y;

    // Chambers in the order the descent reaches them, with bends between.
    const std::vector<Node> nodes = {
        {exit.x + 14.0f, 0.0f, hall, 0.0f},
        {98.0f, 30.0f, hall, 0.0f},
        {150.0f, 62.0f, 1.5f, 4.0f},
        {chests[2].Position.x, chests[2].Position.z, chests[2].Position.y, 7.0f},
        {248.0f, 100.0f, -3.0f, 4.0f},
        {272.0f, 132.0f, -10.0f, 4.0f},
        {258.0f, 162.0f, -17.0f, 4.0f},
        {chests[3].Position.x, chests[3].Position.z, chests[3].Position.y, 7.0f},
        {196.0f, 196.0f, -21.6f, 4.0f},
        {156.0f, 258.0f, -22.6f, 4.0f},
        {chests[4].Position.x, chests[4].Position.z, chests[4].Position.y, 7.0f},
        {72.0f, 292.0f, -26.0f, 4.0f},
        {limbus.x, limbus.z, limbus.y, 9.0f},
        {chests[5].Position.x, chests[5].Position.z, chests[5].Position.y, 5.0f},
    };
    WalkArea area;
    // The entrance hall holds the way up and the first two chests.
    area.Path({{exit.x + 14.0f, chests[1].Position.z}, {exit.x + 14.0f, chests[0].Position.z}}, 19.0f);
    for (size_t i = 0; i + 1 < nodes.size(); ++i)
        area.Path({{nodes[i].x, nodes[i].z}, {nodes[i + 1].x, nodes[i + 1].z}}, 5.0f);
    for (const Node& n : nodes)
        if (n.radius > 0.0f) area.Disc(n.x, n.z, n.radius + 1.5f);
    AddAnchorDiscs(area, kLevel, 3.0f);
    const std::vector<HeightPad> pads = AnchorPads(kLevel, 1.5f);
    const HeightFn floor = [nodes, pads, hall](float x, float z) {
        // The hall is level; the rest follows the passages.
        if (x < 100.0f && z < 34.0f && z > -44.0f) return hall;
        return PassageHeight(nodes, x, z);
    };

    LevelKit kit;
    const int32_t slab = kit.Material("Stone.tga", 150, 140, 140);
    const int32_t wall = kit.Material("Stone.tga", 110, 100, 100);
    const int32_t ember = kit.Material("", 230, 90, 30);
    const int32_t bone = kit.Material("", 200, 190, 160);

    kit.Draw(slab, WalkFloor(area, 2.0f, floor, 0.25f));
    kit.Draw(wall, AreaWalls(area, 2.0f, floor, 0.5f, kRoof, 0.2f));
    // The roof follows the descent at the walls' height.
    kit.Draw(wall, AreaCeiling(
                       area, 2.0f, [&](float x, float z) { return floor(x, z) + kRoof; }, 0.2f));

    // Braziers in every chamber and pillars in the hall, clear of the anchors.
    Random random(5005);
    auto brazier = [&](float x, float z) {
        const float y = floor(x, z);
        kit.Draw(wall,
                 Transformed(MakeCylinder(0.5f, 0.3f, 1.4f, 8, true, 0.5f), Translation({x, y - 0.2f, z})));
        kit.Draw(ember,
                 Transformed(MakeSphere(0.45f, 3, 7), Translation({x, y + 1.4f, z}) * Scaling({1, 0.6f, 1})));
    };
    for (const Node& n : nodes) {
        if (n.radius <= 0.0f) continue;
        for (float side : {-1.0f, 1.0f}) brazier(n.x + side * (n.radius + 1.0f), n.z + n.radius * 0.5f);
    }
    for (float z : {-26.0f, 26.0f}) {
        for (float x : {exit.x + 8.0f, exit.x + 22.0f})
            kit.Draw(wall, Transformed(MakeCylinder(0.9f, 0.8f, 7.5f, 8, true, 0.4f),
                                       Translation({x, hall - 0.5f, z})));
    }
    // Bones scattered around the pit.
    for (int k = 0; k < 16; ++k) {
        const float a = random.Range(0.0f, 6.283f), r = random.Range(6.0f, 11.0f);
        const float x = limbus.x + std::cos(a) * r, z = limbus.z + std::sin(a) * r;
        if (area.Distance(x, z) > -0.5f) continue;
        kit.Draw(bone, Transformed(MakeBox({0.9f, 0.1f, 0.12f}), Translation({x, floor(x, z) + 0.05f, z}) *
                                                                     RotationY(random.Range(0.0f, 180.0f))));
    }
    (void)pads;
    WriteMesh(w, "Levels\\Dungeon of the Damned.m3d", kit.FinishVisual(20.0f));
}
