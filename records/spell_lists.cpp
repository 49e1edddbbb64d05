// The lists of castable spells and summons, rebuilt from the Warps set in the
// hero's holders.
#include "records/records.h"

namespace {

template <size_t N>
void Terminate(char (&field)[N]) {
    field[N - 1] = '\0';
}

void ClearList(SpellEntry* list, int count) {
    for (int i = 0; i < count; ++i) list[i] = SpellEntry{};
}

void AddEntry(SpellEntry* list, int count, int32_t& lastIndex, const WarpRecord& warp) {
    if (lastIndex + 1 >= count) return;
    SpellEntry& entry = list[++lastIndex];
    entry.Name = warp.Name;
    for (int i = 0; i < 3; ++i) {
        entry.SpellName[i] = warp.SpellName[i];
        entry.MpCost[i] = warp.MpCost[i];
    }
    // Readers pick spells 1..WarpLevel of three; a damaged save must not send them further.
    entry.WarpLevel = warp.WarpLevel < 0 ? 0 : (warp.WarpLevel > 3 ? 3 : warp.WarpLevel);
}

} // namespace

void RebuildSpellLists() {
    LastSpellIndex = -1;
    LastSummonIndex = -1;
    ClearList(SpellList, kSpellListSize);
    ClearList(SummonList, kSummonListSize);
    AllTargets = false;
    HasMegaAll2 = false;
    HasMegaAll3 = false;
    HasQuadra = false;
    HasQuadra2 = false;
    HasQuadra3 = false;

    for (auto& holder : Hero.WarpHolders)
        for (WarpRecord& warp : holder) {
            if (!warp.Present || NameIsEmpty(warp.Name)) continue;
            // The lists print these names; they must end inside their fields.
            Terminate(warp.Name);
            for (auto& spell : warp.SpellName) Terminate(spell);

            switch (warp.Kind) {
            case WarpMagic:
                AddEntry(SpellList, kSpellListSize, LastSpellIndex, warp);
                break;
            case WarpSupport:
                if (NameEquals(warp.SpellName[0], "MegaAll")) AllTargets = true;
                if (NameEquals(warp.SpellName[1], "MegaAll2") && warp.WarpLevel >= 2) HasMegaAll2 = true;
                if (NameEquals(warp.SpellName[2], "MegaAll3") && warp.WarpLevel >= 3) HasMegaAll3 = true;
                if (NameEquals(warp.SpellName[0], "Quadra") && warp.WarpLevel >= 1) HasQuadra = true;
                if (NameEquals(warp.SpellName[1], "Quadra2") && warp.WarpLevel >= 2) HasQuadra2 = true;
                if (NameEquals(warp.SpellName[2], "Quadra3") && warp.WarpLevel >= 3) HasQuadra3 = true;
                break;
            case WarpSummon:
                AddEntry(SummonList, kSummonListSize, LastSummonIndex, warp);
                break;
            default:
                break;
            }
        }
}
