// The game's short sound effects, one file each under Sounds/, played over
// the music. Game code names an effect here and never a file.
#pragma once

#include <cstdint>

enum class SoundEffect : int {
    // Menus
    Cursor,
    Ok,
    Cancel,
    // Field
    DialogueOpen,
    ChestOpen,
    Treasure,
    Heal,
    Buy,
    ExitFade,
    // Battle
    Shatter,
    Swing,
    HitLight,
    HitMedium,
    HitHeavy,
    NoDamage,
    HeroStruck,
    MonsterSink,
    IceForm,
    IceShatter,
    FireBurst,
    Rocks,
    FuryLeap,
    FuryBlast,
    ItemUse,
    // Victory and defeat
    Victory,
    LevelUp,
    Defeat,
    Count
};

constexpr int kSoundEffectCount = static_cast<int>(SoundEffect::Count);

// The file each effect plays, by its game path.
const char* SoundEffectFile(SoundEffect effect);
// Play an effect once over the music.
void PlayEffect(SoundEffect effect);
// The sound of a blow that did this much damage: a hero's sword rings heavier
// the harder it strikes; a monster's blow lands on the hero; no damage glances off.
SoundEffect BlowEffect(int32_t damage, bool onHero);

// How many effects were started and the last one's name, for the state snapshot.
extern int32_t SoundEffectsPlayed;
extern SoundEffect LastSoundEffect;
