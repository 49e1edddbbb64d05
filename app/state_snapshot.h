// A plain-text picture of the game state, one "Name value" line each, named
// as the globals are named, for the harness's --state files.
#pragma once

#include <cstdio>

// Write every line of the snapshot.
void WriteStateSnapshot(FILE* file);
