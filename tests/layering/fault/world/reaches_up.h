// A world header that reaches up into the battle: the layering check must name it.
#pragma once

#include "battle/battle_state.h"
