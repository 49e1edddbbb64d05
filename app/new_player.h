// The Game.cfg a new player of the installed game starts with.
#pragma once

// What ./play writes for a new player, but at the desktop's own size.
extern const char* const NewPlayerConfig;

// Give the installed game's config folder its Game.cfg when there is none;
// a player's own file is never touched, and a game run from its folder gets none.
void WriteNewPlayerConfig();
