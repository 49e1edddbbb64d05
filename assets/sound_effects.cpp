#include "assets/sound_effects.h"

#include "platform/platform.h"

#include <iterator>

int32_t SoundEffectsPlayed = 0;
SoundEffect LastSoundEffect = SoundEffect::Count;

namespace {

struct EffectFile {
    SoundEffect effect;
    const char* path;
};

constexpr EffectFile kFiles[] = {
    {SoundEffect::Cursor, "Sounds\\Cursor.wav"},
    {SoundEffect::Ok, "Sounds\\Ok.wav"},
    {SoundEffect::Cancel, "Sounds\\Cancel.wav"},
    {SoundEffect::DialogueOpen, "Sounds\\Dialogue.wav"},
    {SoundEffect::ChestOpen, "Sounds\\ChestOpen.wav"},
    {SoundEffect::Treasure, "Sounds\\Treasure.wav"},
    {SoundEffect::Heal, "Sounds\\Heal.wav"},
    {SoundEffect::Buy, "Sounds\\Buy.wav"},
    {SoundEffect::ExitFade, "Sounds\\ExitFade.wav"},
    {SoundEffect::Shatter, "Sounds\\Shatter.wav"},
    {SoundEffect::Swing, "Sounds\\Swing.wav"},
    {SoundEffect::HitLight, "Sounds\\HitLight.wav"},
    {SoundEffect::HitMedium, "Sounds\\HitMedium.wav"},
    {SoundEffect::HitHeavy, "Sounds\\HitHeavy.wav"},
    {SoundEffect::NoDamage, "Sounds\\NoDamage.wav"},
    {SoundEffect::HeroStruck, "Sounds\\HeroStruck.wav"},
    {SoundEffect::MonsterSink, "Sounds\\MonsterSink.wav"},
    {SoundEffect::IceForm, "Sounds\\IceForm.wav"},
    {SoundEffect::IceShatter, "Sounds\\IceShatter.wav"},
    {SoundEffect::FireBurst, "Sounds\\FireBurst.wav"},
    {SoundEffect::Rocks, "Sounds\\Rocks.wav"},
    {SoundEffect::FuryLeap, "Sounds\\FuryLeap.wav"},
    {SoundEffect::FuryBlast, "Sounds\\FuryBlast.wav"},
    {SoundEffect::ItemUse, "Sounds\\ItemUse.wav"},
    {SoundEffect::Victory, "Sounds\\Victory.wav"},
    {SoundEffect::LevelUp, "Sounds\\LevelUp.wav"},
    {SoundEffect::Defeat, "Sounds\\Defeat.wav"},
};

// Each row sits at its effect's index, so a reordered list cannot play the wrong file.
constexpr bool RowsInOrder() {
    for (int i = 0; i < kSoundEffectCount; ++i)
        if (static_cast<int>(kFiles[i].effect) != i) return false;
    return true;
}
static_assert(std::size(kFiles) == kSoundEffectCount && RowsInOrder());

// Damage from which a sword blow sounds medium and heavy: the new hero's
// blows land light, a grown hero's heavy.
constexpr int32_t kMediumBlow = 100;
constexpr int32_t kHeavyBlow = 250;

} // namespace

const char* SoundEffectFile(SoundEffect effect) {
    const int i = static_cast<int>(effect);
    return i >= 0 && i < kSoundEffectCount ? kFiles[i].path : nullptr;
}

void PlayEffect(SoundEffect effect) {
    const char* file = SoundEffectFile(effect);
    if (file == nullptr) return;
    SoundEffectsPlayed += 1;
    LastSoundEffect = effect;
    PlaySoundEffect(file);
}

SoundEffect BlowEffect(int32_t damage, bool onHero) {
    if (damage <= 0) return SoundEffect::NoDamage;
    if (onHero) return SoundEffect::HeroStruck;
    if (damage >= kHeavyBlow) return SoundEffect::HitHeavy;
    return damage >= kMediumBlow ? SoundEffect::HitMedium : SoundEffect::HitLight;
}
