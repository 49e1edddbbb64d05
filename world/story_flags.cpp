#include "world/story_flags.h"

uint8_t StoryFlags[kStoryFlagCount] = {};
