#include "world/story_places.h"

const StoryPlace StoryPlaces[StoryPlaceCount] = {
    {1, StoryHeroSpot, {1.9f, 0.0f, -3.63f}, 0.0f, 0.0f},
    {1, StoryHeroSpot, {1.571254f, 0.158791f, -4.202993f}, 0.0f, -176.15659f},
    {3, StoryTrigger, {-16.75f, 0.0f, 1.2f}, 0.3f, 0.0f},
    {3, StoryTrigger, {-6.741925f, 0.0f, 6.326596f}, 3.0f, 0.0f},
    {3, StoryFigure, {5.78f, 0.2f, 10.19f}, 0.0f, 90.0f},
    {5, StoryTrigger, {19.740019f, 0.0f, 273.2758f}, 5.0f, 0.0f},
    {5, StoryFigure, {19.74f, -29.55f, 273.27f}, 0.0f, 270.0f},
    {6, StoryFigure, {0.0f, -0.5f, 0.0f}, 0.0f, 0.0f},
    {6, StoryHeroSpot, {0.0f, 0.0f, 30.0f}, 0.0f, 180.0f},
};

const CVector3 SwordAfterBattleEye = {1.973441f, 3.578813f, 1.783509f};
const CVector3 SwordAfterBattleView = {1.571254f, 2.738818f, -4.202991f};
