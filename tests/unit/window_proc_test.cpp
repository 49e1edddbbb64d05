#include "app/window_proc.h"
#include "assets/game_state.h"
#include "platform/platform.h"
#include "tests/unit/test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class WindowProc : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = MakeTempDir("window_proc");
        cwd_ = std::make_unique<ScopedWorkingDir>(dir_);
        GameMode = ModeTitle;
        TitlePage = 0;
        TitleCursor = 1;
        SaveSlotCursor = 0;
        PlayerHasControl = 1;
        DialogueOpen = 0;
        MenuClosing = 1;
        KeyOk = 'X';
        KeyCancel = 'Z';
        KeyMenu = 'C';
        DrainQueue();
    }
    void TearDown() override {
        DrainQueue();
        cwd_.reset();
    }
    static void Key(int key) { WindowProcedure({MessageType::KeyDown, key, 0}); }
    static void Button(MessageType type) { WindowProcedure({type, 0, 0}); }
    static std::string Log() { return ReadFile("Log.txt"); }
    static int DrainQueue() {
        int quits = 0;
        PlatformMessage m;
        while (PeekPlatformMessage(&m))
            if (m.type == MessageType::Quit) ++quits;
        return quits;
    }
    std::string dir_;
    std::unique_ptr<ScopedWorkingDir> cwd_;
};

TEST_F(WindowProc, ActionKeysLogTheirLinesAndMouseButtonsActWithout) {
    TitleCursor = 2;
    Button(MessageType::LeftButtonDown);
    EXPECT_EQ(TitlePage, 2);
    Button(MessageType::RightButtonDown);
    EXPECT_EQ(TitlePage, 0);
    EXPECT_EQ(Log(), "");
    TitleCursor = 0; // New Game's OK would leave the title
    Key('Z');
    Key('C');
    EXPECT_EQ(Log(), "Action : Cancel Button\nAction : Menu Button\n");
}

TEST_F(WindowProc, MenuKeyOpensMenuOnlyWithControlInTheField) {
    GameMode = ModeField;
    PlayerHasControl = 0;
    Key('C');
    EXPECT_EQ(GameMode, ModeField);
    EXPECT_EQ(Log(), "Action : Menu Button\n");
    PlayerHasControl = 2; // control must be exactly 1
    Button(MessageType::MiddleButtonDown);
    EXPECT_EQ(GameMode, ModeField);
    PlayerHasControl = 1;
    Button(MessageType::MiddleButtonDown);
    EXPECT_EQ(GameMode, ModeMenu);
    EXPECT_EQ(MenuClosing, 0);
}

TEST_F(WindowProc, ConfiguredKeysWinOverFixedKeys) {
    KeyOk = 'Y';
    GameMode = ModeField;
    DialogueOpen = 1;
    Key('Y');
    EXPECT_EQ(DialogueOpen, 0); // OK closed the box
    EXPECT_EQ(Log(), "Action : OK Button\n");
    // An arrow configured as a key acts as that key, not as a cursor move.
    KeyCancel = static_cast<char>(KeyDown);
    GameMode = ModeTitle;
    TitlePage = 1;
    Key(KeyDown);
    EXPECT_EQ(TitlePage, 0);
    EXPECT_EQ(SaveSlotCursor, 0);
    // Keys arrive in upper case: a lower-case one never matches.
    KeyOk = 'x';
    TitleCursor = 2;
    Key('X');
    EXPECT_EQ(TitlePage, 0);
}

TEST_F(WindowProc, TitleCursorMovesAreClamped) {
    TitleCursor = 3;
    Key(KeyDown);
    EXPECT_EQ(TitleCursor, 3);
    for (int i = 0; i < 4; ++i) Key(KeyUp);
    EXPECT_EQ(TitleCursor, 0);
    Key(KeyLeft);
    Key(KeyRight);
    EXPECT_EQ(TitleCursor, 0);
    TitlePage = 1;
    for (int i = 0; i < 7; ++i) Key(KeyDown);
    EXPECT_EQ(SaveSlotCursor, 4);
    EXPECT_EQ(TitleCursor, 0);
    // In the field the arrows walk; they move no cursor.
    GameMode = ModeField;
    TitleCursor = 1;
    Key(KeyDown);
    EXPECT_EQ(TitleCursor, 1);
}

TEST_F(WindowProc, TitleOkOpensPages) {
    TitleCursor = 1;
    Key('X');
    EXPECT_EQ(TitlePage, 1);
    Key('X'); // on the load page, OK stays there
    EXPECT_EQ(TitlePage, 1);
    Key('Z'); // Cancel goes back to the main page
    EXPECT_EQ(TitlePage, 0);
    TitleCursor = 2;
    Key('X');
    EXPECT_EQ(TitlePage, 2);
    EXPECT_EQ(DrainQueue(), 0);
    // Quit runs the quit sequence before the OK's line is written.
    TitlePage = 0;
    TitleCursor = 3;
    Key('X');
    EXPECT_EQ(DrainQueue(), 1);
    EXPECT_EQ(Log(), "Action : OK Button\nAction : OK Button\nAction : Cancel Button\nAction : OK "
                     "Button\nQuiting...\nAction : OK Button\n");
}

TEST_F(WindowProc, EscapeQuitsInEveryMode) {
    for (int mode : {ModeTitle, ModeField, ModeBattle}) {
        GameMode = mode;
        Key(KeyEscape);
        EXPECT_EQ(DrainQueue(), 1);
    }
    EXPECT_EQ(Log(), "Quiting...\nQuiting...\nQuiting...\n");
    // Closing the window only posts the quit.
    Button(MessageType::Close);
    EXPECT_EQ(DrainQueue(), 1);
    EXPECT_EQ(Log(), "Quiting...\nQuiting...\nQuiting...\n");
}

TEST_F(WindowProc, OtherKeysAndMessagesDoNothing) {
    const int before = TitleCursor;
    Key('Q');
    Key(KeySpace);
    Key(KeyEnter);
    Button(MessageType::Paint);
    Button(MessageType::SystemCommand);
    EXPECT_EQ(TitleCursor, before);
    EXPECT_EQ(TitlePage, 0);
    EXPECT_EQ(DrainQueue(), 0);
    EXPECT_EQ(Log(), "");
    // While booting the actions log but move nothing.
    GameMode = ModeBoot;
    TitleCursor = 2;
    Key('X');
    Key(KeyDown);
    EXPECT_EQ(TitlePage, 0);
    EXPECT_EQ(TitleCursor, 2);
    EXPECT_EQ(Log(), "Action : OK Button\n");
}

} // namespace
