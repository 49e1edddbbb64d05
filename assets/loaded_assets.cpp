#include "assets/loaded_assets.h"

TextureImage LogoTexture = {};
TextureImage LogoSidesTexture = {};
TextureImage BattleCaptureTexture = {};
TextureImage PanelTexture = {};
TextureImage TitleButtonTextures[5] = {};
TextureImage ParticleTexture = {};
TextureImage RingTexture = {};
TextureImage SparkTexture = {};

Model3D HeroModel, SwordModel, SwarpModel, WarpHolderModel, WarpModel, BoxModel, ChestModel;
Model3D ExplosionModel, IceModel, IcePentagramModel, FirePentagramModel, KintosModel, RockModel;
Model3D LavaBallModel, KatuModel;

Animation ChestAnim, IceCrushAnim, KintosAnim, RockAnim;
Animation HeroWalkAnim, HeroBattleStayAnim, HeroAttackAnim, HeroUseItemAnim, HeroWonAnim;
Animation HeroGetSwordAnim, HeroAngelCrushAnim, HeroBulletDodgeAnim, KatuAnim1, KatuAnim2;
