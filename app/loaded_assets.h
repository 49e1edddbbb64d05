// Everything the start-up load fills that is not part of a level: the named
// textures, and the character, prop and effect models with their animations.
#pragma once

#include "assets/texture.h"

// The texture a battle copies the last field picture into.
extern TextureImage BattleCaptureTexture;
// "Textures/Console.tga", behind every panel and box.
extern TextureImage PanelTexture;
// New Game, Load Game, Credits and Quit, in title cursor order.
extern TextureImage TitleButtonTextures[4];
extern TextureImage ParticleTexture;
extern TextureImage RingTexture;
extern TextureImage SparkTexture;
