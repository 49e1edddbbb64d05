#include "app/state_snapshot.h"

#include "app/game_state.h"
#include "app/graphics.h"
#include "app/harness.h"
#include "menus/title.h"
#include "world/camera.h"

namespace {

void Vector(FILE* file, const char* name, const CVector3& v) {
    std::fprintf(file, "%s %g %g %g\n", name, v.x, v.y, v.z);
}

} // namespace

void WriteStateSnapshot(FILE* file) {
    std::fprintf(file, "Frame %u\n", FramesRun);
    std::fprintf(file, "GameMode %d\n", GameMode);
    std::fprintf(file, "CurrentLevel %d\n", CurrentLevel);
    std::fprintf(file, "PlayerHasControl %d\n", PlayerHasControl);
    Vector(file, "HeroPosition", HeroPosition);
    Vector(file, "HeroRotation", HeroRotation);
    Vector(file, "CameraPosition", Camera.Position);
    Vector(file, "CameraViewPoint", Camera.ViewPoint);
    Vector(file, "CameraUpVector", Camera.UpVector);
    std::fprintf(file, "PlaySeconds %d\n", PlaySeconds);
    std::fprintf(file, "PlayMinutes %d\n", PlayMinutes);
    std::fprintf(file, "PlayHours %d\n", PlayHours);
    std::fprintf(file, "MusicRequested %s\n", MusicRequested);
    std::fprintf(file, "TitlePage %d\n", TitlePage);
    std::fprintf(file, "TitleCursor %d\n", TitleCursor);
    std::fprintf(file, "TitlePulse %.2f\n", TitlePulse);
    std::fprintf(file, "SaveSlotCursor %d\n", SaveSlotCursor);
    std::fprintf(file, "MenuState %d\n", MenuState);
    std::fprintf(file, "MenuCursor %d\n", MenuCursor);
    std::fprintf(file, "MenuClosing %d\n", MenuClosing);
    std::fprintf(file, "DialogueOpen %d\n", DialogueOpen);
    std::fprintf(file, "DialogueSlide %d\n", DialogueSlide);
    std::fprintf(file, "FogDensity %g\n", FogDensity);
    std::fprintf(file, "ScreenWidth %d\n", ScreenWidth);
    std::fprintf(file, "ScreenHeight %d\n", ScreenHeight);
    std::fprintf(file, "ScreenBits %d\n", ScreenBits);
    std::fprintf(file, "KeyOk %c\nKeyCancel %c\nKeyMenu %c\n", KeyOk, KeyCancel, KeyMenu);
}
