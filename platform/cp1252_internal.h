// The game's text is Windows-1252; fonts are indexed by Unicode.
#pragma once

#include <cstdint>

// The Unicode code point of a Windows-1252 byte; 0 for the five undefined
// bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D). Control codes map to themselves.
uint32_t UnicodeFromCp1252(uint8_t code);
