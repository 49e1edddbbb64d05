// Finding a font file the way the desktop would, and sizing it the way the
// game's fonts are asked for: by cell height, not by em size.
#pragma once

#include <string>

// The file and face index fontconfig picks for a family at a weight (400 normal, 700 bold).
bool FindFontFile(const char* family, int weight, std::string* file, int* faceIndex);

// The em size in whole pixels that makes ascent + descent (font units) fill cellHeight pixels.
int EmPixelsForCellHeight(int cellHeight, int unitsPerEm, int ascent, int descent);
