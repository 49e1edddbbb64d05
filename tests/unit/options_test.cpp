// The options screen's rules on their own: which keys can be bound and how a
// taken key swaps, the rebind wait on the real screen, and a Game.cfg that
// cannot be written leaving the old one whole.
#include "app/config.h"
#include "app/window_proc.h"
#include "assets/game_state.h"
#include "assets/settings.h"
#include "menus/options_screen.h"
#include "menus/title.h"
#include "tests/unit/test_support.h"
#include "world/field_camera.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(Rebind, OnlyLettersAndDigitsAndNotTheCursorOrServiceKeys) {
    for (int key : {int{'A'}, int{'Q'}, int{'Z'}, int{'0'}, int{'9'}, int{'3'}})
        EXPECT_EQ(RebindRefusal(key), nullptr);
    for (int key : {int{KeyLeft}, int{KeyUp}, int{KeyRight}, int{KeyDown}, int{KeyEscape}, int{'Y'}, int{'1'},
                    int{'2'}, int{KeyEnter}, int{KeySpace}, int{'a'}, 0, 300, -1})
        EXPECT_NE(RebindRefusal(key), nullptr) << key;
    char keys[3] = {'X', 'Z', 'C'};
    EXPECT_EQ(RebindKey(keys, 0, 'Q'), -1);
    EXPECT_EQ(std::string(keys, 3), "QZC");
    // Cancel's key given to OK: the two swap, and Cancel is named.
    EXPECT_EQ(RebindKey(keys, 0, 'Z'), 1);
    EXPECT_EQ(std::string(keys, 3), "ZQC");
    EXPECT_EQ(RebindKey(keys, 2, 'Z'), 0);
    EXPECT_EQ(std::string(keys, 3), "CQZ");
    // Its own key, a refused key or no such action change nothing.
    EXPECT_EQ(RebindKey(keys, 1, 'Q'), -1);
    EXPECT_EQ(RebindKey(keys, 1, KeyUp), -1);
    EXPECT_EQ(RebindKey(keys, 3, 'W'), -1);
    EXPECT_EQ(std::string(keys, 3), "CQZ");
}

// Through the window procedure: Escape gives up the wait instead of quitting, a
// refused key keeps it waiting, and a taken key swaps.
TEST(Rebind, TheWaitTakesEveryKeyAndEscapeOnlyEndsIt) {
    ApplyConfigText("", 0);
    GameMode = ModeTitle;
    TitlePage = kTitleOptionsPage;
    OpenOptions();
    OptionsPage = OptionsControls;
    OptionsRow = 1; // the OK key
    OkAction();
    ASSERT_EQ(OptionsWaitingKey, 0);
    KeyDownAction(KeyEscape);
    EXPECT_EQ(OptionsWaitingKey, -1);
    EXPECT_EQ(GameMode, ModeTitle); // not quit
    OkAction();
    KeyDownAction('2');
    EXPECT_EQ(OptionsWaitingKey, 0);
    EXPECT_EQ(KeyOk, 'X');
    KeyDownAction('Z');
    EXPECT_EQ(OptionsWaitingKey, -1);
    EXPECT_TRUE(KeyOk == 'Z' && KeyCancel == 'X');
    EXPECT_STREQ(OptionsMessage, "Z was Cancel: Cancel is now X");
    // The new OK key now opens the wait; the old one is Cancel and leaves the screen.
    KeyDownAction('Z');
    EXPECT_EQ(OptionsWaitingKey, 0);
    KeyDownAction(KeyEscape);
    OptionsShell.save = [] { return true; };
    KeyDownAction('X');
    EXPECT_EQ(TitlePage, 0);
    OptionsShell = {};
    ApplyConfigText("", 0);
}

TEST(MouseLook, OneTimesIsTheCursorItselfAndOtherSpeedsScaleAndCarry) {
    ApplyConfigText("", 0);
    for (int32_t c : {0, 1, -1, 37, -400, 5000}) {
        EXPECT_EQ(LookedCursor(512 + c, 512, false), 512 + c);
        EXPECT_EQ(LookedCursor(384 + c, 384, true), 384 + c);
    }
    InvertLookFlag = 1;
    EXPECT_EQ(LookedCursor(394, 384, true), 374);
    EXPECT_EQ(LookedCursor(394, 384, false), 394); // turning is never inverted
    InvertLookFlag = 0;
    MouseSpeedIndex = 0; // a quarter: four one-pixel reads turn as one pixel
    int turned = 0;
    for (int i = 0; i < 4; ++i) turned += LookedCursor(513, 512, false) - 512;
    EXPECT_EQ(turned, 1);
    MouseSpeedIndex = kMouseSpeedCount - 1;
    EXPECT_EQ(LookedCursor(522, 512, false), 552);
    // A wild cursor does not overflow.
    EXPECT_LT(LookedCursor(INT32_MAX, 0, false), INT32_MAX);
    ApplyConfigText("", 0);
}

// A folder that refuses the write: root ignores permissions, so a read-only mount stands in for it.
struct Folder {
    std::string path;
    bool mounted = false;
    ~Folder() {
        if (mounted) umount(path.c_str());
    }
};

void ExpectOldConfigKept(const std::string& dir) {
    const std::string old = "Resolution=640 480 32\nControls=Q W E\nVSync=1\n";
    ScopedWorkingDir in(dir);
    ApplyConfigText("", 0);
    MusicVolume = 15;
    EXPECT_FALSE(WriteConfig());
    EXPECT_EQ(ReadFile(dir + "/Game.cfg"), old);
    EXPECT_EQ(MusicVolume, 15); // the setting holds for this run
    EXPECT_EQ(ReadFile(dir + "/Game.cfg.tmp"), "");
}

TEST(ConfigWrite, AReadOnlyFolderOrAFullDiskLeavesTheOldFileByteForByte) {
    const std::string old = "Resolution=640 480 32\nControls=Q W E\nVSync=1\n";
    Folder readOnly{MakeTempDir("config_readonly")};
    WriteFile(readOnly.path + "/Game.cfg", old);
    if (geteuid() == 0) {
        readOnly.mounted =
            mount(readOnly.path.c_str(), readOnly.path.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
            mount(nullptr, readOnly.path.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
        if (!readOnly.mounted) GTEST_SKIP() << "mount is not permitted here";
    } else {
        chmod(readOnly.path.c_str(), 0555);
    }
    ExpectOldConfigKept(readOnly.path);
    chmod(readOnly.path.c_str(), 0755);

    Folder full{MakeTempDir("config_full_disk")};
    if (mount("tmpfs", full.path.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mount is not permitted here";
    full.mounted = true;
    WriteFile(full.path + "/Game.cfg", old);
    // Fill every block that is left.
    if (FILE* filler = std::fopen((full.path + "/filler").c_str(), "wb")) {
        const std::string block(4096, 'x');
        while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() &&
               std::fflush(filler) == 0) {
        }
        std::fclose(filler);
    }
    ExpectOldConfigKept(full.path);
}

} // namespace
