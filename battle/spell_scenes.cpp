// Which staged action runs this frame, and ending it at once.
#include "battle/battle_state.h"
#include "battle/effects.h"

void EndSceneNow() {
    if (FuryCommand) EndFury();
    if (IceCast || FireCast) EndSpell();
    if (KintosCast) EndSummon();
}

void RunSpellScene() {
    const SpellCast cast = HeroSpellCast();
    if (IceCast)
        CastIce(cast);
    else if (FireCast)
        CastFire(cast);
    else if (KintosCast)
        SummonKintos(cast);
}
