// The five item kinds. The table keeps them as built; the held items start as
// copies and are what the hero spends, finds and saves.
#include "records/records.h"

namespace {

struct ItemStart {
    const char* name;
    const char* description;
    int32_t hpRestore, mpRestore;
    float r, g, b;
    int32_t count;
};

constexpr ItemStart kItemStarts[kItemCount] = {
    {"Potion", "Restores 200 HP", 200, 0, 0.0f, 1.0f, 0.0f, 3},
    {"Ether", "Restores 100 MP", 0, 100, 1.0f, 0.0f, 0.0f, 1},
    {"Hi-Potion", "Restores 1000 HP", 1000, 0, 0.0f, 0.0f, 1.0f, 0},
    {"Hi-Ether", "Restores 500 MP", 0, 500, 1.0f, 0.2f, 0.0f, 0},
    {"Elixir", "Fully Restores HP/MP", 9999, 9999, 1.0f, 1.0f, 1.0f, 0},
};

} // namespace

void InitItemTable() {
    for (int i = 0; i < kItemCount; ++i) {
        const ItemStart& start = kItemStarts[i];
        ItemRecord item{};
        CopyName(item.Name, start.name);
        CopyName(item.Description, start.description);
        item.Count = start.count;
        item.HpRestore = start.hpRestore;
        item.MpRestore = start.mpRestore;
        item.ColorR = start.r;
        item.ColorG = start.g;
        item.ColorB = start.b;
        ItemTable[i] = item;
        HeldItems[i] = item;
    }
}
