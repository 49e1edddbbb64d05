// The victory screen: the camera flies round the hero while he plays his
// victory pose, a results panel slides down, the first OK pays the rewards
// fixed at the battle's start and the second goes back to the field.
#pragma once

#include <cstdint>

extern uint8_t VictoryStarted;
extern int32_t VictoryFrame;
extern int32_t VictoryPanelY;
extern uint8_t RewardsReady;
extern uint8_t LeaveReady;

// Where the panel starts, above the screen.
int32_t VictoryPanelStart();
// The screen back to its first values, for the next victory.
void ResetVictory();
// Pay gold, experience and Warp experience, then level up as far as they reach.
void PayBattleRewards();

// The victory mode's frame.
void VictoryModeFrame();
void DrawVictoryPanel(int32_t dx, int32_t dy);
void VictoryOk();
