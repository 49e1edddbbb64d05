// Where the game's files go: a game folder as the working folder keeps them
// all; otherwise the data lies beside the executable and the player's files
// go to the XDG folders, with ./play's old folder kept.
#include "app/new_player.h"
#include "platform/folders_internal.h"
#include "platform/platform.h"
#include "tests/unit/test_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <string>

namespace {

std::map<std::string, std::string> Environment;

const char* FakeEnvironment(const char* name) {
    const auto found = Environment.find(name);
    return found != Environment.end() ? found->second.c_str() : nullptr;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

class GameFoldersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = MakeTempDir("game_folders");
        Environment = {{"HOME", root_ + "/home"}};
        WriteFile(root_ + "/empty/.keep", "");
    }
    void TearDown() override { UseGameFolders({}); }

    GameFolders Installed() {
        return ResolveGameFolders(root_ + "/usr/bin", root_ + "/empty", FakeEnvironment);
    }

    std::string root_;
};

TEST_F(GameFoldersTest, XdgVariablesAreUsedWhenAbsoluteAndHomeStandsInWhenUnsetEmptyOrRelative) {
    Environment["XDG_CONFIG_HOME"] = root_ + "/cfg";
    Environment["XDG_DATA_HOME"] = root_ + "/share";
    Environment["XDG_STATE_HOME"] = root_ + "/state";
    GameFolders set = Installed();
    EXPECT_EQ(set.config, root_ + "/cfg/aurelant");
    EXPECT_EQ(set.saves, root_ + "/share/aurelant");
    EXPECT_EQ(set.state, root_ + "/state/aurelant");

    const std::string home = root_ + "/home";
    for (const char* value : {"", "relative/folder"}) {
        Environment["XDG_CONFIG_HOME"] = value;
        Environment["XDG_DATA_HOME"] = value;
        Environment["XDG_STATE_HOME"] = value;
        GameFolders fallback = Installed();
        EXPECT_EQ(fallback.config, home + "/.config/aurelant") << value;
        EXPECT_EQ(fallback.saves, home + "/.local/share/aurelant") << value;
        EXPECT_EQ(fallback.state, home + "/.local/state/aurelant") << value;
    }
    Environment.erase("XDG_CONFIG_HOME");
    Environment.erase("XDG_DATA_HOME");
    Environment.erase("XDG_STATE_HOME");
    GameFolders unset = Installed();
    EXPECT_EQ(unset.config, home + "/.config/aurelant");
    EXPECT_EQ(unset.saves, home + "/.local/share/aurelant");
    EXPECT_EQ(unset.state, home + "/.local/state/aurelant");
}

TEST_F(GameFoldersTest, DataIsFoundFromTheExecutablesFolderInstalledOrInABuildTree) {
    WriteFile(root_ + "/usr/share/aurelant/Levels/Vorudu.m3d", "installed");
    EXPECT_EQ(Installed().data, root_ + "/usr/bin/../share/aurelant");

    WriteFile(root_ + "/build/data/Levels/Vorudu.m3d", "built");
    GameFolders built = ResolveGameFolders(root_ + "/build", root_ + "/empty", FakeEnvironment);
    EXPECT_EQ(built.data, root_ + "/build/data");
    UseGameFolders(built);
    FILE* file = OpenGameFile("Levels\\Vorudu.m3d", "rb");
    ASSERT_NE(file, nullptr);
    char text[6] = {};
    EXPECT_EQ(std::fread(text, 1, 5, file), 5u);
    std::fclose(file);
    EXPECT_STREQ(text, "built");
}

TEST_F(GameFoldersTest, AWorkingFolderWithGameCfgOrTheDataKeepsEveryFileInIt) {
    // The harness's run folders, ./play's folder, a folder with only the data.
    WriteFile(root_ + "/run/Game.cfg", "Resolution=1024 768 32\n");
    WriteFile(root_ + "/bare/Levels/Vorudu.m3d", "");
    WriteFile(root_ + "/usr/share/aurelant/Levels/Vorudu.m3d", "");
    for (const char* folder : {"/run", "/bare"}) {
        GameFolders folders = ResolveGameFolders(root_ + "/usr/bin", root_ + folder, FakeEnvironment);
        EXPECT_TRUE(folders.data.empty()) << folder;
        EXPECT_TRUE(folders.config.empty()) << folder;
        EXPECT_TRUE(folders.saves.empty()) << folder;
        EXPECT_TRUE(folders.state.empty()) << folder;
        UseGameFolders(folders);
        EXPECT_FALSE(PlayerFilesInHomeFolders());
        EXPECT_EQ(HostPath("Save/Slot1.sav"), "Save/Slot1.sav");
        EXPECT_EQ(HostPath("Levels\\Vorudu Dungeon.m3d"), "Levels/Vorudu Dungeon.m3d");
        EXPECT_EQ(HostPath("Log.txt"), "Log.txt");
    }
}

TEST_F(GameFoldersTest, EachGamePathGoesToItsFolderAndAbsolutePathsStayPut) {
    UseGameFolders({"/d", "/c", "/s", "/l"});
    EXPECT_TRUE(PlayerFilesInHomeFolders());
    const std::pair<const char*, const char*> paths[] = {
        {"Game.cfg", "/c/Game.cfg"},
        {"Game.cfg.tmp", "/c/Game.cfg.tmp"}, // written beside it, so the rename stays in one folder
        {"Log.txt", "/l/Log.txt"},
        {"Save", "/s/Save"},
        {"Save/Slot1.sav", "/s/Save/Slot1.sav"},
        {"Save/Slot5.sav.tmp", "/s/Save/Slot5.sav.tmp"},
        {"Save\\Slot2.sav", "/s/Save/Slot2.sav"},
        {"Levels\\Vorudu.m3d", "/d/Levels/Vorudu.m3d"},
        {"Textures/Quit.tga", "/d/Textures/Quit.tga"},
        {"Saved.txt", "/d/Saved.txt"},
        {"Levels\\Game.cfg", "/d/Levels/Game.cfg"},
        {"/tmp/shot.png", "/tmp/shot.png"},
        {"", ""},
        {nullptr, ""},
    };
    for (const auto& [game, host] : paths) EXPECT_EQ(HostPath(game), host) << (game ? game : "null");
}

TEST_F(GameFoldersTest, PlaysOldFolderKeepsItsSavesInPlaceAndLendsItsGameCfg) {
    // ./play kept Game.cfg, Save/ and Log.txt together in $XDG_DATA_HOME/aurelant.
    const std::string old = root_ + "/home/.local/share/aurelant";
    WriteFile(old + "/Game.cfg", "Resolution=800 600 32\n");
    WriteFile(old + "/Save/Slot1.sav", "slot one");
    WriteFile(old + "/Log.txt", "old log");
    const GameFolders folders = Installed();
    PrepareGameFolders(folders);
    UseGameFolders(folders);
    EXPECT_TRUE(IsFolder(folders.state));
    EXPECT_EQ(ReadFile(folders.config + "/Game.cfg"), "Resolution=800 600 32\n");
    EXPECT_EQ(ReadFile(old + "/Game.cfg"), "Resolution=800 600 32\n");
    FILE* slot = OpenGameFile("Save/Slot1.sav", "rb");
    ASSERT_NE(slot, nullptr);
    std::fclose(slot);
    EXPECT_EQ(ReadFile(old + "/Log.txt"), "old log");

    // The config folder's own file wins from then on, and the copy never comes again.
    WriteFile(folders.config + "/Game.cfg", "Resolution=640 480 32\n");
    WriteFile(old + "/Game.cfg", "Resolution=1024 768 32\n");
    PrepareGameFolders(folders);
    EXPECT_EQ(ReadFile(folders.config + "/Game.cfg"), "Resolution=640 480 32\n");
    WriteNewPlayerConfig();
    EXPECT_EQ(ReadFile(folders.config + "/Game.cfg"), "Resolution=640 480 32\n");
}

TEST_F(GameFoldersTest, ANewPlayerOfTheInstalledGameGetsAGameCfgAndARunFolderNever) {
    const GameFolders folders = Installed();
    PrepareGameFolders(folders);
    EXPECT_TRUE(IsFolder(folders.config));
    EXPECT_TRUE(IsFolder(folders.saves));
    EXPECT_TRUE(IsFolder(folders.state));
    UseGameFolders(folders);
    WriteNewPlayerConfig();
    EXPECT_EQ(ReadFile(folders.config + "/Game.cfg"), NewPlayerConfig);

    const std::string run = MakeTempDir("game_folders_run");
    ScopedWorkingDir inRun(run);
    UseGameFolders({});
    WriteNewPlayerConfig();
    EXPECT_EQ(ListFiles(run).size(), 0u);
}

} // namespace
