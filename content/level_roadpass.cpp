// RoadPass: the road to Pisceria where the story ends, a paved way along z
// through a rocky pass, Katu waiting on it and the hero facing him further on.
// The drawn model is the collision model too.
#include "content/levels_common.h"
#include "world/story_places.h"

#include <cmath>

void BuildRoadPass(DataWriter& w) {
    const CVector3 katu = StoryPlaces[PlaceEndingKatu].position;
    const CVector3 hero = StoryPlaces[PlaceEndingHero].position;
    // Katu stands on the road and the hero's soles sit 0.2 below his origin:
    // the road falls gently between them.
    const float fall = (hero.y - 0.2f - katu.y) / (hero.z - katu.z);
    const HeightFn floor = [katu, fall](float, float z) { return katu.y + fall * (z - katu.z); };

    WalkArea area;
    area.Path({{katu.x, katu.z - 40.0f}, {hero.x, hero.z + 50.0f}}, 6.0f);

    LevelKit kit;
    // The lava field lies behind everything: named first, it is drawn last.
    const int32_t lava = kit.Material("", 240, 90, 20);
    const int32_t paving = kit.Material("Stone.tga", 230, 220, 200);
    const int32_t rock = kit.Material("Stone.tga", 150, 130, 110);
    const int32_t verge = kit.Material("Ground.tga", 190, 170, 120);

    WalkArea paved;
    paved.Path({{katu.x, katu.z - 40.0f}, {hero.x, hero.z + 50.0f}}, 3.0f);
    kit.Draw(paving, WalkFloor(
                         paved, 2.0f, [&](float x, float z) { return floor(x, z) + 0.02f; }, 0.3f));
    kit.Draw(verge, WalkFloor(area, 2.0f, floor, 0.2f));
    // Cliffs of the pass on both sides, broken into crags.
    Random random(6006);
    for (float side : {-1.0f, 1.0f}) {
        for (float z = katu.z - 40.0f; z < hero.z + 50.0f; z += 6.0f) {
            const float h = random.Range(7.0f, 14.0f);
            const float x = side * random.Range(8.0f, 9.5f);
            Geometry crag = MakeBox({4.0f, h, 6.5f}, 0.3f);
            BoxMapTexels(crag, 0.3f);
            Transform(crag, Translation({x, floor(x, z) + h * 0.5f - 0.5f, z + 3.0f}) *
                                RotationY(random.Range(-8.0f, 8.0f)));
            kit.Draw(rock, crag);
        }
    }
    // Far behind Katu the sky glows over a lava field.
    kit.Draw(lava,
             Transformed(MakeBox({60.0f, 0.2f, 30.0f}), Translation({0.0f, katu.y - 3.0f, katu.z - 60.0f})));
    WriteLevelModel(w, "Levels\\RoadPass.m3d", kit.FinishVisual(20.0f));
}
