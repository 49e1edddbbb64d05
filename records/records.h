// The game's records: the hero, his stones and skills, the items, the monsters,
// and the tables they are copied from. The hero and item records are written
// byte for byte into save files, so their layouts are fixed, pad bytes
// included, and every pad byte is a named field that starts at zero.
#pragma once

#include "assets/animation.h"
#include "assets/model3d.h"
#include "assets/vector.h"
#include "records/names.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

struct SkillRecord {
    int32_t FuryPercent = 0;
    int32_t SkillLevel = 0;
    char Name[15] = {};
    uint8_t Learned = 0;
    uint8_t Selected = 0;
    uint8_t Padding[3] = {};
};

struct SwarpRecord {
    char Name[10] = {};
    uint8_t Open = 0;
    uint8_t Padding = 0;
    int32_t ColorR = 0;
    int32_t ColorG = 0;
    int32_t ColorB = 0;
    int32_t AddAttack = 0;
    int32_t AddDefense = 0;
    int32_t AddDexterity = 0;
    int32_t AddLuck = 0;
    int32_t AddMagicDefense = 0;
    int32_t AddMaxHP = 0;
    int32_t AddMaxMP = 0;
};

enum WarpKind : int32_t {
    WarpMagic = 0,
    WarpSupport = 1,
    WarpSummon = 2,
};

struct WarpRecord {
    uint8_t Present = 0;
    char Name[10] = {};
    char SpellName[3][10] = {};
    uint8_t Padding[3] = {};
    int32_t ColorR = 0;
    int32_t ColorG = 0;
    int32_t ColorB = 0;
    int32_t WarpLevel = 0;
    int32_t MaxWarpLevel = 0;
    int32_t WarpExp = 0;
    int32_t NextWarpExp = 0;
    int32_t MpCost[3] = {};
    int32_t Kind = 0;
};

constexpr int kSkillCount = 4;
constexpr int kSwordSlotCount = 8;
constexpr int kSwarpBagSize = 12;
constexpr int kWarpHolderCount = 2;
constexpr int kWarpHolderSlots = 8;
constexpr int kWarpBagSize = 30;

struct HeroRecord {
    char Name[12] = {};
    int32_t HP = 0;
    int32_t MaxHP = 0;
    int32_t MP = 0;
    int32_t MaxMP = 0;
    int32_t Level = 0;
    int32_t Exp = 0;
    int32_t NextLevelExp = 0;
    int32_t Gold = 0;
    int32_t AttackTimer = 0;
    int32_t FuryBar = 0;
    int32_t Attack = 0;
    int32_t Defense = 0;
    int32_t Dexterity = 0;
    int32_t Luck = 0;
    int32_t MagicDefense = 0;
    uint8_t Dead = 0;
    uint8_t Padding[3] = {};
    float DeathSink = 0.0f;
    SkillRecord Skills[kSkillCount] = {};
    SwarpRecord SwordSlots[kSwordSlotCount] = {};
    SwarpRecord SwarpBag[kSwarpBagSize] = {};
    WarpRecord WarpHolders[kWarpHolderCount][kWarpHolderSlots] = {};
    WarpRecord WarpBag[kWarpBagSize] = {};
};

struct ItemRecord {
    char Name[10] = {};
    char Description[30] = {};
    int32_t Count = 0;
    int32_t HpRestore = 0;
    int32_t MpRestore = 0;
    float ColorR = 0.0f;
    float ColorG = 0.0f;
    float ColorB = 0.0f;
};

// Not a file format: it refers to models and animations loaded at start-up.
struct MonsterRecord {
    char Name[12] = {};
    Model3D* Model = nullptr;
    Animation* IdleAnim = nullptr;
    Animation* AttackAnim = nullptr;
    int32_t Frame = 0;
    int32_t HP = 0;
    int32_t MaxHP = 0;
    int32_t MP = 0;
    int32_t MaxMP = 0;
    int32_t ExpReward = 0;
    int32_t GoldReward = 0;
    int32_t WarpExpReward = 0;
    int32_t AttackTimer = 0;
    int32_t Attack = 0;
    int32_t Defense = 0;
    int32_t Dexterity = 0;
    int32_t Luck = 0;
    int32_t MagicDefense = 0;
    uint8_t Dead = 0;
    uint8_t Acting = 0;
    uint8_t Ready = 0;
    float DeathSink = 0.0f;
    CVector3 Position = {0, 0, 0};
    CVector3 Home = {0, 0, 0};
};

// One castable Warp in the battle and menu lists. The names point into the
// hero record, so the lists must be rebuilt whenever the holders change.
struct SpellEntry {
    int32_t MpCost[3] = {};
    int32_t WarpLevel = 0;
    const char* Name = "";
    const char* SpellName[3] = {"", "", ""};
};

// ---- Tables ----

constexpr int kItemCount = 5;
enum ItemIndex : int32_t { ItemPotion = 0, ItemEther, ItemHiPotion, ItemHiEther, ItemElixir };

constexpr int kSwarpTemplateCount = 4;
enum SwarpIndex : int32_t { SwarpSling = 0, SwarpTunner, SwarpGunner, SwarpDefender };

constexpr int kWarpTemplateCount = 4;
enum WarpIndex : int32_t { WarpIce = 0, WarpFire, WarpMegaAll, WarpKintos };

constexpr int kMonsterTemplateCount = 7;
constexpr int kMonsterRosterSize = 6;
enum MonsterIndex : int32_t {
    MonsterOgre = 0,
    MonsterBat,
    MonsterToad,
    MonsterBehemoth,
    MonsterScorpion,
    MonsterSpike,
    MonsterLimbus
};

constexpr int kSpellListSize = 18;
constexpr int kSummonListSize = 10;

extern HeroRecord Hero;
extern ItemRecord ItemTable[kItemCount]; // the item kinds as built at start-up
extern ItemRecord HeldItems[kItemCount]; // what the hero carries; saved with the game
extern SwarpRecord SwarpTable[kSwarpTemplateCount];
extern WarpRecord WarpTable[kWarpTemplateCount];
extern MonsterRecord MonsterTemplates[kMonsterTemplateCount];
extern MonsterRecord MonsterRoster[kMonsterRosterSize];

// The monsters' looks, in template order; start-up loading fills them from
// "Objects\<Name>\<Name>.m3d", "<Name>Stay.ani" and "<Name>Attack.ani".
extern Model3D MonsterModels[kMonsterTemplateCount];
extern Animation MonsterIdleAnims[kMonsterTemplateCount];
extern Animation MonsterAttackAnims[kMonsterTemplateCount];

extern CVector3 HeroBattlePos;
extern CVector3 HeroBattleHome;

extern SpellEntry SpellList[kSpellListSize];
extern SpellEntry SummonList[kSummonListSize];
extern int32_t LastSpellIndex;
extern int32_t LastSummonIndex;
extern bool AllTargets; // "MegaAll" is set: spells hit every monster
extern bool HasMegaAll2;
extern bool HasMegaAll3;
extern bool HasQuadra;
extern bool HasQuadra2;
extern bool HasQuadra3;

// Sums of the forged sword slots' adds, taken at battle start.
extern SwarpRecord SwarpBonus;

// ---- Start-up fills ----

// Item kinds with their starting counts, copied into the held items.
void InitItemTable();
// The Swarp and Warp templates.
void InitStoneTables();
// One Warp template from the constant table, whatever the global table holds.
WarpRecord WarpTemplate(int32_t index);
// The monster templates with their looks, and the roster copied from them.
void InitMonsterTables();

// ---- The hero ----

// Stats, skills and empty stones; the Warp bag starts with one "Ice".
void InitHero(HeroRecord& hero, int32_t attack, int32_t dexterity, int32_t luck, int32_t defense,
              int32_t magicDefense);
// The whole new-game hero: name, figures, stats, skills and stones.
void ResetHero(HeroRecord& hero);
// The first selected skill, or skill 0 when none is selected.
int32_t SelectedSkillIndex(const HeroRecord& hero);
// End every name field of a record with its terminator, so a record read from
// a damaged save can be printed and compared without running past its fields.
void TerminateNames(HeroRecord& hero);
void TerminateNames(ItemRecord& item);

// ---- Growth ----

// One level step for `Hero` when his experience has reached the threshold.
void LevelUp();
// Victory's Warp experience for every stone set in the holders.
void GrowWarps(int32_t warpExp);
// Castable spells, summons and support flags from the holders of `Hero`.
void RebuildSpellLists();
// Sum the forged sword slots of `Hero` into `SwarpBonus`.
void BuildSwarpBonus();
// Add (apply) or take back (remove) the five stat sums of `SwarpBonus`.
void ApplySwarpStats(bool apply);
// Add or take back the HP and MP sums of `SwarpBonus`, keeping the bars' fill.
void ApplySwarpMaxStats(bool apply);

// ---- Layouts: the hero and items are saved byte for byte ----

static_assert(std::is_standard_layout_v<HeroRecord> && std::is_trivially_copyable_v<HeroRecord>);
static_assert(std::is_standard_layout_v<ItemRecord> && std::is_trivially_copyable_v<ItemRecord>);

static_assert(sizeof(SkillRecord) == 28);
static_assert(offsetof(SkillRecord, FuryPercent) == 0);
static_assert(offsetof(SkillRecord, SkillLevel) == 4);
static_assert(offsetof(SkillRecord, Name) == 8);
static_assert(offsetof(SkillRecord, Learned) == 23);
static_assert(offsetof(SkillRecord, Selected) == 24);
static_assert(offsetof(SkillRecord, Padding) == 25);

static_assert(sizeof(SwarpRecord) == 52);
static_assert(offsetof(SwarpRecord, Name) == 0);
static_assert(offsetof(SwarpRecord, Open) == 10);
static_assert(offsetof(SwarpRecord, Padding) == 11);
static_assert(offsetof(SwarpRecord, ColorR) == 12);
static_assert(offsetof(SwarpRecord, ColorG) == 16);
static_assert(offsetof(SwarpRecord, ColorB) == 20);
static_assert(offsetof(SwarpRecord, AddAttack) == 24);
static_assert(offsetof(SwarpRecord, AddDefense) == 28);
static_assert(offsetof(SwarpRecord, AddDexterity) == 32);
static_assert(offsetof(SwarpRecord, AddLuck) == 36);
static_assert(offsetof(SwarpRecord, AddMagicDefense) == 40);
static_assert(offsetof(SwarpRecord, AddMaxHP) == 44);
static_assert(offsetof(SwarpRecord, AddMaxMP) == 48);

static_assert(sizeof(WarpRecord) == 88);
static_assert(offsetof(WarpRecord, Present) == 0);
static_assert(offsetof(WarpRecord, Name) == 1);
static_assert(offsetof(WarpRecord, SpellName) == 11);
static_assert(offsetof(WarpRecord, Padding) == 41);
static_assert(offsetof(WarpRecord, ColorR) == 44);
static_assert(offsetof(WarpRecord, ColorG) == 48);
static_assert(offsetof(WarpRecord, ColorB) == 52);
static_assert(offsetof(WarpRecord, WarpLevel) == 56);
static_assert(offsetof(WarpRecord, MaxWarpLevel) == 60);
static_assert(offsetof(WarpRecord, WarpExp) == 64);
static_assert(offsetof(WarpRecord, NextWarpExp) == 68);
static_assert(offsetof(WarpRecord, MpCost) == 72);
static_assert(offsetof(WarpRecord, Kind) == 84);

static_assert(sizeof(HeroRecord) == 5280);
static_assert(offsetof(HeroRecord, Name) == 0);
static_assert(offsetof(HeroRecord, HP) == 12);
static_assert(offsetof(HeroRecord, MaxHP) == 16);
static_assert(offsetof(HeroRecord, MP) == 20);
static_assert(offsetof(HeroRecord, MaxMP) == 24);
static_assert(offsetof(HeroRecord, Level) == 28);
static_assert(offsetof(HeroRecord, Exp) == 32);
static_assert(offsetof(HeroRecord, NextLevelExp) == 36);
static_assert(offsetof(HeroRecord, Gold) == 40);
static_assert(offsetof(HeroRecord, AttackTimer) == 44);
static_assert(offsetof(HeroRecord, FuryBar) == 48);
static_assert(offsetof(HeroRecord, Attack) == 52);
static_assert(offsetof(HeroRecord, Defense) == 56);
static_assert(offsetof(HeroRecord, Dexterity) == 60);
static_assert(offsetof(HeroRecord, Luck) == 64);
static_assert(offsetof(HeroRecord, MagicDefense) == 68);
static_assert(offsetof(HeroRecord, Dead) == 72);
static_assert(offsetof(HeroRecord, Padding) == 73);
static_assert(offsetof(HeroRecord, DeathSink) == 76);
static_assert(offsetof(HeroRecord, Skills) == 80);
static_assert(offsetof(HeroRecord, SwordSlots) == 192);
static_assert(offsetof(HeroRecord, SwarpBag) == 608);
static_assert(offsetof(HeroRecord, WarpHolders) == 1232);
static_assert(offsetof(HeroRecord, WarpBag) == 2640);

static_assert(sizeof(ItemRecord) == 64);
static_assert(offsetof(ItemRecord, Name) == 0);
static_assert(offsetof(ItemRecord, Description) == 10);
static_assert(offsetof(ItemRecord, Count) == 40);
static_assert(offsetof(ItemRecord, HpRestore) == 44);
static_assert(offsetof(ItemRecord, MpRestore) == 48);
static_assert(offsetof(ItemRecord, ColorR) == 52);
static_assert(offsetof(ItemRecord, ColorG) == 56);
static_assert(offsetof(ItemRecord, ColorB) == 60);
