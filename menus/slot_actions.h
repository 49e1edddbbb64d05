// Saving into and loading from the slot under the cursor, as the menu's save
// and load pages, the title's load page and a lost battle use them.
#pragma once

#include <cstdint>

// Save into slot SaveSlotCursor and log the outcome; the list re-reads its summaries.
bool SaveSlotAction();
// Load slot slotIndex (0-based) and go on playing it in the field. False, with
// nothing changed, when the slot is missing or refused.
bool LoadSlotIntoField(int32_t slotIndex);
