#include "world/services.h"

#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/sound_effects.h"
#include "world/chests.h"
#include "world/dialogue.h"
#include "world/field_common.h"
#include "world/hero_goods.h"
#include "world/level_change.h"
#include "world/story_flags.h"

namespace {

bool FieldHasControl() {
    return GameMode == ModeField && PlayerHasControl != 0;
}

bool NearExit(const LevelRecord& level, size_t exit) {
    return exit < UsedCount(level.ExitCount, level.Exits.size()) &&
           WithinReach(HeroPosition, level.Exits[exit].Trigger, ExitReach);
}

// Whether the story lets the hero take the exit he stands at.
bool StoryAllowsLeaving(const LevelRecord& level) {
    switch (CurrentLevel) {
    case LevelWorldMap:
        // Tested over the whole exit square: a smaller one would let the hero
        // slip out from its edge before the story allows.
        if (StoryFlags[StoryBehemothBeaten] == 0 && NearExit(level, 2)) return false;
        if (StoryFlags[StoryTimsonHeard] == 0 && NearExit(level, 3)) return false;
        return true;
    case LevelVorudu:
        return StoryFlags[StoryTemporHeard] != 0;
    case LevelMistilia:
        return StoryFlags[StoryTimsonHeard] != 0;
    default:
        return true;
    }
}

// Every purchase and forging pays here, and rings the till.
void Pay(int32_t price) {
    Hero.Gold = SaturatingAdd(Hero.Gold, -price);
    PlayEffect(SoundEffect::Buy);
}

void ForgeSwordSlot() {
    for (SwarpRecord& slot : Hero.SwordSlots) {
        if (slot.Open != 0) continue;
        slot.Open = 1;
        Pay(kSwarpForgePrice);
        return;
    }
}

void ForgeHolderSlot() {
    WarpRecord* free = nullptr;
    // The later holder wins, each holder offering its first free slot.
    for (auto& holder : Hero.WarpHolders) {
        for (WarpRecord& slot : holder) {
            if (slot.Present != 0) continue;
            free = &slot;
            break;
        }
    }
    if (!free) return;
    free->Present = 1;
    Pay(kWarpForgePrice);
}

} // namespace

void FieldOkAction() {
    LevelRecord* level = LevelAt(CurrentLevel);
    if (!level) return;

    const size_t villagers = UsedCount(level->VillagerCount, level->Villagers.size());
    for (size_t i = 0; i < villagers; ++i) {
        const VillagerRecord& villager = level->Villagers[i];
        if (!WithinReach(HeroPosition, villager.Position, TalkReach)) continue;
        OpenDialogue();
        CopyVillagerDialogue(DialogueBuffer, villager);
    }

    StartOpeningChests(*level);

    // Only once the exit's box has slid fully into view.
    if (DialogueSlide < 0) return;
    if (StoryAllowsLeaving(*level))
        ExitConfirmed = 1;
    else
        ShowRefusal();
}

bool NearVillagerService(int32_t service) {
    if (!FieldHasControl()) return false;
    const LevelRecord* level = LevelAt(CurrentLevel);
    if (!level) return false;
    const size_t villagers = UsedCount(level->VillagerCount, level->Villagers.size());
    for (size_t i = 0; i < villagers; ++i) {
        const VillagerRecord& villager = level->Villagers[i];
        if (villager.Service == service && WithinReach(HeroPosition, villager.Position, TalkReach))
            return true;
    }
    return false;
}

VillagerRecord NearServiceVillager() {
    if (!FieldHasControl()) return VillagerRecord{};
    const LevelRecord* level = LevelAt(CurrentLevel);
    if (!level) return VillagerRecord{};
    const size_t villagers = UsedCount(level->VillagerCount, level->Villagers.size());
    for (size_t i = 0; i < villagers; ++i) {
        const VillagerRecord& villager = level->Villagers[i];
        if (villager.Service != ServiceTalk && WithinReach(HeroPosition, villager.Position, TalkReach))
            return villager;
    }
    return VillagerRecord{};
}

void HealAction() {
    if (!NearVillagerService(ServiceHealer)) return;
    Hero.HP = Hero.MaxHP;
    Hero.MP = Hero.MaxMP;
    DialogueOpen = 0;
    PlayEffect(SoundEffect::Heal);
}

void FirstOfferAction() {
    if (NearVillagerService(ServiceSwarpSmith) && Hero.Gold >= kSwarpForgePrice) {
        ForgeSwordSlot();
        DialogueOpen = 0;
    }
    if (NearVillagerService(ServiceWarpShop) && Hero.Gold >= kWarpForgePrice) {
        ForgeHolderSlot();
        DialogueOpen = 0;
    }
}

void SecondOfferAction() {
    if (NearVillagerService(ServiceSwarpSmith)) {
        const VillagerRecord seller = NearServiceVillager();
        if (Hero.Gold >= seller.Price) {
            // A full bag buys nothing and keeps the box open.
            if (SwarpRecord* entry = FreeSwarpEntry(Hero)) {
                *entry = seller.SaleSwarp;
                Pay(seller.Price);
                DialogueOpen = 0;
            }
        }
    }
    if (NearVillagerService(ServiceWarpShop)) {
        const VillagerRecord seller = NearServiceVillager();
        if (Hero.Gold >= seller.Price) {
            ItemRecord& held = HeldItemNamed(seller.SaleItem.Name);
            held.Count = SaturatingAdd(held.Count, seller.SaleItem.Count);
            Pay(seller.Price);
            DialogueOpen = 0;
        }
    }
}

void ServiceKeyAction(int key) {
    switch (key) {
    case 'Y':
        HealAction();
        break;
    case '1':
        FirstOfferAction();
        break;
    case '2':
        SecondOfferAction();
        break;
    default:
        break;
    }
}
