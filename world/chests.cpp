#include "world/chests.h"

#include "assets/animation.h"
#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/sound_effects.h"
#include "world/dialogue.h"
#include "world/field_common.h"
#include "world/hero_goods.h"

#include <GL/gl.h>
#include <cstdio>

void StartOpeningChests(LevelRecord& level) {
    const size_t end = UsedCount(level.ChestCount, level.Chests.size());
    for (size_t i = 0; i < end; ++i) {
        ChestRecord& chest = level.Chests[i];
        if (chest.Opened != 0 || chest.Opening != 0 || !WithinReach(HeroPosition, chest.Position, TalkReach))
            continue;
        chest.Opening = 1;
        PlayEffect(SoundEffect::ChestOpen);
    }
}

void AnnounceChest(const ChestRecord& chest) {
    char line[kDialogueTextSize] = {};
    // Names are printed no further than their fields, terminated or not.
    switch (chest.Content) {
    case ChestItem:
        std::snprintf(line, sizeof line, "I Found %d %.*s(s) !", chest.Item.Count,
                      static_cast<int>(sizeof chest.Item.Name), chest.Item.Name);
        break;
    case ChestSwarp:
        std::snprintf(line, sizeof line, "I Found a Swarp : %.*s!", static_cast<int>(sizeof chest.Swarp.Name),
                      chest.Swarp.Name);
        break;
    case ChestWarp:
        std::snprintf(line, sizeof line, "I Found a Warp : %.*s!", static_cast<int>(sizeof chest.Warp.Name),
                      chest.Warp.Name);
        break;
    default:
        break;
    }
    FillDialogue(DialogueBuffer, HeroSpeaker, line);
}

void HandOverChest(const ChestRecord& chest) {
    switch (chest.Content) {
    case ChestItem: {
        ItemRecord& held = HeldItemNamed(chest.Item.Name);
        held.Count = SaturatingAdd(held.Count, chest.Item.Count);
        break;
    }
    case ChestSwarp:
        if (SwarpRecord* entry = FreeSwarpEntry(Hero)) *entry = chest.Swarp;
        break;
    case ChestWarp:
        if (WarpRecord* entry = FreeWarpEntry(Hero)) *entry = chest.Warp;
        break;
    default:
        break;
    }
}

void AdvanceChest(ChestRecord& chest) {
    if (!chest.Opening) return;
    if (chest.Frame < INT32_MAX) chest.Frame += 1;
    if (chest.Frame <= kChestLastOpeningFrame) return;
    chest.Opening = 0;
    chest.Opened = 1;
    AnnounceChest(chest);
    HandOverChest(chest);
    PlayEffect(SoundEffect::Treasure);
    DialogueOpen = 1;
}

void UpdateChest(ChestRecord& chest) {
    glPushMatrix();
    glTranslatef(chest.Position.x, chest.Position.y, chest.Position.z);
    glRotatef(chest.Rotation.y, 0.0f, 1.0f, 0.0f);
    // The frame before the step: an opening chest shows 0 to 32, then 33 from the next frame on.
    ApplyAnimationFrame(ChestModel, ChestAnim, chest.Frame);
    AdvanceChest(chest);
    DrawModel3D(ChestModel);
    glPopMatrix();
}
