// The battle command menu: when the hero's time gauge is full a panel slides
// in with Attack (or the fury skill), Magic, Summon and Item; lists and the
// target choice open beneath it, and a confirmed choice sets the action flag
// the battle plays out.
#pragma once

#include <cstdint>

extern int32_t CommandCursor; // Attack, Magic, Summon, Item
extern int32_t TargetCursor;  // battle slot
extern int32_t ItemCursor;
extern int32_t SpellRow;
extern int32_t SpellScroll;
extern int32_t SpellColumn;
extern int32_t SummonRow;
extern int32_t SummonScroll;
extern uint8_t TargetSelect;
extern uint8_t ItemListOpen;
extern uint8_t SpellListOpen;
extern uint8_t SummonListOpen;
extern int32_t MenuSlide;    // pixels added to every x of the menu
extern float HeroGaugeWidth; // filled width of the time bar

// Where the menu starts: hidden left of the screen, to slide in.
int32_t MenuSlideStart();
// Back to the first command, lists closed, the panel hidden.
void ResetCommandMenu();

// Draw the menu and the gauges, and fill the hero's gauge.
void BattleMenuFrame();
// The hero's time gauge: one step, opening the menu once it is full.
void StepHeroGauge();

void BattleMenuOk();
void BattleMenuCancel();
// Whether Cancel steps back now: only from a list or the target choice.
bool BattleMenuCancelSteps();
void BattleMenuUp();
void BattleMenuDown();
void BattleMenuLeft();
void BattleMenuRight();
