// Where the story happens: the squares that start its scenes, the spots its
// figures are drawn at and where it puts the hero. The scenes read these; the
// level builder and its tests make sure each one stands on walkable ground.
#pragma once

#include "assets/vector.h"

#include <cstddef>
#include <cstdint>

enum StoryPlaceKind : int32_t {
    // A square (half-width halfWidth around x and z) that starts a scene.
    StoryTrigger = 0,
    // Where a figure of the story is drawn; y is its origin.
    StoryFigure = 1,
    // Where a scene puts the hero; y is his origin.
    StoryHeroSpot = 2,
};

enum StoryPlaceId : int32_t {
    PlaceSwordHero = 0,    // the hero as the sword scene begins
    PlaceSwordAfterBattle, // the hero after the two Ogres
    PlaceForestSpot,       // the one spot in the forest that starts the talk there
    PlaceBehemothTrigger,  // walking up to the Behemoth
    PlaceBehemoth,         // the Behemoth waiting
    PlaceLimbusTrigger,    // the last battle
    PlaceLimbus,           // Limbus waiting
    PlaceEndingKatu,       // Katu on the road at the end
    PlaceEndingHero,       // the hero facing Katu
    StoryPlaceCount
};

struct StoryPlace {
    int32_t level;
    int32_t kind;
    CVector3 position;
    float halfWidth; // triggers only
    float yaw;       // figures and hero spots, degrees
};

extern const StoryPlace StoryPlaces[StoryPlaceCount];

// The scene that ends the sword scene sets the camera there too.
extern const CVector3 SwordAfterBattleEye;
extern const CVector3 SwordAfterBattleView;
