// The level toolkit: where the game's table puts people, chests, exits and
// arrivals; the walkable area of a level as a union of discs and paths with
// the floor and walls it gives; height fields held flat at chosen pads; the
// common props (trees, houses, fences, rocks); and the split of drawn and
// collision geometry into tiles small enough for the view-frustum test.
#pragma once

#include "content/image.h"
#include "content/mesh.h"
#include "content/output.h"
#include "content/random.h"
#include "world/level_table.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The game's own level table, filled once with the game's own code.
const std::vector<LevelRecord>& GameLevels();

enum AnchorKind : int32_t {
    AnchorVillager = 0,
    AnchorChest,
    AnchorExit,
    AnchorArrival,
    AnchorNewGame,
    AnchorStoryTrigger,
    AnchorStoryFigure,
    AnchorStoryHero,
};

struct LevelAnchor {
    int32_t kind;
    CVector3 position;
    float halfWidth; // the square the hero must reach: talking, exit or trigger
};

// Where a new game puts the hero in level 1, and the camera behind him.
constexpr int32_t kNewGameLevel = LevelVoruduDungeon;
constexpr CVector3 kNewGameHero = {0.0f, 0.0f, 6.0f};
constexpr CVector3 kNewGameEye = {0.0f, 3.0f, 0.0f};
constexpr CVector3 kNewGameView = {0.0f, 3.0f, 6.0f};

// Every place of a level that must lie on walkable ground.
std::vector<LevelAnchor> LevelAnchors(int32_t level);
// Does the anchor fix the floor height? Villagers, chests and figures stand on
// it (floor = y); the hero rests 0.2 above it. Triggers leave it open.
bool AnchorFixesFloor(const LevelAnchor& anchor);
float AnchorFloor(const LevelAnchor& anchor);
// A label for messages, such as "chest 3".
std::string AnchorLabel(const LevelAnchor& anchor, int32_t index);

// The walkable area: a union of capsules (a disc when both ends meet) less the holes.
struct WalkShape {
    CVector2 a, b;
    float radius;
};
struct WalkArea {
    std::vector<WalkShape> shapes;
    std::vector<WalkShape> holes;

    void Disc(float x, float z, float radius);
    void Path(const std::vector<CVector2>& points, float radius);
    void Hole(float x, float z, float radius);
    // Signed distance to the area's border: negative inside.
    float Distance(float x, float z) const;
    void Bounds(float& x0, float& z0, float& x1, float& z1) const;
};

using HeightFn = std::function<float(float, float)>;

// A point held at a height: within radius the floor is flat at it.
struct HeightPad {
    float x, z, height, radius;
};
// Inverse-distance blend of the pads; each pad rules its own disc exactly.
float PadHeight(const std::vector<HeightPad>& pads, float x, float z);

// A flat pad under every anchor that fixes the floor, and room to stand around every anchor.
std::vector<HeightPad> AnchorPads(int32_t level, float radius);
void AddAnchorDiscs(WalkArea& area, int32_t level, float radius);

// Square cells of the grid (cell size c, aligned to 0) whose centres lie inside
// the area form the floor; their corners take the height function's values.
Geometry WalkFloor(const WalkArea& area, float cell, const HeightFn& height, float texelsPerUnit);
// Vertical walls along every cell edge between the area and the outside, facing
// in, from `below` under the floor to `above` over it.
Geometry AreaWalls(const WalkArea& area, float cell, const HeightFn& height, float below, float above,
                   float texelsPerUnit);

// A roof over the area: the floor's cells at the given height, facing down.
Geometry AreaCeiling(const WalkArea& area, float cell, const HeightFn& height, float texelsPerUnit);

// Ground for drawing over the area's bounds and a margin: the floor inside,
// rising into hills outside so the walls along the border read as slopes.
HeightFn FramedGround(const WalkArea& area, const HeightFn& floor, float rise, uint32_t seed);
Geometry GroundOver(const WalkArea& area, float margin, float cell, const HeightFn& height,
                    float texelsPerUnit);

// Drawn geometry grouped by material and collision geometry, both split into
// square tiles when finished.
struct LevelKit {
    Mesh visual;
    std::vector<Geometry> drawn; // one per material of visual
    Geometry collision;
    // When set, hulls wholly beyond this area's border are dropped: the hero never gets there.
    const WalkArea* reach = nullptr;

    int32_t Material(const std::string& texture, uint8_t red, uint8_t green, uint8_t blue);
    void Draw(int32_t material, const Geometry& geometry);
    void Touch(const Geometry& hull);
    void Solid(int32_t material, const Geometry& geometry, const Geometry& hull) {
        Draw(material, geometry);
        Touch(hull);
    }
    Mesh FinishVisual(float tile) const;
    Mesh FinishCollision(float tile) const;
};

// Adds the geometry as objects of the mesh, one per square tile that holds
// triangle centres; tiles come in a fixed order.
void AddTiled(Mesh& mesh, const std::string& name, int32_t material, const Geometry& geometry, float tile);

// Props. Heights come from the ground under them.
struct PropPalette {
    int32_t wood, foliage, stone, roof, plaster;
};
// The textured materials of the grassland levels, registered in this order.
struct TownMaterials {
    int32_t grass, path, stone, wood, foliage, roof, plaster;
    PropPalette Props() const { return {wood, foliage, stone, roof, plaster}; }
};
TownMaterials AddTownMaterials(LevelKit& kit);
// A tree with a trunk the hero bumps into and a crown drawn only; a distant
// one, never seen up close, is built coarser.
void AddTree(LevelKit& kit, const PropPalette& p, float x, float y, float z, float scale, Random& random,
             bool pine = false, bool distant = false);
// A cottage centred at (x, z) on ground y, turned by yaw; its walls are solid.
void AddHouse(LevelKit& kit, const PropPalette& p, float x, float y, float z, float width, float depth,
              float yaw, bool stoneWalls);
// Posts and two rails from a to b following the ground; a solid rail keeps the hero back.
void AddFence(LevelKit& kit, const PropPalette& p, CVector2 a, CVector2 b, const HeightFn& ground);
// A boulder: drawn lumpy, solid as a box.
void AddRock(LevelKit& kit, int32_t material, float x, float y, float z, float size, Random& random);

// A straight box from a to b in x-z (width across, height up from the ground).
Geometry WallBetween(CVector2 a, CVector2 b, float y0, float y1, float thickness, float texelsPerUnit);

// The level pictures that the characters' textures do not cover.
void WriteLevelTextures(DataWriter& writer);

// Each level writes its own files.
void BuildVorudu(DataWriter& writer);
void BuildVoruduDungeon(DataWriter& writer);
void BuildWorldMap(DataWriter& writer);
void BuildForgottenForest(DataWriter& writer);
void BuildMistilia(DataWriter& writer);
void BuildDungeonOfTheDamned(DataWriter& writer);
void BuildRoadPass(DataWriter& writer);
void BuildArenas(DataWriter& writer);
void BuildLevels(DataWriter& writer);
