#include "app/boot.h"

#include "app/graphics.h"
#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/log.h"
#include "assets/menu_layout.h"
#include "assets/text2d.h"
#include "battle/command_menu.h"
#include "battle/victory.h"
#include "menus/title.h"
#include "platform/platform.h"
#include "records/records.h"
#include "world/level_table.h"

#include <GL/gl.h>
#include <cstring>

namespace {

struct ModelFile {
    const char* path;
    Model3D* model;
};

struct AnimationFile {
    const char* path;
    Animation* animation;
};

void LoadModels() {
    std::vector<LevelRecord>& L = LevelTable;
    const ModelFile models[] = {
        {"Levels\\Vorudu.m3d", &L[LevelVorudu].Mesh},
        {"Levels\\VoruduCB.m3d", &L[LevelVorudu].CollisionMesh},
        {"Levels\\Vorudu Dungeon.m3d", &L[LevelVoruduDungeon].Mesh},
        {"Levels\\Vorudu DungeonBG.m3d", &L[LevelVoruduDungeon].BattleGround},
        {"Levels\\World Map.m3d", &L[LevelWorldMap].Mesh},
        {"Levels\\World MapBG.m3d", &L[LevelWorldMap].BattleGround},
        {"Levels\\World MapCB.m3d", &L[LevelWorldMap].CollisionMesh},
        {"Levels\\Forgotten Forest.m3d", &L[LevelForgottenForest].Mesh},
        {"Levels\\Forgotten ForestCB.m3d", &L[LevelForgottenForest].CollisionMesh},
        {"Levels\\Mistilia.m3d", &L[LevelMistilia].Mesh},
        {"Levels\\MistiliaCB.m3d", &L[LevelMistilia].CollisionMesh},
        {"Levels\\Dungeon of the Damned.m3d", &L[LevelDamnedDungeon].Mesh},
        {"Levels\\RoadPass.m3d", &L[LevelRoadPass].Mesh},
        {"Objects\\Deduvavi\\Deduvavi.m3d", &HeroModel},
        {"Objects\\Deduvavi\\TSword.m3d", &SwordModel},
        {"Objects\\Deduvavi\\Swarp.m3d", &SwarpModel},
        {"Objects\\Deduvavi\\TWHolder.m3d", &WarpHolderModel},
        {"Objects\\Deduvavi\\Warp.m3d", &WarpModel},
        {"Objects\\Vorudu\\Villager.m3d", &VillagerModel},
        {"Objects\\Vorudu\\Box.m3d", &BoxModel},
        {"Objects\\Chest\\ChestModel.m3d", &ChestModel},
        {"Objects\\Ogre\\Ogre.m3d", &MonsterModels[0]},
        {"Objects\\Bat\\Bat.m3d", &MonsterModels[1]},
        {"Objects\\Toad\\Toad.m3d", &MonsterModels[2]},
        {"Objects\\Behemoth\\Behemoth.m3d", &MonsterModels[3]},
        {"Objects\\Scorpion\\Scorpion.m3d", &MonsterModels[4]},
        {"Objects\\Spike\\Spike.m3d", &MonsterModels[5]},
        {"Objects\\Limbus\\Limbus.m3d", &MonsterModels[6]},
        {"Objects\\Effects\\Explosion.m3d", &ExplosionModel},
        {"Objects\\Effects\\Ice.m3d", &IceModel},
        {"Objects\\Effects\\Ice Pentagram.m3d", &IcePentagramModel},
        {"Objects\\Effects\\Fire Pentagram.m3d", &FirePentagramModel},
        {"Objects\\Effects\\Kintos.m3d", &KintosModel},
        {"Objects\\Effects\\Rock.m3d", &RockModel},
        {"Objects\\Effects\\LavaBall.m3d", &LavaBallModel},
        {"Objects\\Katu\\Katu.m3d", &KatuModel},
    };
    bool first = true;
    for (const ModelFile& file : models) {
        if (LoadModel3D(file.path, *file.model))
            AppendLog("Loaded Model :%s", file.path);
        else
            AppendLog(first ? "Could not Load Model : %s" : "Could not Load Model :%s", file.path);
        first = false;
    }
}

void LoadAnimations() {
    const AnimationFile animations[] = {
        {"Objects\\Chest\\ChestAni.ani", &ChestAnim},
        {"Objects\\Effects\\IceCrush.ani", &IceCrushAnim},
        {"Objects\\Effects\\KintosAni.ani", &KintosAnim},
        {"Objects\\Effects\\RockAni.ani", &RockAnim},
        {"Objects\\Deduvavi\\TWalk.ani", &HeroWalkAnim},
        {"Objects\\Deduvavi\\TBStay.ani", &HeroBattleStayAnim},
        {"Objects\\Deduvavi\\TBAttack.ani", &HeroAttackAnim},
        {"Objects\\Deduvavi\\TUseItem.ani", &HeroUseItemAnim},
        {"Objects\\Deduvavi\\TBWon.ani", &HeroWonAnim},
        {"Objects\\Deduvavi\\TGetSword.ani", &HeroGetSwordAnim},
        {"Objects\\Deduvavi\\TAngelCrush.ani", &HeroAngelCrushAnim},
        {"Objects\\Deduvavi\\TBulletDodge.ani", &HeroBulletDodgeAnim},
        {"Objects\\Katu\\KatuAni1.ani", &KatuAnim1},
        {"Objects\\Katu\\KatuAni2.ani", &KatuAnim2},
        {"Objects\\Ogre\\OgreStay.ani", &MonsterIdleAnims[0]},
        {"Objects\\Ogre\\OgreAttack.ani", &MonsterAttackAnims[0]},
        {"Objects\\Bat\\BatStay.ani", &MonsterIdleAnims[1]},
        {"Objects\\Bat\\BatAttack.ani", &MonsterAttackAnims[1]},
        {"Objects\\Toad\\ToadStay.ani", &MonsterIdleAnims[2]},
        {"Objects\\Toad\\ToadAttack.ani", &MonsterAttackAnims[2]},
        {"Objects\\Behemoth\\BehemothStay.ani", &MonsterIdleAnims[3]},
        {"Objects\\Behemoth\\BehemothAttack.ani", &MonsterAttackAnims[3]},
        {"Objects\\Scorpion\\ScorpionStay.ani", &MonsterIdleAnims[4]},
        {"Objects\\Scorpion\\ScorpionAttack.ani", &MonsterAttackAnims[4]},
        {"Objects\\Spike\\SpikeStay.ani", &MonsterIdleAnims[5]},
        {"Objects\\Spike\\SpikeAttack.ani", &MonsterAttackAnims[5]},
        {"Objects\\Limbus\\LimbusStay.ani", &MonsterIdleAnims[6]},
        {"Objects\\Limbus\\LimbusAttack.ani", &MonsterAttackAnims[6]},
    };
    for (const AnimationFile& file : animations) {
        if (LoadAnimation(file.path, *file.animation))
            AppendLog("Loaded Animation :%s", file.path);
        else
            AppendLog("Could not Load Animation :%s", file.path);
    }
}

void PrepareLevelBounds() {
    std::vector<LevelRecord>& L = LevelTable;
    // The others collide with their visible mesh, shared below.
    const bool withCollision[kLevelTotal] = {true, false, true, true, true, false, false};
    for (int level = 0; level < kLevelTotal; ++level) {
        PrepareModelBounds(L[level].Mesh);
        if (withCollision[level]) PrepareModelBounds(L[level].CollisionMesh);
        AppendLog("Build Display Lists for Level[%d]", level);
    }
}

void ShareLevelModels() {
    std::vector<LevelRecord>& L = LevelTable;
    L[LevelVoruduDungeon].CollisionMesh = L[LevelVoruduDungeon].Mesh;
    L[LevelVorudu].BattleGround = L[LevelWorldMap].BattleGround;
    L[LevelMistilia].BattleGround = L[LevelWorldMap].BattleGround;
    L[LevelForgottenForest].BattleGround = L[LevelWorldMap].BattleGround;
    L[LevelDamnedDungeon].CollisionMesh = L[LevelDamnedDungeon].Mesh;
    L[LevelDamnedDungeon].BattleGround = L[LevelVoruduDungeon].BattleGround;
    L[LevelRoadPass].CollisionMesh = L[LevelRoadPass].Mesh;
    // Nothing stands on a sky.
    for (int level : {LevelVoruduDungeon, LevelDamnedDungeon, LevelRoadPass})
        RemoveSkyObjects(L[level].CollisionMesh);
}

// The log is the record of what was found, so a texture that failed says so.
void LoadNamedTexture(TextureImage& texture, const char* path, bool mipmaps, const char* loadedLine,
                      const char* failedLine) {
    if (LoadTGATexture(texture, path, mipmaps))
        AppendLog("%s%s", loadedLine, path);
    else
        AppendLog("%s%s", failedLine, path);
}

void LoadTextures() {
    LoadNamedTexture(BattleCaptureTexture, "Textures/Quit.tga", false,
                     "Loaded Texture for Image Copy : ", "Could not Load Texture for Image Copy : ");
    const struct {
        TextureImage* texture;
        const char* path;
    } named[] = {
        {&PanelTexture, "Textures/Console.tga"},
        {&TitleButtonTextures[0], "Textures/New Game.tga"},
        {&TitleButtonTextures[1], "Textures/Load Game.tga"},
        {&TitleButtonTextures[2], "Textures/Credits.tga"},
        {&TitleButtonTextures[3], "Textures/Quit.tga"},
        {&TitleButtonTextures[4], "Textures/Options.tga"},
        {&ParticleTexture, "Textures/Particle.tga"},
        {&RingTexture, "Textures/Ring.tga"},
        {&SparkTexture, "Textures/Spark.tga"},
    };
    for (const auto& entry : named)
        LoadNamedTexture(*entry.texture, entry.path, true, "Loaded Texture : ", "Could not Load Texture : ");
}

void PlaceStartCamera() {
    Camera.Position = {0, 3, 0};
    Camera.ViewPoint = {0, 3, 6};
    Camera.UpVector = {0, 1, 0};
    HeroPosition = {Camera.ViewPoint.x, 0, Camera.ViewPoint.z};
    HeroRotation = {0, 0, 0};
}

} // namespace

void DrawLogoFrame() {
    glClearColor(0.2f, 0.5f, 1.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    EnterUnitSquare();
    DrawLogoPicture();
    glPopMatrix();
    SwapScreenBuffer();
}

void LoadEverything() {
    TimesFontBase = BuildFont("Times New Roman", FontCellHeight());
    AppendLog("Created Times New Roman Font");

    AppendDefaultLevels();
    LoadModels();
    LoadAnimations();
    PrepareLevelBounds();
    ShareLevelModels();
    LoadTextures();
    ComputeMenuLayout();
    ResetCommandMenu();
    ResetVictory();
    PlaceStartCamera();

    InitItemTable();
    AppendLog("Initialised Items");
    InitStoneTables();
    AppendLog("Initialised Swarps and Warps");
    BuildLevelTable();
    AppendLog("Levels Initiated");

    GameMode = ModeTitle;
}
