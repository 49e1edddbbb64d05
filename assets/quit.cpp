#include "assets/quit.h"

#include "assets/game_state.h"
#include "assets/log.h"
#include "platform/platform.h"

void QuitSequence() {
    AppendLog("Quiting...");
    PlayMusic(nullptr);
    DeleteRenderContext();
    RestoreDisplayMode();
    PostQuitMessage(0);
}
