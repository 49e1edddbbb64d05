#include "assets/sound_effects.h"

#include "platform/platform.h"

int32_t SoundEffectsPlayed = 0;
SoundEffect LastSoundEffect = SoundEffect::Count;

namespace {

constexpr const char* kFiles[kSoundEffectCount] = {
    "Sounds\\Cursor.wav",      "Sounds\\Ok.wav",       "Sounds\\Cancel.wav",     "Sounds\\Dialogue.wav",
    "Sounds\\ChestOpen.wav",   "Sounds\\Treasure.wav", "Sounds\\Heal.wav",       "Sounds\\Buy.wav",
    "Sounds\\ExitFade.wav",    "Sounds\\Shatter.wav",  "Sounds\\Swing.wav",      "Sounds\\HitLight.wav",
    "Sounds\\HitMedium.wav",   "Sounds\\HitHeavy.wav", "Sounds\\NoDamage.wav",   "Sounds\\HeroStruck.wav",
    "Sounds\\MonsterSink.wav", "Sounds\\IceForm.wav",  "Sounds\\IceShatter.wav", "Sounds\\FireBurst.wav",
    "Sounds\\Rocks.wav",       "Sounds\\FuryLeap.wav", "Sounds\\FuryBlast.wav",  "Sounds\\ItemUse.wav",
    "Sounds\\Victory.wav",     "Sounds\\LevelUp.wav",  "Sounds\\Defeat.wav",
};

// Damage from which a sword blow sounds medium and heavy: the new hero's
// blows land light, a grown hero's heavy.
constexpr int32_t kMediumBlow = 100;
constexpr int32_t kHeavyBlow = 250;

} // namespace

const char* SoundEffectFile(SoundEffect effect) {
    const int i = static_cast<int>(effect);
    return i >= 0 && i < kSoundEffectCount ? kFiles[i] : nullptr;
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
