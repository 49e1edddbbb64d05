#include "world/story_scenes.h"

#include "assets/camera.h"
#include "assets/camera_script.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/log.h"
#include "records/records.h"
#include "world/encounters.h"
#include "world/field_common.h"
#include "world/story_flags.h"
#include "world/story_places.h"

uint8_t SceneStarted = 0;
uint8_t SceneReady = 0;
uint8_t SceneBattleStarted = 0;
uint8_t SceneAfterBattle = 0;
int32_t ScenePage = 0;
int32_t SceneAnimFrame = 0;

namespace {

// The sword animation's last frame: the battle waits until it has been shown.
constexpr int32_t kSwordLastFrame = 34;

void ShowPage(int32_t page) {
    StoryPageText(DialogueBuffer, page);
    OpenDialogue();
}

bool FlagSet(StoryFlag flag) {
    return StoryFlags[flag] != 0;
}

void FinishScene(StoryFlag flag) {
    ResetSceneState();
    PlayerHasControl = 1;
    StoryFlags[flag] = 1;
}

// The sword below Vorudu: a flight down to it, the hero raising it, two Ogres,
// and a word from him once they are beaten.
void SwordScene() {
    if (!SceneStarted) {
        StartStoryFlight("Scripts\\FoundSword.scp", SwordAfterBattleEye, SwordAfterBattleView);
        PlayerHasControl = 0;
        const StoryPlace& spot = StoryPlaces[PlaceSwordHero];
        HeroRotation.y = spot.yaw;
        HeroPosition = spot.position;
        ApplyAnimationFrame(HeroModel, HeroGetSwordAnim, 0);
        // Filled now, shown when the flight ends.
        StoryPageText(DialogueBuffer, 0);
        SceneStarted = 1;
    }
    if (!DialogueOpen && SceneReady && ScenePage <= 0) {
        ScenePage += 1;
        ShowPage(1);
    } else if (SceneAnimFrame >= kSwordLastFrame && !SceneBattleStarted && ScenePage == 1 && !DialogueOpen) {
        SceneBattleStarted = 1;
        const MonsterRecord* ogre = &MonsterTemplates[MonsterOgre];
        StartScriptedBattle(ogre, ogre, nullptr, 2);
    }
    if (ScenePage == 1 && SceneAnimFrame < kSwordLastFrame) {
        SceneAnimFrame += 1;
        ApplyAnimationFrame(HeroModel, HeroGetSwordAnim, SceneAnimFrame);
    }
    if (!SceneReady && !CameraScriptPlaying) {
        OpenDialogue();
        SceneReady = 1;
    }
    // The battle has been fought and the field is back.
    if (!SceneAfterBattle && SceneBattleStarted && !EncounterPending) {
        const StoryPlace& after = StoryPlaces[PlaceSwordAfterBattle];
        SetCameraAndHero(SwordAfterBattleEye, SwordAfterBattleView, after.position, {0.0f, after.yaw, 0.0f});
        SceneAfterBattle = 1;
    }
    if (SceneAfterBattle) {
        if (ScenePage == 1) {
            ScenePage = 2;
            ShowPage(2);
        }
        // The last page stays up after the scene has ended.
        if (ScenePage == 2) FinishScene(StorySwordFound);
    }
}

// The scenes that are only talk, ending perhaps in a battle.
struct TalkScene {
    int32_t level;
    int32_t needs; // the flag that must be set first; -1 for none
    StoryFlag sets;
    int32_t villager; // the trigger: this villager's talking square, or
    int32_t place;    // this story place's square
    int32_t firstPage;
    int32_t pageCount;
    int32_t monster; // fought as the scene ends; -1 for none
};

// The sword scene holds control from a new game's first frame, so Tempor's
// scene cannot be reached before it and need not wait for its flag.
const TalkScene kTalkScenes[] = {
    {LevelVorudu, -1, StoryTemporHeard, 1, -1, 3, 9, -1},
    {LevelForgottenForest, StoryTemporHeard, StoryForestSpot, -1, PlaceForestSpot, 12, 3, -1},
    {LevelForgottenForest, StoryForestSpot, StoryBehemothBeaten, -1, PlaceBehemothTrigger, 15, 1,
     MonsterBehemoth},
    {LevelMistilia, StoryBehemothBeaten, StoryTimsonHeard, 3, -1, 16, 5, -1},
};

bool InTrigger(const TalkScene& scene) {
    if (scene.villager < 0) {
        const StoryPlace& place = StoryPlaces[scene.place];
        return InSquare(HeroPosition, place.position, place.halfWidth);
    }
    const LevelRecord* level = LevelAt(scene.level);
    if (!level ||
        static_cast<size_t>(scene.villager) >= UsedCount(level->VillagerCount, level->Villagers.size()))
        return false;
    return InSquare(HeroPosition, level->Villagers[static_cast<size_t>(scene.villager)].Position, TalkReach);
}

void TalkSceneFrame(const TalkScene& scene) {
    if (CurrentLevel != scene.level || FlagSet(scene.sets)) return;
    if (scene.needs >= 0 && !FlagSet(static_cast<StoryFlag>(scene.needs))) return;
    if (!InTrigger(scene) || DialogueOpen) return;
    if (ScenePage < scene.pageCount) {
        ShowPage(scene.firstPage + ScenePage);
        ScenePage += 1;
        PlayerHasControl = 0;
    } else {
        FinishScene(scene.sets);
        if (scene.monster >= 0) StartScriptedBattle(&MonsterTemplates[scene.monster], nullptr, nullptr, 1);
    }
}

// Limbus: no words, the battle at once; his flag is set before it is fought.
void LastBattleScene() {
    if (CurrentLevel != LevelDamnedDungeon || !FlagSet(StoryTimsonHeard) || FlagSet(StoryLimbusFought))
        return;
    const StoryPlace& trigger = StoryPlaces[PlaceLimbusTrigger];
    if (!InSquare(HeroPosition, trigger.position, trigger.halfWidth)) return;
    StartScriptedBattle(&MonsterTemplates[MonsterLimbus], nullptr, nullptr, 1);
    StoryFlags[StoryLimbusFought] = 1;
}

} // namespace

void ResetSceneState() {
    SceneStarted = SceneReady = SceneBattleStarted = SceneAfterBattle = 0;
    ScenePage = 0;
    SceneAnimFrame = 0;
}

void ResetStory() {
    for (uint8_t& flag : StoryFlags) flag = 0;
    ResetSceneState();
    ResetEndingState();
}

void StartStoryFlight(const char* fileName, CVector3 fallbackEye, CVector3 fallbackView) {
    StartCameraScript(fileName);
    const CVector3& up = CameraKeys[0].UpVector;
    if (CameraLastKey != 0 || up.x != 0.0f || up.y != 0.0f || up.z != 0.0f) return;
    AppendLog("Could not Load Script :%s", fileName);
    CameraKeys[0] = {fallbackEye, fallbackView, {0.0f, 1.0f, 0.0f}, 1};
    CameraFromKey = CameraKeys[0];
    Camera.Position = fallbackEye;
    Camera.ViewPoint = fallbackView;
    Camera.UpVector = CameraKeys[0].UpVector;
}

void SetCameraAndHero(CVector3 eye, CVector3 viewPoint, CVector3 heroPosition, CVector3 heroRotation) {
    Camera.Position = eye;
    Camera.ViewPoint = viewPoint;
    HeroPosition = heroPosition;
    HeroRotation = heroRotation;
}

void UpdateStoryScenes() {
    if (CurrentLevel == LevelVoruduDungeon && !FlagSet(StorySwordFound)) SwordScene();
    for (const TalkScene& scene : kTalkScenes) TalkSceneFrame(scene);
    LastBattleScene();
}
