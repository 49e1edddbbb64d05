// Where finds and purchases go in the hero's goods.
#pragma once

#include "records/records.h"

// The held item of this name, the last one if several match; the first held
// item when none does. Only the name field's bytes are compared.
ItemRecord& HeldItemNamed(const char (&name)[sizeof(ItemRecord::Name)]);
// The first bag entry with an empty name; null when the bag is full.
SwarpRecord* FreeSwarpEntry(HeroRecord& hero);
WarpRecord* FreeWarpEntry(HeroRecord& hero);
