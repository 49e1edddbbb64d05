// The state of the battle in progress: one record for whichever action is
// playing out, the flags of the per-frame state machine, the rewards fixed at
// the start, and the field camera to return to. Everything lives from start-up
// to exit; a battle's end puts it back to its first values.
#pragma once

#include "assets/camera.h"
#include "assets/texture.h"
#include "assets/vector.h"
#include "records/records.h"

#include <cstdint>

// The action under way, shared by every combatant: only one acts at a time.
struct AttackMoveRecord {
    int32_t MoveFrame = 0; // animation frame, also the step counter
    uint8_t MoveStarted = 0;
    uint8_t MoveReturning = 0;
    uint8_t MoveHit = 0;   // the damage was dealt
    float MoveStep = 0.0f; // x distance per frame
    float SpinAngle = 10.0f;
    float BurstAlpha = 0.0f;
    float BurstScale = 1.1f;
    int32_t RockFrame[3] = {};
    uint8_t StageA = 0;
    uint8_t StageB = 0;
    uint8_t StageC = 0;
    uint8_t StageD = 0;
};

constexpr int kShatterFlagCount = 40;
constexpr int kShatterPieceCount = 26;

// The field's last picture breaking into pieces that fly off the screen.
struct ShatterRecord {
    uint8_t Active[kShatterFlagCount] = {};
    int32_t Counter = 0;
    int32_t Direction = 1; // 0 +x, 1 -x, 2 +y, 3 -y
    TextureImage* Texture = nullptr;
    float Angle[kShatterPieceCount] = {};
    float Distance[kShatterPieceCount] = {};
};

extern AttackMoveRecord AttackMove;
extern ShatterRecord ShatterState;

// Flags are bytes like the monsters' own, so one attack routine serves both sides.
extern uint8_t HeroActing;
extern uint8_t AttackCommand;
extern uint8_t ItemCommand;
extern ItemRecord* ItemInUse;
extern uint8_t FuryCommand;
extern uint8_t FuryReady;
// The spells the menu can start; each plays out while its flag is set.
extern uint8_t IceCast;
extern uint8_t FireCast;
extern uint8_t KintosCast;
bool AnySpellCast();
void ClearSpellFlags();

extern uint8_t BattleRunning; // the intro is over and the gauges run
extern uint8_t MenuOpen;      // the hero's gauge is full
extern uint8_t IntroStarted;
// The fallen hero has sunk out of sight: the shell reloads the save or quits.
extern uint8_t DefeatFinished;

extern uint8_t ShowDamage;
extern int32_t DamageShown[3];
extern uint8_t ShowAllDamage;
extern uint8_t ShowHeal;

extern int32_t BattleExpReward;
extern int32_t BattleGoldReward;
extern int32_t BattleWarpExpReward;

extern CameraRecord SavedFieldCamera;
extern MonsterRecord* TargetMonster;
extern int32_t HeroIdleFrame;

// The three rewards: the sums over the slots alive at this moment.
void SumBattleRewards();
