// The battle's content: the seven monsters with their idle and attack loops,
// the hero's battle stance, attack, item use and victory pose, and the camera
// flights that open and close a battle.
#pragma once

#include "assets/vector.h"
#include "content/anim.h"
#include "content/output.h"

#include <functional>
#include <string>
#include <vector>

// Monsters stand on the row z = 20 facing -z; the hero stands at z = 10 facing
// +z. The battle walks an attacker along x only, so the reach along z is the
// attack animation's own: its last frame is the strike the battle holds while
// it deals damage.
constexpr float kMonsterStrikeZ = -9.5f;
constexpr float kHeroStrikeZ = 9.5f;
constexpr int kAttackFrames = 35; // the battle's walk covers the whole x distance in 35 frames
constexpr int kIdleFrames = 32;

struct MonsterContent {
    std::string name; // "Ogre": files Objects\Ogre\Ogre.m3d, OgreStay.ani, OgreAttack.ani
    Rig rig;
    std::string strikePart; // the part that lands the blow
    std::vector<Pose> idle, attack;
};

std::vector<MonsterContent> BuildMonsters();

struct HeroBattleContent {
    std::vector<Pose> stance, attack, useItem, won;
};
// The poses on the hero's own rig; his sword blade lands the blow.
HeroBattleContent BuildHeroBattlePoses(const Rig& hero);

// Attack frames that run the rig's root forward along z, wind up, and end on
// the strike with the striking part's farthest point at reachZ (the sign says
// which way the rig faces).
struct AttackMoves {
    std::function<Pose(float travel)> gait; // travel 0 .. 1 of the run; gait(0) is the rest stance
    Pose windup, strike;                    // without the run's forward offset
};
std::vector<Pose> LungeFrames(const Rig& rig, const AttackMoves& moves, const std::string& strikePart,
                              float reachZ);

struct CameraFlightKey {
    CVector3 position, viewPoint, up;
    int steps;
};
struct CameraFlight {
    std::string gamePath;
    std::vector<CameraFlightKey> keys;
};
// The nine battle openings (three per level prefix) and the victory turn.
std::vector<CameraFlight> BuildBattleFlights();
std::string WriteCameraScript(const std::vector<CameraFlightKey>& keys);

// Writes all of the above into the data folder.
void BuildBattleContent(DataWriter& writer);
