// The story's camera flights, and the story's files written into the data.
//
// The sword scene: the hero stands at (1.9, 0, -3.63) facing +z over the rock
// that holds the sword; the flight sweeps round the hall, low behind him, and ends
// before him, where his pages are read.
//
// The ending: Katu at the origin facing +z, the hero 30 units down the road
// facing him. The ending waits for this flight to pass its fifth key (index 4)
// before Katu raises his fire, and stops waiting once it is past it, so keys 1
// to 4 together must take less time than his first animation (35 frames).
// After the last key the camera stays put for the long rest of the ending
// (the balls take about 1350 frames to reach the hero), so the last key looks
// over the hero's shoulder at the balls coming.
#include "content/story.h"

#include "content/characters.h"
#include "world/story_places.h"

namespace {

constexpr CVector3 kUp = {0, 1, 0};

CameraFlightKey Key(CVector3 eye, CVector3 view, int steps) {
    return {eye, view, kUp, steps};
}

} // namespace

std::vector<CameraFlight> BuildStoryFlights() {
    const CVector3 hero = StoryPlaces[PlaceSwordHero].position;
    const CVector3 katu = StoryPlaces[PlaceEndingKatu].position;
    const CVector3 duelist = StoryPlaces[PlaceEndingHero].position;
    const CVector3 face = {katu.x, katu.y + 2.1f, katu.z}, chest = {hero.x, hero.y + 0.9f, hero.z};
    std::vector<CameraFlight> out;
    out.push_back({"Scripts\\FoundSword.scp",
                   {Key({-7.0f, 4.8f, 7.0f}, {hero.x, 1.0f, hero.z - 2.0f}, 1),
                    Key({-3.0f, 4.0f, -10.0f}, {hero.x, 1.0f, hero.z - 2.5f}, 70),
                    Key({6.5f, 3.2f, -8.5f}, {hero.x, 1.0f, hero.z - 1.0f}, 60),
                    Key({hero.x + 1.1f, 1.9f, hero.z + 4.4f}, chest, 60)}});

    // Heights below are over the road at Katu's feet (y -0.5) and the hero's (-0.2).
    const CVector3 far = {duelist.x, duelist.y + 1.0f, duelist.z};
    out.push_back(
        {"Scripts\\BulletDodge.scp",
         {
             // Katu from before him, pushing in on his face as he looks up.
             Key({katu.x + 5.0f, katu.y + 2.8f, katu.z + 8.0f}, {katu.x, katu.y + 1.7f, katu.z}, 1),
             Key({katu.x + 2.2f, katu.y + 2.3f, katu.z + 4.0f}, face, 18),
             // Over his shoulder at the hero far down the road.
             Key({katu.x - 2.2f, katu.y + 3.2f, katu.z - 3.5f}, far, 1),
             Key({katu.x - 2.0f, katu.y + 3.1f, katu.z - 3.0f}, far, 10),
             // Behind the hero, Katu small ahead: the fire goes up from here on.
             Key({duelist.x + 1.8f, duelist.y + 2.6f, duelist.z + 5.0f}, {katu.x, katu.y + 1.6f, katu.z}, 1),
             // Down low before Katu as he gathers it and throws.
             Key({katu.x - 4.0f, katu.y + 1.3f, katu.z + 6.0f}, {katu.x, katu.y + 2.0f, katu.z}, 60),
             Key({katu.x - 5.5f, katu.y + 2.0f, katu.z + 9.0f}, {katu.x, katu.y + 1.9f, katu.z + 1.0f}, 80),
             // Beside the balls' lane as they set out.
             Key({katu.x - 9.0f, katu.y + 3.2f, katu.z + 12.0f}, {katu.x, katu.y + 1.8f, katu.z + 6.0f}, 120),
             // Drifting along it behind them towards the hero.
             Key({duelist.x - 7.0f, duelist.y + 2.8f, duelist.z + 1.0f}, {duelist.x, duelist.y + 1.2f, 25.0f},
                 1100),
             // Over his shoulder as they come at him: the camera stays here to the end.
             Key({duelist.x + 2.2f, duelist.y + 2.6f, duelist.z + 6.5f},
                 {duelist.x - 0.4f, duelist.y + 1.4f, duelist.z - 6.0f}, 120),
         }});
    return out;
}

void BuildStory(DataWriter& w) {
    const Rig katu = BuildKatuRig();
    const std::vector<Mesh> stage1 = KatuStage1Frames(katu);
    WriteMesh(w, "Objects\\Katu\\Katu.m3d", stage1.front());
    WriteFrames(w, "Objects\\Katu\\KatuAni1.ani", stage1);
    WriteFrames(w, "Objects\\Katu\\KatuAni2.ani", KatuCastFrames(katu));
    WriteMesh(w, "Objects\\Effects\\LavaBall.m3d", BuildLavaBallMesh());

    const Rig hero = BuildHeroRig();
    WriteFrames(w, "Objects\\Deduvavi\\TGetSword.ani", HeroGetSwordFrames(hero));
    std::vector<Mesh> dodge;
    for (const Pose& p : HeroDodgePoses(hero)) dodge.push_back(PosedMesh(hero, p));
    WriteFrames(w, "Objects\\Deduvavi\\TBulletDodge.ani", dodge);

    for (const CameraFlight& f : BuildStoryFlights()) w.Write(f.gamePath, WriteCameraScript(f.keys));
}
