// RoadPass: the road to Pisceria where the story ends. The hero comes in from
// the world map at the pass's upper end and looks down a paved road that
// bends into a straight run through a rocky cleft, with Katu waiting on a
// ring of dark stones at its foot and a lava field glowing beyond him. The
// bend keeps the place he came in by out of sight from Katu's ring. The
// drawn model is the collision model too.
#include "content/levels_common.h"
#include "content/skies.h"
#include "world/story_places.h"

#include <cmath>

namespace {

constexpr int32_t kLevel = LevelRoadPass;

// Where the world map's road exit lands him.
CVector3 Arrival() {
    for (const LevelRecord& from : GameLevels())
        for (const ExitRecord& e : from.Exits)
            if (e.TargetLevel == kLevel) return e.ArrivalPosition;
    return StoryPlaces[PlaceEndingHero].position;
}

} // namespace

void BuildRoadPass(DataWriter& w) {
    const CVector3 katu = StoryPlaces[PlaceEndingKatu].position;
    const CVector3 hero = StoryPlaces[PlaceEndingHero].position;
    const CVector3 arrival = Arrival();
    // Katu stands on the road and the hero's soles sit 0.2 below his origin:
    // the road falls gently between them, then climbs round the bend to the
    // arrival, level where he lands.
    const float fall = (hero.y - 0.2f - katu.y) / (hero.z - katu.z);
    const float top = arrival.y - 0.2f, climb = arrival.z - hero.z;
    const HeightFn floor = [=](float, float z) {
        if (z <= hero.z) return katu.y + fall * (z - katu.z);
        const float t = std::fmin(1.0f, (z - hero.z) / climb);
        return hero.y - 0.2f + (top - hero.y + 0.2f) * t * t * (3 - 2 * t);
    };
    const std::vector<CVector2> road = {
        {katu.x, katu.z - 40.0f},        {hero.x, hero.z + 22.0f},
        {hero.x + 6.0f, hero.z + 46.0f}, {arrival.x - 3.5f, arrival.z - 8.0f},
        {arrival.x, arrival.z},          {arrival.x + 1.5f, arrival.z + 16.0f}};

    WalkArea area;
    area.Path(road, 6.0f);
    AddAnchorDiscs(area, kLevel, 2.5f);

    LevelKit kit;
    // The lava field lies behind everything: named first, it is drawn last.
    const int32_t lava = kit.Material("", 240, 90, 20);
    const int32_t paving = kit.Material("Stone.tga", 230, 220, 200);
    const int32_t rock = kit.Material("Stone.tga", 150, 130, 110);
    const int32_t verge = kit.Material("Ground.tga", 190, 170, 120);
    const int32_t dark = kit.Material("DarkStone.tga", 255, 255, 255);

    WalkArea paved;
    paved.Path(road, 3.0f);
    kit.Draw(paving, WalkFloor(
                         paved, 2.0f, [&](float x, float z) { return floor(x, z) + 0.02f; }, 0.3f));
    kit.Draw(verge, WalkFloor(area, 2.0f, floor, 0.2f));
    // Low rock walls close the way off, behind the crags.
    kit.Draw(rock, AreaWalls(area, 2.0f, floor, 0.5f, 4.0f, 0.3f));

    // Cliffs of the pass on both sides of the road, broken into crags.
    Random random(6006);
    for (size_t s = 0; s + 1 < road.size(); ++s) {
        const CVector2 a = road[s], b = road[s + 1];
        const float run = std::hypot(b.u - a.u, b.v - a.v);
        const CVector2 along = {(b.u - a.u) / run, (b.v - a.v) / run}, across = {along.v, -along.u};
        const float yaw = std::atan2(along.u, along.v) * 180.0f / kPi;
        for (float d = 0.0f; d < run; d += 6.0f) {
            for (float side : {-1.0f, 1.0f}) {
                const float h = random.Range(7.0f, 14.0f), off = side * random.Range(8.0f, 9.5f);
                const float x = a.u + along.u * (d + 3.0f) + across.u * off;
                const float z = a.v + along.v * (d + 3.0f) + across.v * off;
                Geometry crag = MakeBox({4.0f, h, 6.5f}, 0.3f);
                BoxMapTexels(crag, 0.3f);
                Transform(crag, Translation({x, floor(x, z) + h * 0.5f - 0.5f, z}) *
                                    RotationY(yaw + random.Range(-8.0f, 8.0f)));
                kit.Draw(rock, crag);
            }
        }
    }
    // A shoulder of rock on the inside of the bend hides the upper road from below.
    for (const CVector3 spur :
         {CVector3{11.0f, 13.0f, hero.z + 30.0f}, CVector3{13.5f, 15.0f, hero.z + 37.0f}}) {
        Geometry g = MakeBox({5.0f, spur.y, 7.0f}, 0.3f);
        BoxMapTexels(g, 0.3f);
        Transform(g, Translation({spur.x, floor(spur.x, spur.z) + spur.y * 0.5f - 0.5f, spur.z}) *
                         RotationY(-20.0f));
        kit.Draw(rock, g);
    }

    // Katu's ring: a disc of dark flags and four leaning standing stones.
    Geometry ring = MakeCylinder(3.2f, 3.2f, 0.03f, 16, true, 0.4f);
    Transform(ring, Translation({katu.x, floor(katu.x, katu.z), katu.z}));
    kit.Draw(dark, ring);
    for (int k = 0; k < 4; ++k) {
        const float x = katu.x + (k % 2 ? 4.2f : -4.2f), z = katu.z + (k < 2 ? -2.5f : 2.5f);
        Geometry stone = MakeBox({0.8f, 3.4f, 0.6f}, 0.4f);
        BoxMapTexels(stone, 0.4f);
        Transform(stone, Translation({x, floor(x, z) + 1.5f, z}) * RotationZ(k % 2 ? -6.0f : 6.0f));
        kit.Draw(dark, stone);
    }
    // Far behind Katu the sky glows over a lava field.
    kit.Draw(lava,
             Transformed(MakeBox({60.0f, 0.2f, 30.0f}), Translation({0.0f, katu.y - 3.0f, katu.z - 60.0f})));
    WriteMesh(w, "Levels\\RoadPass.m3d", WithSky(w, kit.FinishVisual(20.0f), Sky::RoadDusk));
}
