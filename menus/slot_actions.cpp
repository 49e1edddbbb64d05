#include "menus/slot_actions.h"

#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/log.h"
#include "menus/game_menu.h"
#include "menus/save_file.h"
#include "menus/slot_list.h"
#include "world/field_movement.h"
#include "world/level_table.h"
#include "world/story_scenes.h"

#include <GL/gl.h>

bool SaveSlotAction() {
    char path[32];
    SlotPath(SaveSlotCursor, path);
    const bool saved = SaveGame(path);
    SlotInfoRead = 0;
    if (saved)
        AppendLog("Saved Save Slot:%s", path);
    else
        AppendLog("Could not Save Save Slot:%s", path);
    return saved;
}

bool LoadSlotIntoField(int32_t slotIndex) {
    if (slotIndex < 0 || slotIndex >= kSaveSlotCount) return false;
    char path[32];
    SlotPath(slotIndex, path);
    if (!LoadGame(path)) {
        // A missing slot is only an empty one; a refused file is worth a line.
        if (SaveRefusal[0] != '\0') AppendLog("Could not Load Save Slot:%s (%s)", path, SaveRefusal);
        return false;
    }
    GameMode = ModeField;
    ResetMenuToClosed();
    SlotInfoRead = 0;
    SaveSlotCursor = 0;
    DialogueOpen = 0;
    PlayerHasControl = 1;
    // Only the flags are saved: a scene cut short, or lost in its battle, starts over.
    ResetSceneState();
    ResetEndingState();
    AppendLog("Loaded Save Slot:%s", path);
    PlayMusic(LevelTable[static_cast<size_t>(CurrentLevel)].Music);
    // A battle may have left culling off and the hero in another pose.
    glEnable(GL_CULL_FACE);
    WalkFrame = 0;
    ApplyAnimationFrame(HeroModel, HeroWalkAnim, 0);
    return true;
}
