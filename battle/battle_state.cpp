#include "battle/battle_state.h"

#include "records/battle_slots.h"
#include "world/field_common.h"

AttackMoveRecord AttackMove;
ShatterRecord ShatterState;

uint8_t HeroActing = 0;
uint8_t AttackCommand = 0;
uint8_t ItemCommand = 0;
ItemRecord* ItemInUse = nullptr;
uint8_t FuryCommand = 0;
uint8_t FuryReady = 0;
uint8_t IceCast = 0;
uint8_t FireCast = 0;
uint8_t KintosCast = 0;

uint8_t BattleRunning = 0;
uint8_t MenuOpen = 0;
uint8_t IntroStarted = 0;
uint8_t DefeatFinished = 0;

uint8_t ShowDamage = 0;
int32_t DamageShown[3] = {};
uint8_t ShowAllDamage = 0;
uint8_t ShowHeal = 0;

int32_t BattleExpReward = 0;
int32_t BattleGoldReward = 0;
int32_t BattleWarpExpReward = 0;

CameraRecord SavedFieldCamera = {};
MonsterRecord* TargetMonster = &BattleSlots[0];
int32_t HeroIdleFrame = 0;

bool AnySpellCast() {
    return IceCast || FireCast || KintosCast;
}

void ClearSpellFlags() {
    IceCast = FireCast = KintosCast = 0;
}

void SumBattleRewards() {
    BattleExpReward = BattleGoldReward = BattleWarpExpReward = 0;
    for (const MonsterRecord& slot : BattleSlots) {
        if (slot.Dead) continue;
        BattleExpReward = SaturatingAdd(BattleExpReward, slot.ExpReward);
        BattleGoldReward = SaturatingAdd(BattleGoldReward, slot.GoldReward);
        BattleWarpExpReward = SaturatingAdd(BattleWarpExpReward, slot.WarpExpReward);
    }
}
