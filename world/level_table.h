// The seven levels of the world with their models, music, villagers, chests
// and exits. There is no level file: the table is filled in code at start-up,
// after the level models have been loaded into it.
#pragma once

#include "assets/model3d.h"
#include "assets/vector.h"
#include "records/records.h"

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kVillagerTextSize = 70;
constexpr int kVillagerLineCount = 4;

enum VillagerService : int32_t {
    ServiceTalk = 0,
    ServiceHealer = 1,
    ServiceSwarpSmith = 2,
    ServiceWarpShop = 3,
};

enum ChestContent : int32_t {
    ChestItem = 0,
    ChestSwarp = 1,
    ChestWarp = 2,
};

struct VillagerRecord {
    Model3D* Model = nullptr;
    CVector3 Position = {0, 0, 0};
    CVector3 Rotation = {0, 0, 0};
    // Name and Lines lie back to back: talking copies the five texts as one block.
    char Name[kVillagerTextSize] = {};
    char Lines[kVillagerLineCount][kVillagerTextSize] = {};
    ItemRecord SaleItem = {};
    SwarpRecord SaleSwarp = {};
    int32_t Price = 0;
    int32_t Service = ServiceTalk;
};
static_assert(offsetof(VillagerRecord, Lines) == offsetof(VillagerRecord, Name) + kVillagerTextSize);
static_assert(sizeof(VillagerRecord::Name) + sizeof(VillagerRecord::Lines) ==
              (1 + kVillagerLineCount) * kVillagerTextSize);

struct ChestRecord {
    CVector3 Position = {0, 0, 0};
    CVector3 Rotation = {0, 0, 0};
    uint8_t Opened = 0;
    uint8_t Opening = 0;
    int32_t Frame = 0;
    ItemRecord Item = {};
    SwarpRecord Swarp = {};
    WarpRecord Warp = {};
    int32_t Content = ChestItem;
};

struct ExitRecord {
    CVector3 Trigger = {0, 0, 0};
    CVector3 ArrivalEye = {0, 0, 0};
    CVector3 ArrivalView = {0, 0, 0};
    CVector3 ArrivalPosition = {0, 0, 0};
    CVector3 ArrivalRotation = {0, 0, 0};
    int32_t TargetLevel = 0;
};

struct LevelRecord {
    Model3D Mesh;
    Model3D BattleGround;
    Model3D CollisionMesh;
    char BattleIntroScript[32] = {};
    const char* Name = "";
    const char* Music = "";
    int32_t VillagerCount = 0;
    std::vector<VillagerRecord> Villagers;
    int32_t ChestCount = 0;
    std::vector<ChestRecord> Chests;
    int32_t ExitCount = 0;
    std::vector<ExitRecord> Exits;
    uint8_t RandomBattles = 0;
    int32_t MonsterKindCount = 0;
    std::vector<int32_t> MonsterKinds;
};

// The levels in table order.
enum LevelNumber : int32_t {
    LevelVorudu = 0,
    LevelVoruduDungeon = 1,
    LevelWorldMap = 2,
    LevelForgottenForest = 3,
    LevelMistilia = 4,
    LevelDamnedDungeon = 5,
    LevelRoadPass = 6,
};
constexpr int32_t kLevelTotal = 7;

extern std::vector<LevelRecord> LevelTable;
extern int32_t LevelCount;

// The one model every villager is drawn with ("Objects\Vorudu\Villager.m3d").
extern Model3D VillagerModel;

// Make room for the seven levels so their models can be loaded into them.
void AppendDefaultLevels();
// Fill the levels (keeping the models already loaded into them), then give the
// hero, the monster templates and the roster their new-game values. The item,
// Swarp and Warp tables must be filled before: chests and shops copy them.
void BuildLevelTable();

// Who stands where, says what and sells what. A line not spoken is null.
struct VillagerStart {
    int32_t level;
    const char* name;
    CVector3 position;
    float yaw;
    int32_t service;
    const char* lines[kVillagerLineCount];
    int32_t price;
    int32_t saleItem;  // index into the item table, -1 for none
    int32_t saleSwarp; // index into the Swarp table, -1 for none
};
extern const VillagerStart VillagerStarts[];
extern const size_t VillagerStartCount;
