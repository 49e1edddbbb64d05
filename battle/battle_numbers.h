// The figures a battle shows: the damage just dealt over whoever took it, what
// an item restored over the hero, and the hero's gauges and figures at the
// lower right. Numbers sit at the screen projection of a point in the scene.
#pragma once

#include "assets/text2d.h"
#include "assets/vector.h"

#include <cstdint>

// Where a scene point lands in the printer's coordinates (y from the top),
// through the current matrices.
TextPoint ProjectToScreen(const CVector3& point);
// The offset of a number's light copy from its black one.
TextPoint NumberShadowOffset(int32_t screenWidth, int32_t screenHeight);

// The numbers below are placed when asked for, by the matrices of that
// moment, and printed by this call (which forgets them). A frame whose scene
// is drawn smaller prints them only once its 3D is done, since any 2D ends it.
void PrintShownNumbers();

// Entry 0 of the shown damage at a point.
void ShowDamageAt(const CVector3& point);
// Each living slot's own damage over it.
void ShowDamageAll();
// What the item in use restored, HP above MP.
void ShowHealAt(const CVector3& point);
// The time and fury bars with their panels, and the hero's name and figures.
void DrawBattleGauges();
