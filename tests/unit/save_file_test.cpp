// The slot files: their byte layout, the round trip through a file, saves that
// fail part-way, and damaged files that must be refused without a trace.
#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/log.h"
#include "menus/save_file.h"
#include "menus/slot_actions.h"
#include "menus/slot_list.h"
#include "records/records.h"
#include "tests/unit/test_support.h"
#include "world/level_table.h"
#include "world/story_flags.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

// File operations that pass through to the host's until told to fail.
struct FailingOps {
    static inline size_t writeLimit = SIZE_MAX; // bytes a write lets through
    static inline bool failSync = false;
    static inline bool failClose = false;
    static inline bool failRename = false;
    static inline int errorBoxes = 0;

    static void Reset() {
        writeLimit = SIZE_MAX;
        failSync = failClose = failRename = false;
        errorBoxes = 0;
    }
    static size_t Write(const void* data, size_t size, FILE* file) {
        const size_t allowed = size < writeLimit ? size : writeLimit;
        return HostSaveFileOps.Write(data, allowed, file);
    }
    static bool Sync(FILE* file) { return !failSync && HostSaveFileOps.Sync(file); }
    static int Close(FILE* file) {
        const int closed = HostSaveFileOps.Close(file);
        return failClose ? -1 : closed;
    }
    static bool Rename(const char* from, const char* to) {
        return !failRename && HostSaveFileOps.Rename(from, to);
    }
    static void ShowError(const char*, const char* title) {
        EXPECT_STREQ(title, "Error");
        ++errorBoxes;
    }
};

const SaveFileOps kFailingOps = {
    HostSaveFileOps.Open,       FailingOps::Write,          FailingOps::Sync,
    FailingOps::Close,          FailingOps::Rename,         HostSaveFileOps.Remove,
    HostSaveFileOps.SyncFolder, HostSaveFileOps.MakeFolder, FailingOps::ShowError};

std::string Bytes(const std::vector<uint8_t>& v) {
    return std::string(v.begin(), v.end());
}

int32_t Int32At(const std::string& file, size_t at) {
    return static_cast<int32_t>(static_cast<uint8_t>(file[at]) | static_cast<uint8_t>(file[at + 1]) << 8 |
                                static_cast<uint8_t>(file[at + 2]) << 16 |
                                static_cast<uint32_t>(static_cast<uint8_t>(file[at + 3])) << 24);
}

class SaveFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = MakeTempDir("save_file");
        cwd_ = std::make_unique<ScopedWorkingDir>(dir_);
        ResetRecords();
        LevelTable.clear();
        AppendDefaultLevels();
        BuildLevelTable();
        FailingOps::Reset();
        SaveOps = &kFailingOps;
        SlotInfoRead = 0;
        SaveSlotCursor = 0;
        for (SlotSummary& s : SlotSummaries) s = SlotSummary{};
        // A game well under way.
        Hero.Gold = 1234;
        Hero.Level = 4;
        Hero.SwordSlots[2].Open = 1;
        Hero.WarpHolders[0][1] = WarpTemplate(WarpFire);
        Hero.WarpHolders[0][1].WarpLevel = 2;
        HeldItems[ItemEther].Count = 7;
        PlayHours = 1;
        PlayMinutes = 2;
        PlaySeconds = 3;
        Camera = {{1, 2, 3}, {4, 5, 6}, {0, 1, 0}};
        HeroPosition = {-15.5f, 0.25f, 11.0f};
        HeroRotation = {0, 135, 0};
        CurrentLevel = 2;
        FirstChest().Opened = 1;
        FirstChest().Frame = 33;
        const uint8_t flags[6] = {1, 0, 1, 1, 0, 1};
        std::memcpy(StoryFlags, flags, sizeof flags);
    }
    void TearDown() override { SaveOps = &HostSaveFileOps; }

    // The chest whose state the file holds first.
    static ChestRecord& FirstChest() {
        for (LevelRecord& level : LevelTable)
            if (!level.Chests.empty()) return level.Chests[0];
        throw std::logic_error("no chests");
    }

    std::string Slot(int k) { return ReadFile(dir_ + "/Save/Slot" + std::to_string(k) + ".sav"); }
    std::vector<std::string> Files() { return ListFiles(dir_ + "/Save"); }

    std::string dir_;
    std::unique_ptr<ScopedWorkingDir> cwd_;
};

TEST_F(SaveFile, TheLayoutIsFixedLittleEndianAndEndsWithTheStoryFlags) {
    ASSERT_EQ(SaveFileLength(), 5747u);
    const std::string file = Bytes(EncodeSave());
    ASSERT_EQ(file.size(), 5747u);
    EXPECT_EQ(file.substr(0, 9), std::string("Deduvavi\0", 9));
    EXPECT_EQ(Int32At(file, offsetof(HeroRecord, Gold)), 1234);
    EXPECT_EQ((Figures{Int32At(file, 5280), Int32At(file, 5284), Int32At(file, 5288)}),
              (Figures{3, 2, 1})); // seconds, minutes, hours
    float x;
    const uint32_t bits = static_cast<uint32_t>(Int32At(file, 5328));
    std::memcpy(&x, &bits, 4);
    EXPECT_EQ(x, -15.5f);
    EXPECT_EQ(Int32At(file, 5352 + 64 * ItemEther + 40), 7);
    EXPECT_EQ(Int32At(file, 5672), 2);
    EXPECT_EQ(file[5676], 1);
    EXPECT_EQ(Int32At(file, 5677), 33);
    EXPECT_EQ(file.substr(5741), std::string("\1\0\1\1\0\1", 6));
}

TEST_F(SaveFile, ASaveLoadsBackEveryFieldAndClosesChestsOpenedSince) {
    const HeroRecord saved = Hero;
    ASSERT_TRUE(SaveSlotAction()); // SaveSlotCursor 0
    SaveSlotCursor = 2;
    ASSERT_TRUE(SaveSlotAction());
    EXPECT_EQ(Slot(3).size(), 5747u); // the Save folder was made for it
    EXPECT_EQ(Files().size(), 2u);    // no temporary file stays behind

    Hero.Gold = 1;
    Hero.WarpHolders[0][1] = WarpRecord{};
    HeldItems[ItemEther].Count = 0;
    PlayHours = 9;
    Camera.Position = {0, 0, 0};
    HeroPosition = {0, 0, 0};
    CurrentLevel = 5;
    LevelTable[3].Chests[0].Opened = 1;
    LevelTable[3].Chests[0].Frame = 33;
    StoryFlags[1] = 1;
    ASSERT_TRUE(LoadGame("Save/Slot3.sav"));

    EXPECT_EQ(std::memcmp(&Hero, &saved, sizeof Hero), 0);
    EXPECT_EQ(std::tuple(Camera.Position.z, HeroPosition.x), std::tuple(3.0f, -15.5f));
    EXPECT_EQ((Figures{HeldItems[ItemEther].Count, PlayHours, CurrentLevel, FirstChest().Opened,
                       LevelTable[3].Chests[0].Opened, LevelTable[3].Chests[0].Frame, StoryFlags[1],
                       FailingOps::errorBoxes}),
              (Figures{7, 1, 2, 1, 0, 0, 0, 0}));
}

TEST_F(SaveFile, ASaveThatFailsAnywhereLeavesThePreviousSlotAsItWas) {
    ASSERT_TRUE(SaveGame("Save/Slot1.sav"));
    const std::string before = Slot(1);
    Hero.Gold = 99;
    const std::string next = Bytes(EncodeSave());
    ASSERT_NE(before, next);

    int boxes = 0;
    for (size_t cut = 0; cut < next.size(); ++cut) {
        FailingOps::writeLimit = cut;
        ASSERT_FALSE(SaveGame("Save/Slot1.sav")) << cut;
        ASSERT_EQ(Slot(1), before) << cut;
        ASSERT_EQ(Files().size(), 1u) << cut;
        ASSERT_EQ(FailingOps::errorBoxes, ++boxes);
    }
    FailingOps::writeLimit = SIZE_MAX;
    for (bool* fault : {&FailingOps::failSync, &FailingOps::failClose, &FailingOps::failRename}) {
        *fault = true;
        EXPECT_FALSE(SaveGame("Save/Slot1.sav"));
        EXPECT_EQ(Slot(1), before);
        EXPECT_EQ(Files().size(), 1u);
        *fault = false;
    }
    // The failure is logged as one, and the old slot still loads.
    FailingOps::failSync = true;
    EXPECT_FALSE(SaveSlotAction());
    EXPECT_NE(ReadFile(dir_ + "/" + LogFileName).find("Could not Save Save Slot:Save/Slot1.sav"),
              std::string::npos);
    EXPECT_TRUE(LoadGame("Save/Slot1.sav"));
    EXPECT_EQ(Hero.Gold, 1234);
    FailingOps::failSync = false;
    EXPECT_TRUE(SaveGame("Save/Slot1.sav"));
    EXPECT_EQ(Slot(1), Bytes(EncodeSave()));
}

TEST_F(SaveFile, ShortAndLongSlotsAreRefusedAndChangeNothing) {
    const std::string good = Bytes(EncodeSave());
    Hero.Gold = 5;
    CurrentLevel = 1;
    const std::string state = Bytes(EncodeSave());
    for (size_t size :
         {size_t{0}, size_t{1}, size_t{5292}, good.size() - 1, good.size() + 1, good.size() + 4096}) {
        std::string file = good;
        file.resize(size, '\0');
        WriteFile(dir_ + "/Save/Slot2.sav", file);
        EXPECT_FALSE(LoadGame("Save/Slot2.sav")) << size;
        EXPECT_STRNE(SaveRefusal, "") << size;
        EXPECT_EQ(Bytes(EncodeSave()), state) << size;
        ReadSlotSummaries();
        EXPECT_FALSE(SlotRow(1).Saved) << size;
        EXPECT_EQ(std::string(SlotRow(1).Middle).rfind("Cannot Load: file too ", 0), 0u) << SlotRow(1).Middle;
    }
    // The refusal is logged with the slot; a missing slot is not.
    SaveSlotCursor = 1;
    EXPECT_FALSE(LoadSlotIntoField(1));
    EXPECT_FALSE(LoadSlotIntoField(3));
    const std::string log = ReadFile(dir_ + "/" + LogFileName);
    EXPECT_NE(log.find("Could not Load Save Slot:Save/Slot2.sav (file too long)"), std::string::npos) << log;
    EXPECT_EQ(log.find("Slot4"), std::string::npos);
}

TEST_F(SaveFile, AnyFlippedBitLoadsInRangeOrIsRefusedUntouched) {
    const std::vector<uint8_t> good = EncodeSave();
    Hero.Gold = 5;
    const std::vector<uint8_t> state = EncodeSave();
    int refused = 0;
    for (size_t bit = 0; bit < good.size() * 8; ++bit) {
        std::vector<uint8_t> file = good;
        file[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
        if (!DecodeSave(file.data(), file.size())) {
            ++refused;
            ASSERT_EQ(EncodeSave(), state) << bit;
            continue;
        }
        // Everything a table is indexed with stays inside its table.
        ASSERT_GE(CurrentLevel, 0) << bit;
        ASSERT_LT(CurrentLevel, LevelCount) << bit;
        for (const LevelRecord& level : LevelTable)
            for (const ChestRecord& chest : level.Chests) {
                ASSERT_LE(chest.Opened, 1) << bit;
                ASSERT_GE(chest.Frame, 0) << bit;
                ASSERT_LE(chest.Frame, 33) << bit;
            }
        ASSERT_NE(std::memchr(Hero.Name, 0, sizeof Hero.Name), nullptr) << bit;
        for (const auto& holder : Hero.WarpHolders)
            for (const WarpRecord& warp : holder) {
                ASSERT_GE(warp.WarpLevel, 0) << bit;
                ASSERT_LE(warp.WarpLevel, 3) << bit;
                ASSERT_GE(warp.Kind, 0) << bit;
                ASSERT_LE(warp.Kind, 2) << bit;
            }
        for (uint8_t flag : StoryFlags) ASSERT_LE(flag, 1) << bit;
        ASSERT_GE(PlaySeconds, 0) << bit;
        ASSERT_LE(PlaySeconds, 59) << bit;
        RebuildSpellLists();
        ASSERT_TRUE(DecodeSave(state.data(), state.size()));
    }
    // Sign bits, flags, terminators and the level are all caught somewhere.
    EXPECT_GT(refused, 1000);
}

TEST_F(SaveFile, TheSlotListShowsTimeAsHoursMinutesSecondsAndZeroHpAsFree) {
    ASSERT_TRUE(SaveGame("Save/Slot1.sav"));
    Hero.HP = 0;
    ASSERT_TRUE(SaveGame("Save/Slot2.sav"));
    ReadSlotSummaries();
    const SlotRowText saved = SlotRow(0);
    ASSERT_TRUE(saved.Saved);
    EXPECT_EQ(std::vector<std::string>({saved.Time, saved.Name, saved.Hp}),
              std::vector<std::string>({"Time 1:2:3", "Deduvavi LV4", "HP 500/500"}));
    EXPECT_FALSE(SlotRow(1).Saved);
    EXPECT_STREQ(SlotRow(1).Middle, "Free Slot");
    EXPECT_STREQ(SlotRow(4).Middle, "Free Slot"); // no file at all
    // A slot saved with 0 HP is free to the list but still loads.
    EXPECT_TRUE(LoadGame("Save/Slot2.sav"));
}

} // namespace
