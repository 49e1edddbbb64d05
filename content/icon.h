// The game's icon: its emblem, a golden A on a night-blue badge with a gold
// rim, for the window and the desktop's launcher.
#pragma once

#include "content/image.h"

#include <string>
#include <vector>

struct IconFile {
    std::string gamePath; // "Icons/<size>.png"
    std::string png;
};

// Every size the launcher and the window use, 16 to 256 pixels square.
std::vector<IconFile> BuildIcons();

// The emblem painted at this size, transparent outside the badge.
Image PaintEmblem(int size);
// A PNG file of the image (8-bit RGBA); empty when it cannot be made.
std::string EncodePNG(const Image& image);
