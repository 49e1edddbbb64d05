// Every picture the game shows: the title art and buttons, the panel behind
// boxes and menus, the spell sprites, and the tiling surface textures.
#pragma once

#include "content/image.h"

#include <string>
#include <vector>

// The face of all lettering; the package fonts-liberation installs it.
constexpr const char* kLetteringFont = "Liberation Serif:bold";

struct TextureFile {
    std::string gamePath; // as the game names it, below Textures/
    Image image;
    bool alpha;
};

std::vector<TextureFile> BuildTextures();

// The pieces, for the gallery and the tests.
Image PaintLogo();
// The title's sky and mountains, wide and tall enough to surround the logo on any screen.
Image PaintLogoSides();
Image PaintButton(const std::string& label);
Image PaintConsole();
Image PaintParticle();
Image PaintRing();
Image PaintSpark();
Image PaintGround();
Image PaintStone();
Image PaintWood();
Image PaintFoliage();
Image PaintCloth();
Image PaintSkin();
Image PaintLeather();
Image PaintRobe();
