// How the hero and his Warps grow, and how the Swarps in his sword lend him
// their stats for the length of a battle.
#include "assets/saturate.h"
#include "records/records.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();

// Sums saturate: a wrapped threshold would make the victory screen level forever.
void Add(int32_t& field, int64_t amount) {
    field = Saturate(field + amount);
}

int32_t TruncToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(kIntMax)) return static_cast<int32_t>(kIntMax);
    if (value <= static_cast<double>(kIntMin)) return static_cast<int32_t>(kIntMin);
    return static_cast<int32_t>(value);
}

int32_t Clamp(int32_t value, int32_t low, int32_t high) {
    if (high < low) high = low;
    return value < low ? low : (value > high ? high : value);
}

// The bar's fill carried from one maximum to another, to the nearest point.
// With no old maximum to measure against, any points at all count as a full bar.
int32_t KeepFill(int32_t value, int32_t oldMax, int32_t newMax) {
    if (oldMax <= 0) return value > 0 ? newMax : 0;
    return TruncToInt32(std::round(static_cast<double>(newMax) * value / oldMax));
}

} // namespace

void LevelUp() {
    HeroRecord& hero = Hero;
    if (hero.Exp < hero.NextLevelExp) return;

    Add(hero.Level, 1);
    hero.Exp = Saturate(static_cast<int64_t>(hero.Exp) - hero.NextLevelExp);
    // Doubling a threshold of zero or less never catches up with the experience,
    // and the victory screen levels as long as it lags behind.
    hero.NextLevelExp = Saturate(static_cast<int64_t>(hero.NextLevelExp) * 2);
    if (hero.NextLevelExp < 1) hero.NextLevelExp = 1;

    if (hero.MaxHP < 9999) Add(hero.MaxHP, TruncToInt32(hero.MaxHP / 21.5));
    // The MP growth stops with the HP figure, not the MP one.
    if (hero.MaxHP < 999) Add(hero.MaxMP, hero.MaxMP / 39);

    const int32_t gain = hero.MaxHP / 200;
    Add(hero.Attack, gain);
    Add(hero.Defense, gain);
    Add(hero.Dexterity, gain);
    Add(hero.MagicDefense, hero.MaxHP / 400);

    if (hero.Luck <= 99) hero.Luck += 1;
}

void GrowWarps(int32_t warpExp) {
    for (auto& holder : Hero.WarpHolders)
        for (WarpRecord& warp : holder) {
            if (!warp.Present || NameIsEmpty(warp.Name)) continue;
            Add(warp.WarpExp, warpExp);
            // One level per battle at most; the experience is kept, not spent.
            if (warp.NextWarpExp < warp.WarpExp) {
                Add(warp.WarpLevel, 1);
                warp.NextWarpExp = Saturate(static_cast<int64_t>(warp.NextWarpExp) * 4);
            }
            if (warp.WarpLevel > warp.MaxWarpLevel) warp.WarpLevel = warp.MaxWarpLevel;
        }
}

void BuildSwarpBonus() {
    SwarpBonus = SwarpRecord{};
    SwarpBonus.Open = 1;
    for (const SwarpRecord& slot : Hero.SwordSlots) {
        if (!slot.Open) continue;
        Add(SwarpBonus.AddAttack, slot.AddAttack);
        Add(SwarpBonus.AddDefense, slot.AddDefense);
        Add(SwarpBonus.AddDexterity, slot.AddDexterity);
        Add(SwarpBonus.AddLuck, slot.AddLuck);
        Add(SwarpBonus.AddMagicDefense, slot.AddMagicDefense);
        Add(SwarpBonus.AddMaxHP, slot.AddMaxHP);
        Add(SwarpBonus.AddMaxMP, slot.AddMaxMP);
    }
}

void ApplySwarpStats(bool apply) {
    const int64_t d = apply ? 1 : -1;
    Add(Hero.Attack, d * SwarpBonus.AddAttack);
    Add(Hero.Defense, d * SwarpBonus.AddDefense);
    Add(Hero.Dexterity, d * SwarpBonus.AddDexterity);
    Add(Hero.Luck, d * SwarpBonus.AddLuck);
    Add(Hero.MagicDefense, d * SwarpBonus.AddMagicDefense);
}

void ApplySwarpMaxStats(bool apply) {
    HeroRecord& hero = Hero;
    const int64_t d = apply ? 1 : -1;
    // The bars keep their fill. Rounding to the nearest point rather than
    // truncating makes entering and leaving a battle give back exactly what
    // the hero had: truncating both ways cost him a point or more each battle.
    const int32_t oldMaxHP = hero.MaxHP;
    hero.MaxHP = Saturate(oldMaxHP + d * SwarpBonus.AddMaxHP);
    hero.HP = Clamp(KeepFill(hero.HP, oldMaxHP, hero.MaxHP), 0, hero.MaxHP);
    const int32_t oldMaxMP = hero.MaxMP;
    hero.MaxMP = Saturate(oldMaxMP + d * SwarpBonus.AddMaxMP);
    hero.MP = Clamp(KeepFill(hero.MP, oldMaxMP, hero.MaxMP), 0, hero.MaxMP);
}
