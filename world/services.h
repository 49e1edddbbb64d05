// What the OK key and the villagers' service keys do in the field: talking,
// opening chests and leaving by an exit on OK; healing on "Y"; the two shops'
// offers on "1" and "2".
#pragma once

#include "world/level_table.h"

#include <cstdint>

// The two forge prices are the shops' own, not part of a villager's record.
constexpr int32_t kSwarpForgePrice = 800;
constexpr int32_t kWarpForgePrice = 1000;

// OK in the field with the dialogue box closed.
void FieldOkAction();

// In field mode with control: is a villager within reach offering this service?
bool NearVillagerService(int32_t service);
// A copy of the first villager within reach that offers any service; an empty
// record (no service, no price) when there is none.
VillagerRecord NearServiceVillager();

void HealAction();        // "Y"
void FirstOfferAction();  // "1": forge a sword slot or a Warp holder slot
void SecondOfferAction(); // "2": buy the villager's Swarp or item
// Route one of the keys 'Y', '1', '2'; any other key does nothing.
void ServiceKeyAction(int key);
