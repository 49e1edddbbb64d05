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
#include <vector>

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
    const auto player = [](const GameFolders& f) {
        return std::vector<std::string>{f.config, f.saves, f.state};
    };
    EXPECT_EQ(player(Installed()),
              (std::vector<std::string>{root_ + "/cfg/aurelant", root_ + "/share/aurelant",
                                        root_ + "/state/aurelant"}));

    const std::string home = root_ + "/home";
    const std::vector<std::string> fallback = {home + "/.config/aurelant", home + "/.local/share/aurelant",
                                               home + "/.local/state/aurelant"};
    for (const char* value : {"", "relative/folder", static_cast<const char*>(nullptr)}) {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
            if (value)
                Environment[name] = value;
            else
                Environment.erase(name);
        }
        EXPECT_EQ(player(Installed()), fallback) << (value ? value : "unset");
    }
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
        EXPECT_TRUE(folders.data.empty() && folders.config.empty() && folders.saves.empty() &&
                    folders.state.empty())
            << folder;
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
    for (const std::string& folder : {folders.config, folders.saves, folders.state})
        EXPECT_TRUE(IsFolder(folder)) << folder;
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
