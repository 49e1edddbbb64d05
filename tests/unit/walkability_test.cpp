// Walking the built levels with the game's own collision: every place the
// story, the table or an exit needs must hold the hero up at its height, and
// be reachable on foot from where he arrives.
#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/model3d.h"
#include "content/levels_common.h"
#include "tests/unit/test_support.h"
#include "world/collision.h"
#include "world/field_camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <map>
#include <string>

namespace {

const char* const kCollisionFiles[kLevelTotal] = {
    "Levels/VoruduCB.m3d",    "Levels/Vorudu Dungeon.m3d",
    "Levels/World MapCB.m3d", "Levels/Forgotten ForestCB.m3d",
    "Levels/MistiliaCB.m3d",  "Levels/Dungeon of the Damned.m3d",
    "Levels/RoadPass.m3d"};

bool LoadBuilt(const std::string& relative, Model3D& model) {
    const std::string text = ReadFile(std::string(AURELANT_LEVEL_DATA) + "/" + relative);
    if (text.empty()) return false;
    ParseModel3D(text.data(), text.size(), model, nullptr);
    RemoveSkyObjects(model); // as the game does with a drawn mesh it collides with
    PrepareModelBounds(model);
    return true;
}

struct World {
    Model3D level;
    Model3D box;
    const LevelRecord* record = nullptr;
};

// Collision only tests objects the camera sees; here the "view" is a box
// around the hero, so the test sees what the game would near him and no more.
void ViewAround(const CVector3& p, float half) {
    const float planes[6][4] = {
        {-1, 0, 0, p.x + half}, {1, 0, 0, -(p.x - half)}, {0, 1, 0, -(p.y - half)},
        {0, -1, 0, p.y + half}, {0, 0, -1, p.z + half},   {0, 0, 1, -(p.z - half)},
    };
    for (int i = 0; i < 6; ++i)
        for (int k = 0; k < 4; ++k) ViewFrustum.plane[i][k] = planes[i][k];
}

// The arrival camera's shape: eye 5 behind the view point, which hangs above the hero.
void PlaceHero(const CVector3& p, float dirX, float dirZ) {
    HeroPosition = p;
    Camera.ViewPoint = {p.x, p.y + 2.5f, p.z};
    Camera.Position = {p.x - dirX * 5.0f, p.y + 3.3f, p.z - dirZ * 5.0f};
    Camera.UpVector = {0, 1, 0};
}

void Collide(const World& w) {
    ViewAround(HeroPosition, 6.0f);
    CollideWithLevel(w.level);
    CollideWithProps(w.box, w.record->Villagers, w.record->VillagerCount, w.record->Chests,
                     w.record->ChestCount);
}

// One walking step as the field takes it, then fall and be pushed out.
void WalkStep(const World& w) {
    const CVector3 stride = WalkStride(Camera);
    HeroPosition.x += stride.x;
    HeroPosition.z += stride.z;
    MoveCamera(Camera, WalkSpeed);
    Collide(w);
}

// Let the hero drop where he is; his height once nothing moves him, or NaN
// when the floor never catches him.
float Settle(const World& w, int steps) {
    float last = HeroPosition.y;
    for (int i = 0; i < steps; ++i) {
        Collide(w);
        // Free fall drops the full 0.3 a step; a slope only lets him slide a little.
        if (i > 3 && std::fabs(HeroPosition.y - last) < 0.1f) return HeroPosition.y;
        last = HeroPosition.y;
    }
    return NAN;
}

class Walkability : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        PlayerHasControl = 1;
        ASSERT_TRUE(LoadBuilt(kCollisionFiles[GetParam()], world_.level)) << kCollisionFiles[GetParam()];
        ASSERT_TRUE(LoadBuilt("Objects/Vorudu/Box.m3d", world_.box));
        world_.record = &GameLevels()[static_cast<size_t>(GetParam())];
        anchors_ = LevelAnchors(GetParam());
    }
    World world_;
    std::vector<LevelAnchor> anchors_;
};

float HighestFloor(const std::vector<LevelAnchor>& anchors) {
    float top = -1e9f;
    for (const LevelAnchor& a : anchors)
        if (AnchorFixesFloor(a)) top = std::max(top, AnchorFloor(a));
    return top;
}

// Every anchor holds the hero up at its height and leaves him where he was put.
TEST_P(Walkability, EveryPlaceHoldsTheHeroAtItsHeight) {
    const float dropFrom = HighestFloor(anchors_) + 2.0f;
    for (size_t i = 0; i < anchors_.size(); ++i) {
        const LevelAnchor& a = anchors_[i];
        const std::string label = AnchorLabel(a, static_cast<int32_t>(i));
        if (a.kind == AnchorVillager || a.kind == AnchorChest) {
            // Beside the prop, well inside talking reach, on one side at least.
            bool stood = false;
            for (const CVector2 side :
                 {CVector2{1.8f, 0}, CVector2{-1.8f, 0}, CVector2{0, 1.8f}, CVector2{0, -1.8f}}) {
                const CVector3 at = {a.position.x + side.u, a.position.y + 0.2f, a.position.z + side.v};
                PlaceHero(at, 0, 1);
                const float rest = Settle(world_, 40);
                if (std::isnan(rest) || std::fabs(rest - (a.position.y + 0.2f)) > 0.25f) continue;
                if (std::hypot(HeroPosition.x - at.x, HeroPosition.z - at.z) > 0.3f) continue;
                stood = true;
                break;
            }
            EXPECT_TRUE(stood) << label << ": no firm ground beside it at its height";
            continue;
        }
        const bool fixed = AnchorFixesFloor(a);
        const CVector3 at = {a.position.x, fixed ? a.position.y : dropFrom, a.position.z};
        PlaceHero(at, 0, 1);
        const float rest = Settle(world_, fixed ? 40 : 400);
        ASSERT_FALSE(std::isnan(rest)) << label << ": the hero falls through";
        if (fixed) {
            const float expected = AnchorFloor(a) + 0.2f;
            EXPECT_NEAR(rest, expected, 0.35f) << label;
        }
        EXPECT_LT(std::hypot(HeroPosition.x - at.x, HeroPosition.z - at.z), 0.3f)
            << label << ": pushed by a wall";
    }
}

// A flood fill over 2-unit cells, each step walked with the game's collision:
// from the arrivals the hero reaches every exit and every villager and chest,
// and nowhere does he walk off an edge or out of the level.
TEST_P(Walkability, EverythingIsReachableOnFootAndNothingLetsHimOut) {
    std::vector<CVector3> starts;
    for (const LevelAnchor& a : anchors_)
        if (a.kind == AnchorArrival || a.kind == AnchorNewGame) starts.push_back(a.position);
    if (starts.empty()) GTEST_SKIP() << "the story alone moves the hero here";

    float x0 = 1e9f, z0 = 1e9f, x1 = -1e9f, z1 = -1e9f;
    for (const Object3D& o : world_.level.objects)
        for (const CVector3& v : o.vertices) {
            x0 = std::min(x0, v.x);
            x1 = std::max(x1, v.x);
            z0 = std::min(z0, v.z);
            z1 = std::max(z1, v.z);
        }

    constexpr float kCell = 2.0f;
    auto key = [](float x, float z) {
        return std::make_pair(static_cast<int>(std::floor(x / kCell)),
                              static_cast<int>(std::floor(z / kCell)));
    };
    std::map<std::pair<int, int>, CVector3> reached;
    std::deque<CVector3> open;
    for (const CVector3& s : starts) {
        PlaceHero(s, 0, 1);
        const float rest = Settle(world_, 40);
        ASSERT_FALSE(std::isnan(rest)) << "arrival at (" << s.x << ", " << s.z << ") does not hold";
        if (reached.emplace(key(HeroPosition.x, HeroPosition.z), HeroPosition).second)
            open.push_back(HeroPosition);
    }
    int falls = 0, escapes = 0;
    std::string firstFall, firstEscape;
    while (!open.empty()) {
        const CVector3 from = open.front();
        open.pop_front();
        const auto cell = key(from.x, from.z);
        for (const CVector2 dir : {CVector2{1, 0}, CVector2{-1, 0}, CVector2{0, 1}, CVector2{0, -1}}) {
            // Head for the middle of the next cell, wherever in this one he stands.
            const float tx = (static_cast<float>(cell.first) + 0.5f + dir.u) * kCell;
            const float tz = (static_cast<float>(cell.second) + 0.5f + dir.v) * kCell;
            const float run = std::hypot(tx - from.x, tz - from.z);
            PlaceHero(from, (tx - from.x) / run, (tz - from.z) / run);
            const int steps = static_cast<int>(std::ceil(run / 0.2f));
            for (int s = 0; s < steps; ++s) WalkStep(world_);
            const CVector3 end = HeroPosition;
            const float rest = Settle(world_, 12);
            if (std::isnan(rest)) {
                if (falls++ == 0)
                    firstFall = "(" + std::to_string(end.x) + ", " + std::to_string(end.z) + ")";
                continue;
            }
            if (end.x < x0 - 1 || end.x > x1 + 1 || end.z < z0 - 1 || end.z > z1 + 1) {
                if (escapes++ == 0)
                    firstEscape = "(" + std::to_string(end.x) + ", " + std::to_string(end.z) + ")";
                continue;
            }
            if (reached.emplace(key(HeroPosition.x, HeroPosition.z), HeroPosition).second)
                open.push_back(HeroPosition);
        }
    }
    EXPECT_EQ(falls, 0) << "the hero walks off an edge, first at " << firstFall;
    EXPECT_EQ(escapes, 0) << "the hero leaves the level, first at " << firstEscape;

    for (size_t i = 0; i < anchors_.size(); ++i) {
        const LevelAnchor& a = anchors_[i];
        if (a.kind != AnchorVillager && a.kind != AnchorChest && a.kind != AnchorExit &&
            a.kind != AnchorStoryTrigger)
            continue;
        bool near = false;
        for (const auto& [cell, p] : reached)
            if (std::fabs(p.x - a.position.x) < a.halfWidth && std::fabs(p.z - a.position.z) < a.halfWidth) {
                near = true;
                break;
            }
        // The one-spot trigger in the forest is narrower than a cell; the hero
        // must only be able to come next to it, its own ground is checked above.
        if (!near && a.halfWidth < 1.0f)
            for (const auto& [cell, p] : reached)
                if (std::hypot(p.x - a.position.x, p.z - a.position.z) < 2.5f) near = true;
        EXPECT_TRUE(near) << AnchorLabel(a, static_cast<int32_t>(i)) << " cannot be reached on foot from "
                          << reached.size() << " cells reached";
    }
    RecordProperty("cells", static_cast<int>(reached.size()));
}

std::string LevelName(const ::testing::TestParamInfo<int>& info) {
    static const char* const names[kLevelTotal] = {"Vorudu",   "VoruduDungeon", "WorldMap", "ForgottenForest",
                                                   "Mistilia", "Damned",        "RoadPass"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Levels, Walkability, ::testing::Range(0, kLevelTotal), LevelName);

} // namespace
