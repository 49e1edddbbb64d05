// aurelant_gallery <data folder> <picture folder>: draws every level from each
// camera the game arrives with and from above, the battle arenas, and every
// character at three angles, with the game's own render state and model
// drawing, into PNG files and one contact sheet (sheet.png); then the battle:
// each opening flight's last view and the victory turn's, with the hero and
// monsters posed, and every attack's strike frame seen from the side.
//
//   xvfb-run -a -s "-screen 0 1024x768x24" build/content/aurelant_gallery build/data /tmp/gallery
#include "app/graphics.h"
#include "assets/animation.h"
#include "assets/camera_script.h"
#include "assets/game_state.h"
#include "assets/model3d.h"
#include "assets/screen_area.h"
#include "assets/text_scan.h"
#include "content/levels_common.h"
#include "platform/platform.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr int kThumbW = 200, kThumbH = 150, kColumns = 6;

const char* const kLevelFiles[kLevelTotal] = {"Levels\\Vorudu.m3d",    "Levels\\Vorudu Dungeon.m3d",
                                              "Levels\\World Map.m3d", "Levels\\Forgotten Forest.m3d",
                                              "Levels\\Mistilia.m3d",  "Levels\\Dungeon of the Damned.m3d",
                                              "Levels\\RoadPass.m3d"};
const char* const kArenaFiles[] = {"Levels\\World MapBG.m3d", "Levels\\Vorudu DungeonBG.m3d"};
const char* const kCharacterFiles[] = {
    "Objects\\Deduvavi\\Deduvavi.m3d", "Objects\\Vorudu\\Villager.m3d",   "Objects\\Chest\\ChestModel.m3d",
    "Objects\\Ogre\\Ogre.m3d",         "Objects\\Bat\\Bat.m3d",           "Objects\\Toad\\Toad.m3d",
    "Objects\\Behemoth\\Behemoth.m3d", "Objects\\Scorpion\\Scorpion.m3d", "Objects\\Spike\\Spike.m3d",
    "Objects\\Limbus\\Limbus.m3d",     "Objects\\Katu\\Katu.m3d",         "Objects\\Effects\\LavaBall.m3d"};

struct Shot {
    std::string name;
    std::vector<uint8_t> rgba; // top row first
};

std::vector<uint8_t> ReadScreen() {
    std::vector<uint8_t> bottomUp(static_cast<size_t>(kWidth) * kHeight * 4), out(bottomUp.size());
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    const size_t row = static_cast<size_t>(kWidth) * 4;
    for (int y = 0; y < kHeight; ++y)
        std::copy_n(&bottomUp[static_cast<size_t>(kHeight - 1 - y) * row], row,
                    &out[static_cast<size_t>(y) * row]);
    for (size_t i = 3; i < out.size(); i += 4) out[i] = 255;
    return out;
}

void LookAt(CVector3 eye, CVector3 view) {
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, view.x, view.y, view.z, 0, 1, 0);
}

void DrawAt(const Model3D& model, CVector3 at, float yaw) {
    glPushMatrix();
    glTranslatef(at.x, at.y, at.z);
    glRotatef(yaw, 0, 1, 0);
    DrawModel3D(model);
    glPopMatrix();
}

struct Scene {
    Model3D levels[kLevelTotal];
    Model3D hero, villager, chest;
};

void DrawLevel(const Scene& s, int level, const CVector3* hero, float heroYaw) {
    glEnable(GL_LIGHT1);
    DrawLevelModel(s.levels[level], nullptr); // the sky is the game's to hang around its eye
    glDisable(GL_LIGHT1);
    const LevelRecord& record = GameLevels()[static_cast<size_t>(level)];
    for (const VillagerRecord& v : record.Villagers) DrawAt(s.villager, v.Position, v.Rotation.y);
    for (const ChestRecord& c : record.Chests) DrawAt(s.chest, c.Position, c.Rotation.y);
    if (hero) DrawAt(s.hero, *hero, heroYaw);
}

void Bounds(const Model3D& m, CVector3& lo, CVector3& hi) {
    lo = {1e9f, 1e9f, 1e9f};
    hi = {-1e9f, -1e9f, -1e9f};
    for (const Object3D& o : m.objects) {
        if (o.sky) continue; // it hangs around the eye, not in the level
        for (const CVector3& v : o.vertices) {
            lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
            hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
        }
    }
}

void Save(std::vector<Shot>& shots, const std::string& dir, const std::string& name) {
    Shot shot{name, ReadScreen()};
    WritePNG((dir + "/" + name + ".png").c_str(), kWidth, kHeight, shot.rgba.data());
    SwapScreenBuffer();
    shots.push_back(std::move(shot));
}

void WriteSheet(const std::vector<Shot>& shots, const std::string& dir) {
    const int rows = static_cast<int>((shots.size() + kColumns - 1) / kColumns);
    std::vector<uint8_t> sheet(static_cast<size_t>(kThumbW) * kColumns * kThumbH * rows * 4, 32);
    const int sheetW = kThumbW * kColumns;
    for (size_t n = 0; n < shots.size(); ++n) {
        const int ox = static_cast<int>(n % kColumns) * kThumbW,
                  oy = static_cast<int>(n / kColumns) * kThumbH;
        for (int y = 0; y < kThumbH; ++y)
            for (int x = 0; x < kThumbW; ++x)
                for (int c = 0; c < 4; ++c) {
                    // A box filter over the 4x4 pixels each thumbnail pixel covers.
                    int sum = 0;
                    for (int j = 0; j < 4; ++j)
                        for (int i = 0; i < 4; ++i)
                            sum +=
                                shots[n].rgba[(static_cast<size_t>(y * 4 + j) * kWidth + x * 4 + i) * 4 + c];
                    sheet[(static_cast<size_t>(oy + y) * sheetW + ox + x) * 4 + c] =
                        static_cast<uint8_t>(sum / 16);
                }
    }
    WritePNG((dir + "/sheet.png").c_str(), sheetW, kThumbH * rows, sheet.data());
}

const char* const kMonsters[] = {"Ogre", "Bat", "Toad", "Behemoth", "Scorpion", "Spike", "Limbus"};

struct Posed {
    Model3D model;
    Animation stay, attack;
};

bool LoadPosed(const std::string& folder, const std::string& model, const std::string& stay,
               const std::string& attack, Posed& out) {
    return LoadModel3D((folder + model).c_str(), out.model) &&
           LoadAnimation((folder + stay).c_str(), out.stay) &&
           LoadAnimation((folder + attack).c_str(), out.attack);
}

void LookThrough(const CameraKey& key) {
    glLoadIdentity();
    gluLookAt(key.Position.x, key.Position.y, key.Position.z, key.ViewPoint.x, key.ViewPoint.y,
              key.ViewPoint.z, key.UpVector.x, key.UpVector.y, key.UpVector.z);
}

// The lower-left command panel and the lower-right gauges, outlined, so a
// shot shows what the menus will cover.
void OutlineMenus() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, kWidth, kHeight, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glColor3f(1, 1, 0);
    const float top = kHeight / 1.34f;
    glBegin(GL_LINE_LOOP);
    glVertex2f(1, kHeight * 0.5f);
    glVertex2f(kWidth * 0.5f, kHeight * 0.5f);
    glVertex2f(kWidth * 0.5f, kHeight - 1);
    glVertex2f(1, kHeight - 1);
    glEnd();
    glBegin(GL_LINE_LOOP);
    glVertex2f(kWidth * 0.5f, top);
    glVertex2f(kWidth - 1, top);
    glVertex2f(kWidth - 1, kHeight - 1);
    glVertex2f(kWidth * 0.5f, kHeight - 1);
    glEnd();
    glColor3f(1, 1, 1);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void DrawPosed(Posed& p, const Animation& anim, int frame, CVector3 at) {
    ApplyAnimationFrame(p.model, anim, frame);
    DrawAt(p.model, at, 0.0f);
}

void ShootBattles(std::vector<Shot>& shots, const std::string& out) {
    Posed hero, monsters[7];
    Animation won;
    LoadPosed("Objects\\Deduvavi\\", "Deduvavi.m3d", "TBStay.ani", "TBAttack.ani", hero);
    LoadAnimation("Objects\\Deduvavi\\TBWon.ani", won);
    for (int m = 0; m < 7; ++m) {
        const std::string name = kMonsters[m];
        LoadPosed("Objects\\" + name + "\\", name + ".m3d", name + "Stay.ani", name + "Attack.ani",
                  monsters[m]);
    }
    Model3D arenas[2];
    LoadModel3D(kArenaFiles[0], arenas[0]);
    LoadModel3D(kArenaFiles[1], arenas[1]);
    auto script = [](const std::string& path, bool last) {
        CameraKey keys[kCameraKeyCount];
        int32_t lastKey = 0;
        std::vector<char> text;
        if (!ReadGameFile(path.c_str(), text)) text.clear();
        ParseCameraScript(text.data(), text.size(), keys, lastKey);
        return keys[last ? lastKey : 0];
    };
    auto begin = [](const Model3D& arena, const CameraKey& key) {
        glClearColor(0.2f, 0.5f, 1.0f, 0.5f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        LookThrough(key);
        glEnable(GL_LIGHT1);
        DrawModel3D(arena);
        glDisable(GL_LIGHT1);
    };
    // Each opening's end, with a row of three (and the two big ones alone).
    const struct {
        const char* prefix;
        int arena;
        int row[3];
    } openings[] = {{"TBGIntro", 0, {0, 1, 2}},
                    {"WMBGIntro", 0, {3, -1, -1}},
                    {"TDBGIntro", 1, {4, 5, 0}},
                    {"TDBGIntro", 1, {6, -1, -1}}};
    for (const auto& o : openings)
        for (int v = 0; v < 3; ++v) {
            begin(arenas[o.arena],
                  script(std::string("Scripts\\") + o.prefix + std::to_string(v) + ".scp", true));
            DrawPosed(hero, hero.stay, 0, {4, 0, 10});
            const bool alone = o.row[1] < 0;
            for (int k = 0; k < 3; ++k)
                if (o.row[k] >= 0)
                    DrawPosed(monsters[o.row[k]], monsters[o.row[k]].stay, 8,
                              {alone ? 4.0f : 8.0f - 4.0f * static_cast<float>(k), 0, 20});
            OutlineMenus();
            Save(shots, out, std::string("battle_") + o.prefix + std::to_string(v) + (alone ? "_alone" : ""));
        }
    for (int a = 0; a < 2; ++a) {
        begin(arenas[a], script("Scripts/BGWon.scp", true));
        DrawPosed(hero, won, won.frameCount - 1, {4, 0, 10});
        Save(shots, out, std::string("battle_won_") + std::to_string(a));
    }
    // Strike frames from the side: the blow must land on the one struck.
    const CameraKey side = {{-9, 3, 15}, {4, 1.2f, 15}, {0, 1, 0}, 1};
    for (int m = 0; m < 8; ++m) {
        begin(arenas[0], side);
        if (m < 7) {
            DrawPosed(monsters[m], monsters[m].attack, monsters[m].attack.frameCount - 1, {4, 0, 20});
            DrawPosed(hero, hero.stay, 0, {4, 0, 10});
        } else {
            DrawPosed(monsters[0], monsters[0].stay, 0, {4, 0, 20});
            DrawPosed(hero, hero.attack, hero.attack.frameCount - 1, {4, 0, 10});
        }
        Save(shots, out, std::string("strike_") + (m < 7 ? kMonsters[m] : "hero"));
    }
    // The hero's stance, raised item and victory pose, side by side.
    Animation item;
    LoadAnimation("Objects\\Deduvavi\\TUseItem.ani", item);
    begin(arenas[0], {{4, 2, 16}, {4, 1, 10}, {0, 1, 0}, 1});
    DrawPosed(hero, hero.stay, 0, {6, 0, 10});
    DrawPosed(hero, item, item.frameCount - 1, {4, 0, 10});
    DrawPosed(hero, won, won.frameCount - 1, {2, 0, 10});
    Save(shots, out, "frames_hero");
    // Mid-run and idle frames of each, side by side.
    for (int m = 0; m < 7; ++m) {
        begin(arenas[0], {{-6, 3, 12}, {4, 1.2f, 18}, {0, 1, 0}, 1});
        DrawPosed(monsters[m], monsters[m].stay, 0, {8, 0, 20});
        DrawPosed(monsters[m], monsters[m].stay, monsters[m].stay.frameCount / 4, {4, 0, 20});
        DrawPosed(monsters[m], monsters[m].attack, 26, {0, 0, 20});
        Save(shots, out, std::string("frames_") + kMonsters[m]);
    }
}

// The story's flights key by key with their figures as the game would show
// them then: the sword scene in the dungeon, and the ending on the road with
// a hero left standing where the road exit lands him, who must stay out of
// every view.
void ShootStory(std::vector<Shot>& shots, const std::string& out, const Scene& s) {
    Model3D hero = s.hero, katu, ball;
    Animation sword, dodge, katu1, katu2;
    LoadModel3D("Objects\\Katu\\Katu.m3d", katu);
    LoadModel3D("Objects\\Effects\\LavaBall.m3d", ball);
    LoadAnimation("Objects\\Deduvavi\\TGetSword.ani", sword);
    LoadAnimation("Objects\\Deduvavi\\TBulletDodge.ani", dodge);
    LoadAnimation("Objects\\Katu\\KatuAni1.ani", katu1);
    LoadAnimation("Objects\\Katu\\KatuAni2.ani", katu2);
    auto keys = [](const char* path, int32_t& last) {
        std::vector<CameraKey> k(kCameraKeyCount);
        CameraKey table[kCameraKeyCount];
        std::vector<char> text;
        if (!ReadGameFile(path, text)) text.clear();
        ParseCameraScript(text.data(), text.size(), table, last);
        std::copy(table, table + kCameraKeyCount, k.begin());
        return k;
    };
    auto begin = [&](int level, const CameraKey& key) {
        glClearColor(0, 0, 0, 0.5f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        LookThrough(key);
        glEnable(GL_LIGHT1);
        DrawLevelModel(s.levels[level], nullptr);
        glDisable(GL_LIGHT1);
    };
    auto pose = [](Model3D& m, const Animation& a, int f) {
        if (a.frameCount > 0) ApplyAnimationFrame(m, a, std::min(f, a.frameCount - 1));
    };
    int32_t last = 0;
    const std::vector<CameraKey> found = keys("Scripts\\FoundSword.scp", last);
    const CVector3 at = {1.9f, 0.0f, -3.63f};
    for (int f : {0, 14, 24, 34}) {
        begin(LevelVoruduDungeon, found[static_cast<size_t>(last)]);
        pose(hero, sword, f);
        DrawAt(hero, at, 0.0f);
        Save(shots, out, "story_sword_" + std::to_string(f));
    }
    begin(LevelVoruduDungeon, found[0]);
    pose(hero, sword, 0);
    DrawAt(hero, at, 0.0f);
    Save(shots, out, "story_sword_first");
    for (int f : {0, 13}) {
        begin(LevelVoruduDungeon,
              {{at.x + 2.5f, 1.0f, at.z + 0.6f}, {at.x, 0.6f, at.z + 0.3f}, {0, 1, 0}, 1});
        pose(hero, sword, f);
        DrawAt(hero, at, 0.0f);
        Save(shots, out, "story_sword_side_" + std::to_string(f));
    }

    const std::vector<CameraKey> road = keys("Scripts\\BulletDodge.scp", last);
    CVector3 arrival = {0, 0, 0};
    for (const LevelRecord& from : GameLevels())
        for (const ExitRecord& e : from.Exits)
            if (e.TargetLevel == LevelRoadPass) arrival = e.ArrivalPosition;
    // The ending's clock: Katu's first animation, ten frames of his second at
    // once, the rest at a quarter speed, then the balls at 0.02 a frame.
    const int castEnd = 35 + 11 + 127;
    auto shootRoad = [&](const CameraKey& key, int frame, const std::string& name) {
        begin(LevelRoadPass, key);
        if (frame < 35)
            pose(katu, katu1, frame);
        else if (frame < 46)
            pose(katu, katu2, frame - 35);
        else
            pose(katu, katu2, std::min(136, 10 + frame - 46) / 4);
        DrawAt(katu, {0, -0.5f, 0}, 0.0f);
        const float offset = 2.0f + 0.02f * static_cast<float>(std::max(0, frame - castEnd));
        Model3D duelist = s.hero;
        pose(duelist, dodge, offset > 29 ? static_cast<int>((offset - 29) / 0.02f) / 4 : 0);
        DrawAt(duelist, {0, 0, 30}, 180.0f);
        DrawAt(s.hero, arrival, 181.4f);
        if (frame >= castEnd) {
            const float balls[7][3] = {{-1.846f, 2.434f, -0.894f}, {-1.041f, 2.289f, -1.02f},
                                       {0.292f, 2.263f, -0.738f},  {-0.48f, 1.941f, -1.189f},
                                       {0.593f, 1.188f, -1.258f},  {-0.806f, 0.967f, -1.116f},
                                       {0.178f, 1.684f, -1.258f}};
            for (const auto& b : balls) DrawAt(ball, {b[0], b[1], offset + b[2]}, 0.0f);
        }
        Save(shots, out, name);
    };
    int frame = 1;
    for (int k = 0; k <= last; ++k) {
        if (k > 0) frame += road[static_cast<size_t>(k)].Steps;
        shootRoad(road[static_cast<size_t>(k)], frame, "story_end_key" + std::to_string(k));
    }
    for (float offset : {29.5f, 31.0f, 36.0f, 41.0f})
        shootRoad(road[static_cast<size_t>(last)], castEnd + static_cast<int>((offset - 2.0f) / 0.02f),
                  "story_end_at" + std::to_string(static_cast<int>(offset)));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <data folder> <picture folder>\n",
                     argc > 0 ? argv[0] : "aurelant_gallery");
        return 2;
    }
    const std::string out = std::filesystem::absolute(argv[2]).string();
    std::filesystem::create_directories(out);
    std::filesystem::current_path(argv[1]);
    ScreenWidth = kWidth;
    ScreenHeight = kHeight;
    ScreenBits = 24;
    SetWindowSize(kWidth, kHeight);
    if (!InitPlatform(true) ||
        !OpenGameWindow("Aurelant gallery", 0, 0, kWidth, kHeight, false, {24, 24, true})) {
        std::fprintf(stderr, "aurelant_gallery: no window\n");
        return 1;
    }
    SetupRenderState(kWidth, kHeight);

    static Scene scene;
    for (int i = 0; i < kLevelTotal; ++i)
        if (!LoadModel3D(kLevelFiles[i], scene.levels[i]))
            std::fprintf(stderr, "missing %s\n", kLevelFiles[i]);
    LoadModel3D("Objects\\Deduvavi\\Deduvavi.m3d", scene.hero);
    LoadModel3D("Objects\\Vorudu\\Villager.m3d", scene.villager);
    LoadModel3D("Objects\\Chest\\ChestModel.m3d", scene.chest);

    std::vector<Shot> shots;
    static const char* const names[kLevelTotal] = {"vorudu",   "dungeon", "worldmap", "forest",
                                                   "mistilia", "damned",  "roadpass"};
    const std::vector<LevelRecord>& levels = GameLevels();
    for (int level = 0; level < kLevelTotal; ++level) {
        int view = 0;
        auto shoot = [&](CVector3 eye, CVector3 look, const CVector3* hero, float yaw) {
            glClearColor(0, 0, 0, 0.5f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            LookAt(eye, look);
            DrawLevel(scene, level, hero, yaw);
            Save(shots, out, std::string(names[level]) + "_" + std::to_string(view++));
        };
        for (const LevelRecord& from : levels)
            for (const ExitRecord& e : from.Exits)
                if (e.TargetLevel == level)
                    shoot(e.ArrivalEye, e.ArrivalView, &e.ArrivalPosition, e.ArrivalRotation.y);
        if (level == kNewGameLevel) shoot(kNewGameEye, kNewGameView, &kNewGameHero, 0.0f);
        // The ending: from behind the hero facing Katu down the road.
        if (level == LevelRoadPass) shoot({0.0f, 3.3f, 36.0f}, {0.0f, 1.5f, 0.0f}, nullptr, 0.0f);
        CVector3 lo, hi;
        Bounds(scene.levels[level], lo, hi);
        const CVector3 mid = {(lo.x + hi.x) * 0.5f, (lo.y + hi.y) * 0.5f, (lo.z + hi.z) * 0.5f};
        const float reach = std::max(hi.x - lo.x, hi.z - lo.z);
        shoot({mid.x, mid.y + reach * 0.75f, mid.z - reach * 0.55f}, mid, nullptr, 0.0f);
    }
    for (int a = 0; a < 2; ++a) {
        Model3D arena;
        LoadModel3D(kArenaFiles[a], arena);
        int view = 0;
        for (const CVector3 eye : {CVector3{-3, 3, 0}, CVector3{4, 5, -2}, CVector3{14, 4, 30}}) {
            glClearColor(0.2f, 0.5f, 1.0f, 0.5f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            LookAt(eye, eye.x == -3 ? CVector3{-3, 3, -6} : CVector3{4, 1, 15});
            glEnable(GL_LIGHT1);
            DrawModel3D(arena);
            glDisable(GL_LIGHT1);
            DrawAt(scene.hero, {4, 0, 10}, 0.0f);
            for (float x : {0.0f, 4.0f, 8.0f}) DrawAt(scene.villager, {x, 0, 20}, 180.0f);
            Save(shots, out, std::string(a == 0 ? "arena_open_" : "arena_dungeon_") + std::to_string(view++));
        }
    }
    for (const char* file : kCharacterFiles) {
        Model3D model;
        if (!LoadModel3D(file, model)) continue;
        std::string name = file;
        name = name.substr(name.find_last_of('\\') + 1);
        name = name.substr(0, name.size() - 4);
        CVector3 lo, hi;
        Bounds(model, lo, hi);
        // Big monsters are seen from further off, so all of each fits.
        const float tall = std::max(1.8f, std::max(hi.y, std::max(hi.x - lo.x, hi.z - lo.z) * 0.8f));
        for (int k = 0; k < 3; ++k) {
            const float a = Radians(30.0f + 120.0f * static_cast<float>(k)), d = tall * 2.2f;
            glClearColor(0.35f, 0.35f, 0.4f, 0.5f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            LookAt({std::sin(a) * d, tall, std::cos(a) * d}, {0, tall * 0.5f, 0});
            glEnable(GL_LIGHT1);
            DrawModel3D(model);
            glDisable(GL_LIGHT1);
            Save(shots, out, name + "_" + std::to_string(k));
        }
    }
    ShootBattles(shots, out);
    ShootStory(shots, out, scene);
    WriteSheet(shots, out);
    std::printf("aurelant_gallery: %zu pictures in %s\n", shots.size(), out.c_str());
    ShutdownPlatform();
    return 0;
}
