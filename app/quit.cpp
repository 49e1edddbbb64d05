#include "app/quit.h"

#include "app/game_state.h"
#include "app/log.h"
#include "platform/platform.h"

void QuitSequence() {
    AppendLog("Quiting...");
    PlayMusic(nullptr);
    DeleteRenderContext();
    RestoreDisplayMode();
    PostQuitMessage(0);
}
