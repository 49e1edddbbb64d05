#include "world/hero_goods.h"

#include <cstring>

ItemRecord& HeldItemNamed(const char (&name)[sizeof(ItemRecord::Name)]) {
    int match = 0;
    for (int i = 0; i < kItemCount; ++i)
        if (std::strncmp(HeldItems[i].Name, name, sizeof name) == 0) match = i;
    return HeldItems[match];
}

SwarpRecord* FreeSwarpEntry(HeroRecord& hero) {
    for (SwarpRecord& entry : hero.SwarpBag)
        if (NameIsEmpty(entry.Name)) return &entry;
    return nullptr;
}

WarpRecord* FreeWarpEntry(HeroRecord& hero) {
    for (WarpRecord& entry : hero.WarpBag)
        if (NameIsEmpty(entry.Name)) return &entry;
    return nullptr;
}
