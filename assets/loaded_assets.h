// Everything the start-up load fills that is not part of a level: the named
// textures, and the character, prop and effect models with their animations.
// Monster models and animations live with the monster tables, the villager
// model with the level table.
#pragma once

#include "assets/animation.h"
#include "assets/model3d.h"
#include "assets/texture.h"

// The title's and boot screen's logo, loaded with the graphics before anything else.
extern TextureImage LogoTexture;
// The logo's sky and mountains, around it on screens that are not 4:3.
extern TextureImage LogoSidesTexture;
// The texture a battle copies the last field picture into.
extern TextureImage BattleCaptureTexture;
// "Textures/Console.tga", behind every panel and box.
extern TextureImage PanelTexture;
// New Game, Load Game, Credits and Quit, in title cursor order.
extern TextureImage TitleButtonTextures[5];
extern TextureImage ParticleTexture;
extern TextureImage RingTexture;
extern TextureImage SparkTexture;

extern Model3D HeroModel;
extern Model3D SwordModel;
extern Model3D SwarpModel;
extern Model3D WarpHolderModel;
extern Model3D WarpModel;
extern Model3D BoxModel;
extern Model3D ChestModel;
extern Model3D ExplosionModel;
extern Model3D IceModel;
extern Model3D IcePentagramModel;
extern Model3D FirePentagramModel;
extern Model3D KintosModel;
extern Model3D RockModel;
extern Model3D LavaBallModel;
extern Model3D KatuModel;

extern Animation ChestAnim;
extern Animation IceCrushAnim;
extern Animation KintosAnim;
extern Animation RockAnim;
extern Animation HeroWalkAnim;
extern Animation HeroBattleStayAnim;
extern Animation HeroAttackAnim;
extern Animation HeroUseItemAnim;
extern Animation HeroWonAnim;
extern Animation HeroGetSwordAnim;
extern Animation HeroAngelCrushAnim;
extern Animation HeroBulletDodgeAnim;
extern Animation KatuAnim1;
extern Animation KatuAnim2;
