#include "app/state_snapshot.h"
#include "assets/settings.h"
#include "menus/options_screen.h"
#include "platform/platform.h"

#include "app/graphics.h"
#include "app/harness.h"
#include "app/render_scale.h"
#include "assets/camera.h"
#include "assets/camera_script.h"
#include "assets/game_state.h"
#include "assets/screen_area.h"
#include "assets/sound_effects.h"
#include "battle/battle_state.h"
#include "battle/command_menu.h"
#include "battle/victory.h"
#include "menus/game_menu.h"
#include "menus/slot_list.h"
#include "menus/title.h"
#include "records/battle_slots.h"
#include "records/records.h"
#include "world/dialogue.h"
#include "world/encounters.h"
#include "world/field_movement.h"
#include "world/level_change.h"
#include "world/level_table.h"
#include "world/story_flags.h"
#include "world/story_scenes.h"

namespace {

void Vector(FILE* file, const char* name, const CVector3& v) {
    std::fprintf(file, "%s %g %g %g\n", name, v.x, v.y, v.z);
}

// A name field printed no further than the field, terminated or not.
template <size_t N>
int Width(const char (&)[N]) {
    return static_cast<int>(N);
}

// The named entries of a bag on one line, separated by commas.
template <class Stone, size_t N>
void BagNames(FILE* file, const char* name, const Stone (&bag)[N]) {
    std::fprintf(file, "%s ", name);
    bool first = true;
    for (const Stone& entry : bag) {
        if (NameIsEmpty(entry.Name)) continue;
        std::fprintf(file, "%s%.*s", first ? "" : ",", Width(entry.Name), entry.Name);
        first = false;
    }
    std::fprintf(file, "\n");
}

} // namespace

void WriteStateSnapshot(FILE* file) {
    std::fprintf(file, "Frame %u\n", FramesRun);
    std::fprintf(file, "GameMode %d\n", GameMode);
    std::fprintf(file, "RenderScale %g\n", RenderScale);
    std::fprintf(file, "CurrentLevel %d\n", CurrentLevel);
    std::fprintf(file, "PlayerHasControl %d\n", PlayerHasControl);
    Vector(file, "HeroPosition", HeroPosition);
    Vector(file, "HeroRotation", HeroRotation);
    Vector(file, "CameraPosition", Camera.Position);
    Vector(file, "CameraViewPoint", Camera.ViewPoint);
    Vector(file, "CameraUpVector", Camera.UpVector);
    std::fprintf(file, "PlaySeconds %d\n", PlaySeconds);
    std::fprintf(file, "PlayMinutes %d\n", PlayMinutes);
    std::fprintf(file, "PlayHours %d\n", PlayHours);
    std::fprintf(file, "MusicRequested %s\n", MusicRequested);
    const char* lastEffect = SoundEffectFile(LastSoundEffect);
    std::fprintf(file, "SoundEffectsPlayed %d\nLastSoundEffect %s\n", SoundEffectsPlayed,
                 lastEffect ? lastEffect : "");
    std::fprintf(file, "TitlePage %d\n", TitlePage);
    std::fprintf(file, "TitleCursor %d\n", TitleCursor);
    std::fprintf(file, "TitlePulse %.2f\n", TitlePulse);
    std::fprintf(file, "SaveSlotCursor %d\n", SaveSlotCursor);
    std::fprintf(file, "MenuState %d\n", MenuState);
    std::fprintf(file, "MenuCursor %d\n", MenuCursor);
    std::fprintf(file, "MenuClosing %d\n", MenuClosing);
    std::fprintf(file, "DialogueOpen %d\n", DialogueOpen);
    std::fprintf(file, "DialogueSlide %d\n", DialogueSlide);
    std::fprintf(file, "FogDensity %g\n", FogDensity);
    std::fprintf(file, "ScreenWidth %d\n", ScreenWidth);
    std::fprintf(file, "ScreenHeight %d\n", ScreenHeight);
    std::fprintf(file, "WindowSize %d %d\nLayoutArea %d %d %d %d\nPictureArea %d %d %d %d\n", WindowWidth,
                 WindowHeight, LayoutArea.left, LayoutArea.top, LayoutArea.width, LayoutArea.height,
                 PictureArea.left, PictureArea.top, PictureArea.width, PictureArea.height);
    std::fprintf(file, "ScreenBits %d\n", ScreenBits);
    std::fprintf(file, "KeyOk %c\nKeyCancel %c\nKeyMenu %c\n", KeyOk, KeyCancel, KeyMenu);
    std::fprintf(file, "Volumes %d %d\nPillarbox %d\nWindowed %d\nFullScreen %d %d\n", MusicVolume,
                 EffectVolume, PillarboxFlag, WindowedFlag, GameWindowFullScreen() ? 1 : 0,
                 GameWindowInDisplayMode() ? 1 : 0);
    std::fprintf(file, "Options %d %d %d %d %d %d\nOptionsMessage %s\n", OptionsPage, OptionsRow,
                 OptionsWaitingKey, OptionsConfirmLeft, OptionsDisplayChoice, OptionsSaveFailures,
                 OptionsMessage);
    std::fprintf(file, "WalkFrame %d\n", WalkFrame);
    for (int i = 0; i < kDialogueTextCount; ++i)
        std::fprintf(file, "DialogueBuffer%d %.*s\n", i, Width(DialogueBuffer.Text[i]),
                     DialogueBuffer.Text[i]);
    std::fprintf(file, "ExitConfirmed %d\n", ExitConfirmed);
    std::fprintf(file, "StepCounter %d\n", StepCounter);
    std::fprintf(file, "StepsToEncounter %d\n", StepsToEncounter);
    std::fprintf(file, "EncounterPending %d\n", EncounterPending);
    for (int i = 0; i < kBattleSlotCount; ++i) {
        const MonsterRecord& slot = BattleSlots[i];
        std::fprintf(file, "BattleSlot%d %.*s\n", i, Width(slot.Name), slot.Name);
        std::fprintf(file, "BattleSlot%dHP %d\nBattleSlot%dDead %d\nBattleSlot%dAttackTimer %d\n", i, slot.HP,
                     i, slot.Dead, i, slot.AttackTimer);
    }
    std::fprintf(file, "BattleRunning %d\nIntroStarted %d\nMenuOpen %d\n", BattleRunning, IntroStarted,
                 MenuOpen);
    std::fprintf(file, "MenuSlide %d\nCommandCursor %d\nTargetSelect %d\nItemListOpen %d\n", MenuSlide,
                 CommandCursor, TargetSelect, ItemListOpen);
    std::fprintf(file, "HeroActing %d\nAttackCommand %d\nItemCommand %d\nShowDamage %d\nDamageShown %d\n",
                 HeroActing, AttackCommand, ItemCommand, ShowDamage, DamageShown[0]);
    std::fprintf(file, "HeroAttackTimer %d\nFuryBar %d\nFuryReady %d\nHeroDead %d\n", Hero.AttackTimer,
                 Hero.FuryBar, FuryReady, Hero.Dead);
    std::fprintf(file, "FuryCommand %d\nIceCast %d\nFireCast %d\nKintosCast %d\nShowAllDamage %d\n",
                 FuryCommand, IceCast, FireCast, KintosCast, ShowAllDamage);
    std::fprintf(
        file, "DamageShown1 %d\nDamageShown2 %d\nMoveFrame %d\nCameraKeyIndex %d\nCameraScriptPlaying %d\n",
        DamageShown[1], DamageShown[2], AttackMove.MoveFrame, CameraKeyIndex, CameraScriptPlaying ? 1 : 0);
    std::fprintf(file, "SpellListOpen %d\nSummonListOpen %d\n", SpellListOpen, SummonListOpen);
    std::fprintf(file, "BattleExpReward %d\nBattleGoldReward %d\nBattleWarpExpReward %d\n", BattleExpReward,
                 BattleGoldReward, BattleWarpExpReward);
    std::fprintf(file, "VictoryPanelY %d\nRewardsReady %d\nLeaveReady %d\n", VictoryPanelY, RewardsReady,
                 LeaveReady);
    for (size_t level = 0; level < LevelTable.size(); ++level) {
        const LevelRecord& record = LevelTable[level];
        for (size_t i = 0; i < record.Chests.size(); ++i)
            std::fprintf(file, "Chest%zu_%zu %d %d\n", level, i, record.Chests[i].Opened,
                         record.Chests[i].Frame);
    }
    std::fprintf(file, "HP %d\nMaxHP %d\nMP %d\nMaxMP %d\n", Hero.HP, Hero.MaxHP, Hero.MP, Hero.MaxMP);
    std::fprintf(file, "Level %d\nExp %d\nGold %d\n", Hero.Level, Hero.Exp, Hero.Gold);
    for (int k = 0; k < kItemCount; ++k)
        std::fprintf(file, "Item%d %.*s %d\n", k, Width(HeldItems[k].Name), HeldItems[k].Name,
                     HeldItems[k].Count);
    BagNames(file, "SwarpBag", Hero.SwarpBag);
    BagNames(file, "WarpBag", Hero.WarpBag);

    // The in-game menu, its page cursors and the saved story progress.
    std::fprintf(file, "MenuTarget %d\nMenuOpened %d\nPageEntered %d\n", MenuTarget, MenuOpened, PageEntered);
    std::fprintf(file, "PanelSlideX %.2f\nPanelSlideY %.2f\nPanelEdgeA %.3f\nPanelEdgeB %.2f\n", PanelSlideX,
                 PanelSlideY, PanelEdgeA, PanelEdgeB);
    std::fprintf(file, "PanelBrightness %.2f\nPageBlend %.2f\n", PanelBrightness, PageBlend);
    std::fprintf(file, "ItemMenuCursor %d\nFuryCursor %d\n", ItemMenuCursor, FuryCursor);
    std::fprintf(file, "MagicMenuRow %d\nMagicMenuScroll %d\nMagicMenuColumn %d\n", MagicMenuRow,
                 MagicMenuScroll, MagicMenuColumn);
    std::fprintf(file, "SwordSlotCursor %d\nSwarpBagCursor %d\nSwarpPicked %d\n", SwordSlotCursor,
                 SwarpBagCursor, SwarpPicked);
    std::fprintf(file, "HolderRow %d\nHolderSlot %d\nWarpBagRow %d\nWarpBagScroll %d\nWarpPicked %d\n",
                 HolderRow, HolderSlot, WarpBagRow, WarpBagScroll, WarpPicked);
    std::fprintf(file, "SlotInfoRead %d\n", SlotInfoRead);
    std::fprintf(file, "StoryFlags");
    for (uint8_t flag : StoryFlags) std::fprintf(file, " %d", flag);
    std::fprintf(file, "\n");
    std::fprintf(file, "SceneStarted %d\nSceneReady %d\nSceneBattleStarted %d\nSceneAfterBattle %d\n",
                 SceneStarted, SceneReady, SceneBattleStarted, SceneAfterBattle);
    std::fprintf(file, "ScenePage %d\nSceneAnimFrame %d\n", ScenePage, SceneAnimFrame);
    for (int k = 0; k < kEndingStageCount; ++k)
        std::fprintf(file, "EndingStage%d %d\n", k + 1, EndingStage[k]);
    std::fprintf(file, "EndingFlightStarted %d\nEndingRiseFrame %d\nEndingCastFrame %d\n",
                 EndingFlightStarted, EndingRiseFrame, EndingCastFrame);
    std::fprintf(file, "EndingSpellFrame %d\nEndingDodgeFrame %d\nEndingOffset %.2f\n", EndingSpellFrame,
                 EndingDodgeFrame, EndingOffset);
    for (int k = 0; k < kSkillCount; ++k)
        std::fprintf(file, "Skill%d %.*s %d %d\n", k, Width(Hero.Skills[k].Name), Hero.Skills[k].Name,
                     Hero.Skills[k].Learned, Hero.Skills[k].Selected);
    for (int i = 0; i < kSwordSlotCount; ++i)
        std::fprintf(file, "SwordSlot%d %.*s %d\n", i, Width(Hero.SwordSlots[i].Name),
                     Hero.SwordSlots[i].Name, Hero.SwordSlots[i].Open);
    for (int h = 0; h < kWarpHolderCount; ++h)
        for (int i = 0; i < kWarpHolderSlots; ++i)
            std::fprintf(file, "WarpHolder%d_%d %.*s %d\n", h, i, Width(Hero.WarpHolders[h][i].Name),
                         Hero.WarpHolders[h][i].Name, Hero.WarpHolders[h][i].Present);
}
