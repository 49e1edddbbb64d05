// The figures that wait for their scenes, and the ending on the road to
// Pisceria: a flight, Katu rising and casting, seven lava balls that fly at the
// hero while he dodges, the closing words, and back to the title.
#include "assets/camera_script.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "records/records.h"
#include "world/dialogue.h"
#include "world/level_table.h"
#include "world/story_flags.h"
#include "world/story_places.h"
#include "world/story_scenes.h"

#include <GL/gl.h>

uint8_t EndingStage[kEndingStageCount] = {};
uint8_t EndingFlightStarted = 0;
int32_t EndingRiseFrame = 0;
int32_t EndingCastFrame = 0;
int32_t EndingSpellFrame = 10;
int32_t EndingDodgeFrame = 0;
float EndingOffset = 2.0f;

namespace {

// The balls' places around Katu's hands; each flies along +z by EndingOffset.
constexpr CVector3 kLavaBalls[] = {
    {-1.846f, 2.434f, -0.894f}, {-1.041f, 2.289f, -1.02f}, {0.292f, 2.263f, -0.738f},
    {-0.48f, 1.941f, -1.189f},  {0.593f, 1.188f, -1.258f}, {-0.806f, 0.967f, -1.116f},
    {0.178f, 1.684f, -1.258f},
};
constexpr float kLavaStep = 0.02f;
constexpr float kDodgeFrom = 29.0f;
constexpr float kWordsFrom = 40.0f;
constexpr float kTitleFrom = 45.0f;

void DrawAt(const Model3D* model, const CVector3& at, float yaw) {
    if (!model) return;
    glPushMatrix();
    glTranslatef(at.x, at.y, at.z);
    glRotatef(yaw, 0.0f, 1.0f, 0.0f);
    DrawModel3D(*model);
    glPopMatrix();
}

void DrawFigure(StoryPlaceId id, int32_t monster) {
    const StoryPlace& place = StoryPlaces[id];
    DrawAt(MonsterTemplates[monster].Model, place.position, place.yaw);
}

// Whether the ending's flight has got past key k. A flight that has ended
// (or never loaded) counts as past every key: its key index goes back to 0
// when it ends, and the ending would otherwise wait for ever.
bool FlightPast(int32_t key) {
    return !CameraScriptPlaying || CameraKeyIndex > key;
}

void Ending() {
    PlayerHasControl = 0;
    const StoryPlace& katu = StoryPlaces[PlaceEndingKatu];
    const StoryPlace& hero = StoryPlaces[PlaceEndingHero];
    DrawAt(&KatuModel, katu.position, katu.yaw);
    DrawAt(&HeroModel, hero.position, hero.yaw);

    if (!EndingStage[0]) {
        if (!EndingFlightStarted) {
            // Without the flight, look past the hero's shoulder at Katu.
            StartStoryFlight("Scripts\\BulletDodge.scp",
                             {hero.position.x + 1.8f, hero.position.y + 2.6f, hero.position.z + 5.0f},
                             {katu.position.x, katu.position.y + 1.6f, katu.position.z});
            // He faces Katu standing, not in whatever walking frame brought him here.
            ApplyAnimationFrame(HeroModel, HeroBulletDodgeAnim, 0);
            EndingFlightStarted = 1;
        }
        ApplyAnimationFrame(KatuModel, KatuAnim1, EndingRiseFrame);
        if (EndingRiseFrame <= 33)
            EndingRiseFrame += 1;
        else
            EndingStage[0] = 1;
    }
    if (EndingStage[0] && !EndingStage[1] && FlightPast(3)) {
        ApplyAnimationFrame(KatuModel, KatuAnim2, EndingCastFrame);
        if (EndingCastFrame <= 9 && FlightPast(4))
            EndingCastFrame += 1;
        else
            EndingStage[1] = 1;
    }
    if (EndingStage[1] && !EndingStage[2]) {
        ApplyAnimationFrame(KatuModel, KatuAnim2, EndingSpellFrame / 4);
        if (EndingSpellFrame <= 135)
            EndingSpellFrame += 1;
        else
            EndingStage[2] = 1;
    }
    if (!EndingStage[2]) return;

    EndingOffset += kLavaStep;
    for (const CVector3& ball : kLavaBalls)
        DrawAt(&LavaBallModel, {ball.x, ball.y, EndingOffset + ball.z}, 0.0f);
    if (EndingOffset > kDodgeFrom) {
        ApplyAnimationFrame(HeroModel, HeroBulletDodgeAnim, EndingDodgeFrame / 4);
        if (EndingDodgeFrame <= 135) EndingDodgeFrame += 1;
    }
    if (EndingOffset > kWordsFrom) {
        EndingText(DialogueBuffer);
        DialogueOpen = 1;
    }
    if (EndingOffset > kTitleFrom) {
        // The title comes back as it was left: a game loaded from the title
        // returns to the slot list.
        GameMode = ModeTitle;
        PlayMusic(nullptr);
        ResetEndingState();
    }
}

} // namespace

void ResetEndingState() {
    for (uint8_t& done : EndingStage) done = 0;
    EndingFlightStarted = 0;
    EndingRiseFrame = 0;
    EndingCastFrame = 0;
    EndingSpellFrame = 10;
    EndingDodgeFrame = 0;
    EndingOffset = 2.0f;
}

void UpdateStoryScenery() {
    if (CurrentLevel == LevelForgottenForest && StoryFlags[StoryForestSpot] &&
        !StoryFlags[StoryBehemothBeaten])
        DrawFigure(PlaceBehemoth, MonsterBehemoth);
    if (CurrentLevel == LevelDamnedDungeon && !StoryFlags[StoryLimbusFought])
        DrawFigure(PlaceLimbus, MonsterLimbus);
    if (CurrentLevel == LevelRoadPass) Ending();
}
