// The world's seven levels, filled in code once the level models are loaded.
#include "world/level_table.h"

std::vector<LevelRecord> LevelTable;
int32_t LevelCount = 0;
Model3D VillagerModel;

namespace {

struct LevelStart {
    const char* name;
    const char* music;
    const char* battleIntroScript;
    uint8_t randomBattles;
    std::vector<int32_t> monsterKinds;
};

const LevelStart kLevels[kLevelTotal] = {
    {"Vorudu", "Music\\Sad.wav", "Scripts\\TBGIntro", 0, {MonsterOgre, MonsterBat, MonsterToad}},
    {"Vorudu Dungeon", "Music\\Fuzzy.wav", "Scripts\\TDBGIntro", 1, {MonsterOgre, MonsterBat}},
    {"World Map", "Music\\Alone.wav", "Scripts\\WMBGIntro", 1, {MonsterOgre, MonsterBat, MonsterToad}},
    {"Forgotten Forest", "Music\\Flow.wav", "Scripts\\WMBGIntro", 0, {MonsterOgre, MonsterBat, MonsterToad}},
    {"Mistilia", "Music\\Sad.wav", "Scripts\\WMBGIntro", 0, {MonsterOgre, MonsterBat, MonsterToad}},
    {"Dungeon of the Damned", "Music\\Fuzzy.wav", "Scripts\\TDBGIntro", 1, {MonsterScorpion, MonsterSpike}},
    {"Pisceria", "Music\\Battle.wav", "Scripts\\TDBGIntro", 0, {}},
};

struct ChestStart {
    int32_t level;
    CVector3 position;
    float yaw;
    int32_t content;
    int32_t index; // into the item, Swarp or Warp table
    int32_t count; // items found; -1 keeps the item table's count
};

constexpr ChestStart kChests[] = {
    {LevelVorudu, {-14.2f, 0.1f, -34.9f}, 120.0f, ChestSwarp, SwarpTunner, -1},
    {LevelVorudu, {130.16f, 2.48f, -99.04f}, 0.0f, ChestSwarp, SwarpDefender, -1},
    {LevelVoruduDungeon, {-15.1f, 0.0f, 11.5f}, 0.0f, ChestItem, ItemPotion, -1},
    {LevelForgottenForest, {-78.71f, 2.19f, 3.34f}, -90.0f, ChestSwarp, SwarpSling, -1},
    {LevelForgottenForest, {-20.5f, 0.4f, 6.0f}, 270.0f, ChestWarp, WarpFire, -1},
    {LevelMistilia, {-51.31f, 1.41f, 96.25f}, 0.0f, ChestItem, ItemPotion, -1},
    {LevelMistilia, {-51.2f, 7.2f, 11.81f}, 0.0f, ChestItem, ItemEther, 2},
    {LevelDamnedDungeon, {90.27522f, 0.43f, 21.86f}, 0.0f, ChestItem, ItemPotion, 10},
    {LevelDamnedDungeon, {89.52566f, 0.377132f, -20.220188f}, 180.0f, ChestItem, ItemEther, 3},
    {LevelDamnedDungeon, {198.04303f, 2.417633f, 94.30807f}, 90.0f, ChestSwarp, SwarpGunner, -1},
    {LevelDamnedDungeon, {230.85106f, -20.63955f, 149.82922f}, 90.0f, ChestItem, ItemElixir, 2},
    {LevelDamnedDungeon, {111.13237f, -23.319221f, 303.106f}, 0.0f, ChestWarp, WarpMegaAll, -1},
    {LevelDamnedDungeon, {-6.008882f, -30.075775f, 272.43488f}, 270.0f, ChestWarp, WarpKintos, -1},
};

struct ExitStart {
    int32_t level;
    float triggerX, triggerZ;
    int32_t targetLevel;
    CVector3 eye;
    CVector3 view;
    CVector3 position;
    float yaw;
};

// Arrival yaws outside 0..360 are kept as they are: they only ever feed a rotation.
constexpr ExitStart kExits[] = {
    {LevelVorudu,
     -129.3f,
     4.1f,
     LevelVoruduDungeon,
     {-31.60284f, 3.889996f, -12.721773f},
     {-29.080475f, 3.110001f, -7.277718f},
     {-29.080475f, 0.5f, -7.27772f},
     24.859537f},
    {LevelVorudu,
     228.94f,
     25.94f,
     LevelWorldMap,
     {-49.1121f, 8.422311f, 99.979614f},
     {-49.144905f, 7.522295f, 94.97978f},
     {-49.144905f, 4.972289f, 94.97979f},
     180.37498f},
    {LevelVoruduDungeon,
     -30.5f,
     -15.5f,
     LevelVorudu,
     {-127.414444f, 3.733447f, 3.741f},
     {-122.414986f, 2.173442f, 3.817961f},
     {-122.414986f, -0.046553f, 3.817961f},
     -270.88324f},
    {LevelWorldMap,
     -49.8f,
     100.8f,
     LevelVorudu,
     {226.42395f, 3.472696f, 24.315054f},
     {221.4341f, 2.72267f, 23.999645f},
     {221.4341f, 0.097713f, 23.999645f},
     -453.61798f},
    {LevelWorldMap,
     -39.0f,
     88.0f,
     LevelForgottenForest,
     {-5.788085f, 5.547374f, 80.10563f},
     {-5.599366f, 4.88734f, 75.10941f},
     {-5.599367f, 2.217387f, 75.10941f},
     -542.1632f},
    {LevelWorldMap,
     -37.44f,
     72.17f,
     LevelMistilia,
     {19.594336f, 6.841897f, 109.12051f},
     {19.473398f, 6.451863f, 104.12221f},
     {19.473398f, 3.6469f, 104.12221f},
     181.38719f},
    // The road out shares exit 2's arrival camera, so the hero lands at exit 2's
    // height under it: anywhere lower he would stand on nothing and sink with
    // the camera at every step.
    {LevelWorldMap,
     -35.84f,
     55.9f,
     LevelRoadPass,
     {19.594336f, 6.841897f, 109.12051f},
     {19.473398f, 6.451863f, 104.12221f},
     {19.473398f, 3.6469f, 104.12221f},
     181.38719f},
    {LevelForgottenForest,
     -3.45f,
     88.92f,
     LevelWorldMap,
     {-36.88473f, 8.512304f, 87.27014f},
     {-36.725372f, 7.432292f, 82.272675f},
     {-36.725372f, 4.972289f, 82.27268f},
     178.1725f},
    {LevelMistilia,
     17.053457f,
     127.13f,
     LevelWorldMap,
     {-35.983013f, 8.452307f, 72.10855f},
     {-35.82285f, 7.492291f, 67.11113f},
     {-35.82285f, 4.972289f, 67.11114f},
     178.16322f},
    {LevelMistilia,
     -64.15f,
     -93.86f,
     LevelDamnedDungeon,
     {57.266624f, 3.532242f, 0.590712f},
     {62.24905f, 3.172276f, 0.174641f},
     {62.249054f, 0.852242f, 0.174633f},
     94.0f},
    {LevelDamnedDungeon,
     59.32f,
     0.37f,
     LevelMistilia,
     {-63.659878f, 18.68704f, -93.368416f},
     {-59.04963f, 17.756857f, -91.43346f},
     {-59.04963f, 15.221634f, -91.43346f},
     427.23376f},
};

VillagerRecord MakeVillager(const VillagerStart& start) {
    VillagerRecord villager{};
    villager.Model = &VillagerModel;
    villager.Position = start.position;
    villager.Rotation = {0.0f, start.yaw, 0.0f};
    CopyName(villager.Name, start.name);
    for (int i = 0; i < kVillagerLineCount; ++i) CopyName(villager.Lines[i], start.lines[i]);
    if (start.saleItem >= 0 && start.saleItem < kItemCount) villager.SaleItem = ItemTable[start.saleItem];
    if (start.saleSwarp >= 0 && start.saleSwarp < kSwarpTemplateCount)
        villager.SaleSwarp = SwarpTable[start.saleSwarp];
    villager.Price = start.price;
    villager.Service = start.service;
    return villager;
}

ChestRecord MakeChest(const ChestStart& start) {
    ChestRecord chest{};
    chest.Position = start.position;
    chest.Rotation = {0.0f, start.yaw, 0.0f};
    chest.Content = start.content;
    switch (start.content) {
    case ChestItem:
        chest.Item = ItemTable[start.index];
        if (start.count >= 0) chest.Item.Count = start.count;
        break;
    case ChestSwarp:
        chest.Swarp = SwarpTable[start.index];
        break;
    case ChestWarp:
        chest.Warp = WarpTable[start.index];
        break;
    default:
        break;
    }
    return chest;
}

ExitRecord MakeExit(const ExitStart& start) {
    ExitRecord exit{};
    exit.Trigger = {start.triggerX, 0.0f, start.triggerZ};
    exit.ArrivalEye = start.eye;
    exit.ArrivalView = start.view;
    exit.ArrivalPosition = start.position;
    exit.ArrivalRotation = {0.0f, start.yaw, 0.0f};
    exit.TargetLevel = start.targetLevel;
    return exit;
}

} // namespace

void AppendDefaultLevels() {
    for (int i = 0; i < kLevelTotal; ++i) LevelTable.emplace_back();
    LevelCount = kLevelTotal;
}

void BuildLevelTable() {
    // The models are already loaded into the records; only grow the table when
    // start-up did not make room for every level.
    if (LevelTable.size() < static_cast<size_t>(kLevelTotal)) LevelTable.resize(kLevelTotal);
    LevelCount = kLevelTotal;

    for (int index = 0; index < kLevelTotal; ++index) {
        const LevelStart& start = kLevels[index];
        LevelRecord& level = LevelTable[index];
        level.Name = start.name;
        level.Music = start.music;
        CopyName(level.BattleIntroScript, start.battleIntroScript);
        level.RandomBattles = start.randomBattles;

        level.Villagers.clear();
        for (size_t i = 0; i < VillagerStartCount; ++i)
            if (VillagerStarts[i].level == index) level.Villagers.push_back(MakeVillager(VillagerStarts[i]));
        level.Chests.clear();
        for (const ChestStart& chest : kChests)
            if (chest.level == index) level.Chests.push_back(MakeChest(chest));
        level.Exits.clear();
        for (const ExitStart& exit : kExits)
            if (exit.level == index) level.Exits.push_back(MakeExit(exit));
        level.MonsterKinds = start.monsterKinds;

        level.VillagerCount = static_cast<int32_t>(level.Villagers.size());
        level.ChestCount = static_cast<int32_t>(level.Chests.size());
        level.ExitCount = static_cast<int32_t>(level.Exits.size());
        level.MonsterKindCount = static_cast<int32_t>(level.MonsterKinds.size());
    }

    ResetHero(Hero);
    InitMonsterTables();
}
