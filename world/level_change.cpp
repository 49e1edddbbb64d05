#include "world/level_change.h"

#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/screen_area.h"
#include "assets/sound_effects.h"
#include "world/dialogue.h"
#include "world/field_common.h"

#include <GL/gl.h>
#include <algorithm>

uint8_t ExitConfirmed = 0;

namespace {

void ApplyFog() {
    glFogf(GL_FOG_DENSITY, FogDensity);
}

// Back in the open: the fog gone, control back, the box hidden for the next exit.
void EndLevelChange() {
    FogDensity = kClearFogDensity;
    ApplyFog();
    PlayerHasControl = 1;
    DialogueSlide = HiddenDialogueSlide(LayoutArea.height);
    ExitConfirmed = 0;
}

// Puts the hero, the camera and the music where the exit lands him.
void ArriveThrough(const ExitRecord& exit, const LevelRecord& to) {
    Camera.Position = exit.ArrivalEye;
    Camera.ViewPoint = exit.ArrivalView;
    HeroPosition = exit.ArrivalPosition;
    HeroRotation = exit.ArrivalRotation;
    CurrentLevel = exit.TargetLevel;
    PlayMusic(to.Music);
}

} // namespace

int32_t DialogueSlideStep() {
    // A screen under 128 pixels high would otherwise never show the box, and never let the hero leave.
    const int32_t step = LayoutArea.height / 128;
    return step > 0 ? step : 1;
}

void ChangeLevel(int32_t level, int32_t exitIndex) {
    const LevelRecord* from = LevelAt(level);
    if (!from || exitIndex < 0 ||
        static_cast<size_t>(exitIndex) >= UsedCount(from->ExitCount, from->Exits.size()))
        return;
    const ExitRecord exit = from->Exits[static_cast<size_t>(exitIndex)];

    if (FogDensity <= kClearFogDensity) PlayEffect(SoundEffect::ExitFade);
    PlayerHasControl = 0;
    // A fog that is not a small positive number would never thicken, and the hero would never arrive.
    if (!(FogDensity > 0.0f)) FogDensity = kClearFogDensity;
    if (FogDensity < 2.0f) FogDensity += FogDensity * 0.5f;
    ApplyFog();
    if (!(FogDensity >= 1.0f)) return;

    const LevelRecord* to = LevelAt(exit.TargetLevel);
    if (to) ArriveThrough(exit, *to);
    EndLevelChange();
}

bool ArriveInLevel(int32_t level) {
    const LevelRecord* to = LevelAt(level);
    if (!to) return false;
    for (int32_t from = 0; from < kLevelTotal; ++from) {
        const LevelRecord* source = LevelAt(from);
        const size_t exits = source ? UsedCount(source->ExitCount, source->Exits.size()) : 0;
        for (size_t i = 0; i < exits; ++i) {
            if (source->Exits[i].TargetLevel != level) continue;
            ArriveThrough(source->Exits[i], *to);
            EndLevelChange();
            return true;
        }
    }
    return false;
}

void CheckExits(int32_t level) {
    const LevelRecord* current = LevelAt(level);
    const size_t exits = current ? UsedCount(current->ExitCount, current->Exits.size()) : 0;
    bool inAnExit = false;
    for (size_t i = 0; i < exits; ++i) {
        const ExitRecord& exit = current->Exits[i];
        if (!InSquare(HeroPosition, exit.Trigger, ExitReach)) continue;
        inAnExit = true;
        const LevelRecord* target = LevelAt(exit.TargetLevel);
        DrawMessageBox(target ? target->Name : "", 0, DialogueSlide);
        if (DialogueSlide < 0) {
            DialogueSlide += DialogueSlideStep();
        } else if (ExitConfirmed) {
            ChangeLevel(level, static_cast<int32_t>(i));
            // Arrived: this level's exits no longer apply.
            if (ExitConfirmed == 0) break;
        }
    }
    if (inAnExit) return;

    // Out of every exit: the box slides back up, so the next exit starts hidden
    // and an OK given here cannot confirm it.
    ExitConfirmed = 0;
    const int32_t hidden = HiddenDialogueSlide(LayoutArea.height);
    if (DialogueSlide > hidden) DialogueSlide = std::max(hidden, DialogueSlide - DialogueSlideStep());
}
