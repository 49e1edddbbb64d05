// Writes the battle's monsters, the hero's battle animations and the camera
// flights into the data folder.
#include "content/battle.h"

#include "content/characters.h"

namespace {

void WriteText(DataWriter& w, const std::string& path, bool ok, const std::string& text,
               const std::string& why) {
    if (!ok) {
        w.failures.push_back(path + ": " + why);
        return;
    }
    w.Write(path, text);
}

void WriteRigFiles(DataWriter& w, const std::string& folder, const std::string& name, const Rig& rig,
                   const Pose& modelPose,
                   const std::vector<std::pair<std::string, std::vector<Pose>>>& anims) {
    std::string text, why;
    if (!name.empty()) {
        bool ok = WriteModel3D(PosedMesh(rig, modelPose), text, &why);
        WriteText(w, folder + name + ".m3d", ok, text, why);
    }
    for (const auto& [suffix, poses] : anims) {
        bool ok = WriteRigAnimation(rig, poses, text, &why);
        WriteText(w, folder + suffix + ".ani", ok, text, why);
    }
}

} // namespace

void BuildBattleContent(DataWriter& w) {
    for (const MonsterContent& m : BuildMonsters()) {
        const std::string folder = "Objects\\" + m.name + "\\";
        WriteRigFiles(w, folder, m.name, m.rig, m.idle.front(),
                      {{m.name + "Stay", m.idle}, {m.name + "Attack", m.attack}});
    }
    const Rig hero = BuildHeroRig();
    const HeroBattleContent poses = BuildHeroBattlePoses(hero);
    WriteRigFiles(w, "Objects\\Deduvavi\\", "", hero, Pose{},
                  {{"TBStay", poses.stance},
                   {"TBAttack", poses.attack},
                   {"TUseItem", poses.useItem},
                   {"TBWon", poses.won}});
    for (const CameraFlight& f : BuildBattleFlights()) {
        if (f.keys.empty() || f.keys.size() > 10) {
            w.failures.push_back(f.gamePath + ": a camera script holds 1 to 10 keys");
            continue;
        }
        w.Write(f.gamePath, WriteCameraScript(f.keys));
    }
}
