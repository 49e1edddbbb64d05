// Leaving a level: standing in an exit's square slides its message box into
// view; once OK has confirmed, the fog thickens frame by frame and, when it is
// dense enough, the hero arrives in the target level and the fog clears.
#pragma once

#include <cstdint>

// OK was pressed at an exit the story lets the hero take.
extern uint8_t ExitConfirmed;

// How far the message box slides per frame.
int32_t DialogueSlideStep();

// The exit test of the field frame for a level: draws the box of every exit the
// hero stands in, slides it, and runs the level change once confirmed. With the
// hero in no exit the box slides back out and a confirmation is forgotten.
void CheckExits(int32_t level);
// One frame of the level change through the level's exit.
void ChangeLevel(int32_t level, int32_t exitIndex);
// Lands the hero in a level as the first exit leading there would, without the
// fade; false when no exit leads there.
bool ArriveInLevel(int32_t level);
