// The staged actions: the fury skill (a dash, a pause in mid-air under a
// spinning burst, and an explosion over the monster), the Ice and Fire spells
// (a pentagram turning under the hero while the camera flies round) and the
// Kintos summon (a creature rises behind the monsters and three rocks fall).
// Each is a per-frame routine the battle calls while its flag is set; it keeps
// HeroActing set while it lasts, deals its damage once and clears its flags.
#pragma once

#include "battle/spell_rules.h"

// One frame of each scene.
void FuryStrike();
void CastIce(const SpellCast& cast);
void CastFire(const SpellCast& cast);
void SummonKintos(const SpellCast& cast);
// One frame of whichever spell flag is set.
void RunSpellScene();
// Each scene's last frame: its flags down and the burst left for the next fury.
void EndFury();
void EndSpell();
void EndSummon();
// End the scene under way at once, as its last frame would.
void EndSceneNow();
