// The story: six scenes played inside field mode, each waiting for the one
// before, and the ending on the road to Pisceria. A scene takes control away,
// shows its pages in the dialogue box one OK at a time, may fly the camera,
// animate the hero and start a fixed battle, then sets its story flag and gives
// control back. The field frame calls UpdateStoryScenes before it clears the
// screen and UpdateStoryScenery once the view is set, so the latter can draw.
#pragma once

#include "assets/vector.h"
#include "world/dialogue.h"

#include <cstdint>

// The scene under way. Never saved: a scene cut short by a load starts over.
extern uint8_t SceneStarted;
extern uint8_t SceneReady; // the sword scene's flight has ended and its first page is up
extern uint8_t SceneBattleStarted;
extern uint8_t SceneAfterBattle;
extern int32_t ScenePage;      // pages shown so far
extern int32_t SceneAnimFrame; // the sword animation's frame

// The ending, also never saved.
constexpr int kEndingStageCount = 3;
extern uint8_t EndingStage[kEndingStageCount]; // stage k + 1 done
extern uint8_t EndingFlightStarted;
extern int32_t EndingRiseFrame;  // Katu's first animation, stage 1
extern int32_t EndingCastFrame;  // his second, stage 2
extern int32_t EndingSpellFrame; // the second again at a quarter speed (in quarters), stage 3
extern int32_t EndingDodgeFrame; // the hero's dodge, in quarters
extern float EndingOffset;       // how far the lava balls have flown along z

constexpr int32_t kStoryPageCount = 21;

// One frame of whichever scene the current level and the flags allow.
void UpdateStoryScenes();
// The figures waiting for their scenes, and the ending, drawn in world space.
void UpdateStoryScenery();
// Fill the buffer with story page 0 to 20; any other page gives five empty texts.
void StoryPageText(DialogueRecord& buffer, int32_t page);
// Fill the buffer with the closing words the ending shows.
void EndingText(DialogueRecord& buffer);
// Start one of the story's camera flights. A flight that gives no usable key
// (its file missing or unreadable) would leave the camera with a zero up
// vector and no view at all: it is logged and replaced by a one-key flight
// onto the fallback camera, which ends on its first step as the missing one would.
void StartStoryFlight(const char* fileName, CVector3 fallbackEye, CVector3 fallbackView);
// Put the camera and the hero; the camera's up vector stays as it is.
void SetCameraAndHero(CVector3 eye, CVector3 viewPoint, CVector3 heroPosition, CVector3 heroRotation);

// Drop any scene or ending under way (a load, a new game, the ending's end).
void ResetSceneState();
void ResetEndingState();
// A new game's story: no flag set, nothing under way.
void ResetStory();
