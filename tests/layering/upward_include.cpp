// Compiled against the world's include view by a test that expects the build
// to fail: the world sits below the battle, so a battle header must not resolve.
#include "battle/battle_state.h"

int UpwardIncludeProbe() {
    return 0;
}
