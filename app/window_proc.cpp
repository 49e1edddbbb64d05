#include "app/window_proc.h"

#include "app/window_size.h"
#include "assets/game_state.h"
#include "assets/log.h"
#include "assets/quit.h"
#include "menus/options_screen.h"
#include "world/services.h"

void MenuAction() {
    if (GameMode == ModeField && PlayerHasControl == 1) {
        GameMode = ModeMenu;
        MenuClosing = 0;
    }
}

void KeyDownAction(int key) {
    // A rebind waiting for its key takes every key, Escape included: there it gives up the wait.
    if (OptionsTakeKey(key)) return;
    const char code = static_cast<char>(key & 0xFF);
    if (code == KeyOk) {
        OkAction();
        AppendLog("Action : OK Button");
    } else if (code == KeyCancel) {
        CancelAction();
        AppendLog("Action : Cancel Button");
    } else if (code == KeyMenu) {
        MenuAction();
        AppendLog("Action : Menu Button");
    } else if (key == KeyEscape) {
        QuitSequence();
    } else if (key >= KeyLeft && key <= KeyDown) {
        ArrowAction(key);
    } else if (key == 'Y' || key == '1' || key == '2') {
        ServiceKeyAction(key); // acts only in field mode, next to a villager offering the service
    }
}

void WindowProcedure(const PlatformMessage& message) {
    switch (message.type) {
    case MessageType::Paint:
    case MessageType::SystemCommand:
        break;
    case MessageType::Close:
        PostQuitMessage(0);
        break;
    case MessageType::KeyDown:
        KeyDownAction(message.key);
        break;
    case MessageType::LeftButtonDown:
        if (OptionsWaitingKey < 0) OkAction();
        break;
    case MessageType::RightButtonDown:
        CancelAction();
        break;
    case MessageType::MiddleButtonDown:
        MenuAction();
        break;
    case MessageType::SizeChanged:
        ApplyWindowSize(message.width, message.height);
        break;
    case MessageType::Quit:
        break;
    }
}
