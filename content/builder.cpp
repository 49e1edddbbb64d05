#include "content/builder.h"

#include "content/battle.h"
#include "content/characters.h"
#include "content/effects.h"
#include "content/icon.h"
#include "content/levels_common.h"
#include "content/menu_props.h"
#include "content/music.h"
#include "content/sounds.h"
#include "content/story.h"
#include "content/textures.h"

namespace {

void WriteRig(DataWriter& w, const std::string& path, const Rig& rig, const std::vector<Pose>& poses) {
    std::string text, why;
    if (!WriteRigAnimation(rig, poses, text, &why)) {
        w.failures.push_back(path + ": " + why);
        return;
    }
    w.Write(path, text);
}

void BuildCharacters(DataWriter& w) {
    Rig hero = BuildHeroRig();
    WriteMesh(w, "Objects\\Deduvavi\\Deduvavi.m3d", PosedMesh(hero, HeroStandPose(hero)));
    std::vector<Pose> run;
    for (int f = 0; f < kWalkFrames; ++f) run.push_back(HeroRunPose(hero, f));
    WriteRig(w, "Objects\\Deduvavi\\TWalk.ani", hero, run);
    WriteMesh(w, "Objects\\Deduvavi\\TSword.m3d", BuildSwordMesh());
    WriteMesh(w, "Objects\\Deduvavi\\Swarp.m3d", BuildSwarpMesh());
    WriteMesh(w, "Objects\\Deduvavi\\TWHolder.m3d", BuildWarpHolderMesh());
    WriteMesh(w, "Objects\\Deduvavi\\Warp.m3d", BuildWarpMesh());

    WriteMesh(w, "Objects\\Vorudu\\Villager.m3d", BuildVillagerMesh());
    WriteMesh(w, "Objects\\Vorudu\\Box.m3d", BuildPropBoxMesh());

    Rig chest = BuildChestRig();
    WriteMesh(w, "Objects\\Chest\\ChestModel.m3d", PosedMesh(chest, ChestPose(chest, 0)));
    std::vector<Pose> opening;
    for (int f = 0; f < kChestFrames; ++f) opening.push_back(ChestPose(chest, f));
    WriteRig(w, "Objects\\Chest\\ChestAni.ani", chest, opening);
}

} // namespace

bool BuildGameData(DataWriter& w) {
    // Lettering in a fallback face would quietly change every button.
    if (!FontInstalled(kLetteringFont)) {
        w.failures.push_back(std::string("the font \"") + kLetteringFont +
                             "\" is not installed (install the package fonts-liberation)");
        return false;
    }
    BuildCharacters(w);
    BuildBattleContent(w);
    BuildLevels(w);
    BuildEffects(w);
    BuildStory(w);
    for (const TextureFile& t : BuildTextures()) {
        if (t.image.width == 0) {
            w.failures.push_back(t.gamePath + ": empty picture");
            continue;
        }
        w.Write(t.gamePath, WriteTGA(t.image, t.alpha));
    }
    for (const MusicFile& m : BuildMusic()) w.Write(m.gamePath, WriteWav(m.sound));
    for (const IconFile& i : BuildIcons()) {
        if (i.png.empty()) w.failures.push_back(i.gamePath + ": cannot encode");
        w.Write(i.gamePath, i.png);
    }
    for (const SoundFile& s : BuildSounds()) w.Write(s.gamePath, WriteWav(s.sound));
    return w.failures.empty();
}
