// The whole data folder, built in one pass.
#pragma once

#include "content/output.h"

// Writes every model, animation, texture and tune; false when anything failed
// (the reasons are in writer.failures).
bool BuildGameData(DataWriter& writer);
