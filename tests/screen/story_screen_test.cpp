// The whole story on the real content, from New Game to the title and a new
// game again. Each scene starts from the slot file the one before saved, the
// hero moved in it to just before the scene: the walks between the scenes are
// not what is tested here, and the strong monsters would take hours of
// levelling first.
#include "tests/screen/battle_runs.h"
#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <fstream>
#include <string>
#include <vector>

namespace {

// These runs are long: at 640 x 480 they stay quick.
const char* const kSmallConfig = "Resolution=640 480 32\nControls=X Z C\nVSync=0\n";

// Where the slot file keeps what the tests move.
constexpr size_t kHpAt = 12, kMaxHpAt = 16, kAttackAt = 52, kDefenseAt = 56, kDexterityAt = 60;
constexpr size_t kCameraAt = 5292, kHeroAt = 5328, kRotationAt = 5340, kLevelAt = 5672, kFlagsAt = 5741;
constexpr size_t kSlotSize = 5747;

void Put32(std::string& file, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}
void PutFloats(std::string& file, size_t at, std::initializer_list<float> values) {
    for (float v : values) {
        Put32(file, at, std::bit_cast<uint32_t>(v));
        at += 4;
    }
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The in-game menu's Save page, slot 1, from `frame` on; returns the frame of the save.
int AddMenuSave(std::string& script, int frame) {
    script += std::to_string(frame) + " press C\n";
    for (int i = 1; i <= 6; ++i) script += std::to_string(frame + i) + " press Down\n";
    script += std::to_string(frame + 62) + " press X\n";  // once the menu has slid open
    script += std::to_string(frame + 130) + " press X\n"; // once the page is in
    return frame + 130;
}

// Load slot 1 from the title; field mode runs from frame 8.
const char* const kLoadScript = "2 press X\n7 press X\n";

// A fight's run, its states kept every `every` frames (none for 0), its shots read as pictures.
struct Story : Fight {
    Image Shot(int frame) const { return ReadPNG(Fight::Shot(frame)); }
};

Story RunStory(const std::string& name, std::vector<std::string> args, const std::string& script, int frames,
               const std::vector<int>& shots, const std::string& slot = "", int every = 5) {
    Story s;
    s.first = s.step = std::max(every, 1);
    s.dir = PrepareGameDir(name, true, kSmallConfig);
    if (!slot.empty()) std::ofstream(s.dir + "/Save/Slot1.sav", std::ios::binary) << slot;
    args.insert(args.begin(), "--fixed-step");
    if (every > 0) AddStates(args, every, frames, every);
    for (int f : shots)
        args.insert(args.end(), {"--shot", std::to_string(f) + ":f" + std::to_string(f) + ".png"});
    args.insert(args.end(), {"--quit-after", std::to_string(frames + 1)});
    s.run = RunGameIn(s.dir, args, script, 640, 480);
    for (int f = every; every > 0 && f <= frames; f += every) {
        State state = ReadState(StatePath(s.dir, f));
        if (state.empty()) break;
        s.states.push_back(std::move(state));
    }
    return s;
}

struct Spot {
    int level;
    float x, y, z;
    float dirX, dirZ; // the way he faces, a unit along x or z
};

// The slot file with the hero at the spot under a camera of the arrival
// cameras' shape, the first `scenes` story flags set (-1 keeps the file's) and,
// when strong, stats that win the story's battles in a few blows.
std::string Placed(std::string file, const Spot& at, int scenes, bool strong) {
    if (file.size() != kSlotSize) return file;
    PutFloats(file, kCameraAt,
              {at.x - at.dirX * 5.0f, at.y + 3.3f, at.z - at.dirZ * 5.0f, at.x, at.y + 2.5f, at.z, 0, 1, 0});
    PutFloats(file, kHeroAt, {at.x, at.y, at.z});
    const float yaw = at.dirZ < -0.5f ? 180.0f : at.dirX > 0.5f ? 90.0f : at.dirX < -0.5f ? 270.0f : 0.0f;
    PutFloats(file, kRotationAt, {0, yaw, 0});
    Put32(file, kLevelAt, static_cast<uint32_t>(at.level));
    for (int k = 0; k < 6 && scenes >= 0; ++k) file[kFlagsAt + k] = k < scenes ? 1 : 0;
    if (strong) {
        for (size_t at : {kHpAt, kMaxHpAt}) Put32(file, at, 9999);
        Put32(file, kAttackAt, 400);
        Put32(file, kDefenseAt, 400);
        Put32(file, kDexterityAt, 30);
    }
    return file;
}

bool Black(int r, int g, int b) {
    return r + g + b < 30;
}
// A picture of the scene, not a black screen: most of it lit.
void ExpectLit(const Image& shot, const char* what) {
    ASSERT_EQ(shot.width, 640) << what;
    EXPECT_LT(FindPixels(shot, 0, 0, 640, 480, Black).count, 640 * 480 / 3) << what;
}
// The dialogue box along the bottom, with its text.
void ExpectPage(const Image& shot, const char* what) {
    EXPECT_GT(FindPixels(shot, 15, 390, 530, 475, IsPanelBlue).count, 15000) << what;
    EXPECT_GT(FindPixels(shot, 15, 390, 530, 475, IsWhite).count, 100) << what;
}

// Plain OKs, one every 20 frames from `from` on: one page each.
std::string OkPages(int from, int pages) {
    return OkEvery(from, from + 20 * (pages - 1), 20);
}

// Every 20 frames up to `to`, none from `stop` on: both cursors back up to
// Attack and the first target, OK for the command and OK for the target;
// should that monster be down already, the next one and OK. In the field these
// keys only close pages.
std::string FightKeys(int from, int to, int stop = 1 << 30) {
    std::string script;
    for (int t = from; t <= to; t += 20) {
        const char* keys[] = {"Up", "Up", "Up", "X", "X", "Down", "X"};
        for (int i = 0; i < 7 && t + i < stop; ++i)
            script += std::to_string(t + i) + " press " + keys[i] + "\n";
    }
    return script;
}

// Frames of a walk into a scene from a loaded slot.
const char* const kWalkIn = "10 hold Up 12\n";

bool LavaOrange(int r, int g, int b) {
    return r > 200 && g > 100 && g < 200 && b < 60;
}

// One scene of the whole story: the last scene's slot file with the hero
// moved to the spot, the scene played, and the game's own save of it.
struct Stage {
    Story story;
    std::string saved;
    std::string Flags() const {
        std::string flags;
        for (size_t k = 0; k < 6 && kFlagsAt + k < saved.size(); ++k)
            flags += (k ? " " : "") + std::to_string(saved[kFlagsAt + k]);
        return flags;
    }
};

Stage PlayStage(const std::string& name, const std::string& slot, const Spot& start, bool strong,
                std::string script, int until, const std::vector<int>& shots = {}) {
    const int saved = AddMenuSave(script, until);
    Stage stage;
    stage.story = RunStory(name, {"--encounter-steps", "100000"}, script, saved + 5, shots,
                           Placed(slot, start, -1, strong));
    EXPECT_EQ(stage.story.run.exitCode, 0) << name << stage.story.run.stderrText;
    stage.saved = ReadBytes(stage.story.dir + "/Save/Slot1.sav");
    return stage;
}

bool LimbusRed(int r, int g, int b) {
    return r > 120 && r > 2 * g + 30 && r > 2 * b + 30;
}

// The sword scene of a new game and its Ogres; then every scene after it holds
// control while its pages are read one OK at a time, and its flag opens the
// next. The hero is made strong once, before the Behemoth.
TEST(StoryEndToEnd, NewGameToTheTitleAndANewGameAgain) {
    // Page 0 after the flight, page 1 with the sword raised, then the Ogres.
    const std::string pages = std::string(kNewGameScript) + OkPages(220, 2);
    std::string script = pages + FightKeys(300, 2300);
    const Story probe = RunStory("story_all_sword", {}, script, AddMenuSave(script, 2310) + 5, {}, "", 1);
    ASSERT_EQ(probe.run.exitCode, 0) << probe.run.stderrText;
    const int page0 = probe.Find([](const State& s) { return s.at("DialogueOpen") == "1"; });
    const int battle = probe.Find([](const State& s) { return s.at("GameMode") == "4"; });
    const int victory = probe.Find([](const State& s) { return s.at("GameMode") == "5"; });
    const int back = probe.Find([](const State& s) { return s.at("GameMode") == "2"; }, victory);
    ASSERT_GT(page0, 0);
    ASSERT_GT(battle, page0);
    ASSERT_GT(victory, battle);
    ASSERT_GT(back, victory);

    const State& flight = probe.At(100);
    EXPECT_TRUE(StateIs(flight, {"SceneStarted=1", "CameraScriptPlaying=1", "PlayerHasControl=0"}));
    EXPECT_EQ(flight.at("DialogueOpen"), "0") << "no page during the flight";
    EXPECT_TRUE(
        StateIs(probe.At(page0), {"SceneReady=1", "CameraScriptPlaying=0", "DialogueBuffer0=Deduvavi"}));
    // Page 1 while the sword goes up, a frame of it each frame.
    const State& raising = probe.At(235);
    EXPECT_TRUE(StateIs(raising, {"ScenePage=1", "DialogueOpen=1"}));
    EXPECT_EQ(IntOf(raising, "SceneAnimFrame"), IntOf(probe.At(234), "SceneAnimFrame") + 1);
    EXPECT_EQ(IntOf(probe.At(battle - 1), "SceneAnimFrame"), 34) << "the battle waits for the last frame";
    EXPECT_TRUE(StateIs(probe.At(battle), {"BattleSlot0=Ogre", "BattleSlot1=Ogre", "BattleSlot2Dead=1",
                                           "StoryFlags=0 0 0 0 0 0"}));
    const State& after = probe.At(back);
    EXPECT_TRUE(StateIs(after, {"HeroPosition=" + Printed(1.571254f, 0.158791f, -4.202993f),
                                "CameraPosition=" + Printed(1.973441f, 3.578813f, 1.783509f),
                                "StoryFlags=1 0 0 0 0 0", "PlayerHasControl=1", "DialogueOpen=1",
                                "DialogueBuffer0=Deduvavi", "SceneStarted=0"}));

    // The same run again with its shots, its keys ending with the victory
    // screen so that page 2 stays up.
    const int battleShot = battle + 300, victoryShot = victory + 60;
    const Story shots = RunStory("story_all_sword_shots", {}, pages + FightKeys(300, 2300, back), back + 30,
                                 {100, page0 + 5, 235, battleShot, victoryShot, back + 20}, "", 0);
    ASSERT_EQ(shots.run.exitCode, 0) << shots.run.stderrText;
    ExpectLit(shots.Shot(100), "the flight");
    ExpectPage(shots.Shot(page0 + 5), "page 0");
    ExpectPage(shots.Shot(235), "page 1");
    EXPECT_EQ(probe.At(battleShot).at("GameMode"), "4");
    ExpectLit(shots.Shot(battleShot), "the battle");
    ExpectLit(shots.Shot(victoryShot), "the victory");
    ExpectPage(shots.Shot(back + 20), "page 2");
    Stage sword;
    sword.saved = ReadBytes(probe.dir + "/Save/Slot1.sav");
    ASSERT_EQ(sword.Flags(), "1 0 0 0 0 0");

    // Tempor's nine pages; only the last one read sets his flag.
    const Stage tempor = PlayStage("story_all_tempor", sword.saved, {0, 63.1f, 1.0f, -46.2f, 0, -1}, false,
                                   std::string(kLoadScript) + kWalkIn + OkPages(40, 9), 230, {39, 199});
    const Story& t = tempor.story;
    for (int page = 1; page <= 9; ++page) {
        EXPECT_EQ(IntOf(t.At(20 * page + 15), "ScenePage"), page);
        EXPECT_EQ(t.At(20 * page + 15).at("PlayerHasControl"), "0") << page;
        EXPECT_EQ(t.At(20 * page + 15).at("StoryFlags"), "1 0 0 0 0 0") << page;
    }
    EXPECT_EQ(t.At(35).at("DialogueBuffer0"), "Tempor");
    EXPECT_EQ(t.At(220).at("PlayerHasControl"), "1");
    ExpectPage(t.Shot(39), "Tempor's first page");
    ExpectPage(t.Shot(199), "his last page");
    ASSERT_EQ(tempor.Flags(), "1 1 0 0 0 0");

    // The village exit now lets him out; the World Map, then right into the forest.
    script = std::string(kLoadScript) + "10 hold Up 16\n70 press X\n";
    script += std::to_string(AddWalk(script, 170, {{0, 15}, {1571, 40}}) + 60) + " press X\n";
    const Stage travel = PlayStage("story_all_travel", tempor.saved, {0, 221.43f, 0.6f, 24.0f, 1, 0}, false,
                                   script, 400, {65});
    EXPECT_GT(FindPixels(travel.story.Shot(65), 160, 30, 480, 96, IsPanelBlue).count, 5000)
        << "the exit's box";
    EXPECT_EQ(travel.story.At(160).at("CurrentLevel"), "2");
    ASSERT_EQ(travel.story.At(390).at("CurrentLevel"), "3");

    // The forest's spot, a square 0.6 wide walked onto straight: three pages.
    const Stage spot = PlayStage("story_all_spot", travel.saved, {3, -16.75f, 3.0f, 3.2f, 0, -1}, false,
                                 std::string(kLoadScript) + kWalkIn + OkPages(40, 3), 110, {39});
    EXPECT_EQ(spot.story.At(35).at("DialogueBuffer0"), "Deduvavi");
    EXPECT_EQ(spot.story.At(75).at("ScenePage"), "3");
    ExpectPage(spot.story.Shot(39), "the forest spot");
    ASSERT_EQ(spot.Flags(), "1 1 1 0 0 0");

    // The Behemoth's page, then his battle in the frame that sets his flag.
    const Stage behemoth =
        PlayStage("story_all_behemoth", spot.saved, {3, -6.74f, 1.5f, 10.33f, 0, -1}, true,
                  std::string(kLoadScript) + kWalkIn + FightKeys(40, 1000), 1010, {35, 300});
    const Story& b = behemoth.story;
    const int beast = b.Find([](const State& s) { return s.at("GameMode") == "4"; });
    ASSERT_GT(beast, 0);
    EXPECT_EQ(b.At(beast - 5).at("StoryFlags"), "1 1 1 0 0 0");
    EXPECT_TRUE(StateIs(b.At(beast), {"BattleSlot0=Behemoth", "StoryFlags=1 1 1 1 0 0"}));
    EXPECT_GT(b.Find([](const State& s) { return s.at("GameMode") == "5"; }), beast);
    EXPECT_EQ(b.At(1000).at("GameMode"), "2");
    ExpectPage(b.Shot(35), "the Behemoth's page");
    EXPECT_EQ(b.At(300).at("GameMode"), "4");
    ExpectLit(b.Shot(300), "the Behemoth's battle");
    ASSERT_EQ(behemoth.Flags(), "1 1 1 1 0 0");

    // Timson's five pages in Mistilia.
    const Stage timson = PlayStage("story_all_timson", behemoth.saved, {4, 61.46f, 16.5f, -90.73f, 0, -1},
                                   false, std::string(kLoadScript) + kWalkIn + OkPages(40, 5), 150, {119});
    EXPECT_EQ(timson.story.At(35).at("DialogueBuffer0"), "Timson");
    EXPECT_EQ(timson.story.At(115).at("ScenePage"), "5");
    ExpectPage(timson.story.Shot(119), "Timson's last page");
    ASSERT_EQ(timson.Flags(), "1 1 1 1 1 0");

    // Limbus waits in red before him, is fought with his flag already set, and is gone.
    const Stage limbus =
        PlayStage("story_all_limbus", timson.saved, {5, 12.0f, -28.5f, 273.28f, 1, 0}, false,
                  std::string(kLoadScript) + "10 hold Up 20\n" + FightKeys(40, 1300), 1310, {9, 300, 1300});
    const Story& l = limbus.story;
    const int last = l.Find([](const State& s) { return s.at("GameMode") == "4"; });
    ASSERT_GT(last, 0);
    EXPECT_TRUE(StateIs(l.At(last), {"BattleSlot0=Limbus", "StoryFlags=1 1 1 1 1 1"}));
    EXPECT_EQ(l.At(last).at("BattleSlot0HP"), l.At(last + 100).at("BattleSlot0HP")) << "not yet fought";
    EXPECT_GT(l.Find([](const State& s) { return s.at("GameMode") == "5"; }), last);
    EXPECT_EQ(l.At(1300).at("GameMode"), "2");
    EXPECT_GT(FindPixels(l.Shot(9), 160, 40, 480, 300, LimbusRed).count, 5000);
    EXPECT_EQ(l.At(300).at("GameMode"), "4");
    ExpectLit(l.Shot(300), "the last battle");
    EXPECT_LT(FindPixels(l.Shot(1300), 160, 40, 480, 300, LimbusRed).count, 500);
    ASSERT_EQ(limbus.Flags(), "1 1 1 1 1 1");

    // Out of Mistilia onto the World Map and down the road into the pass: the
    // ending, from Katu rising to the lava balls, the dodge, the closing words
    // and the title, then New Game.
    script = std::string(kLoadScript) + "10 hold Up 40\n100 press X\n";
    // The title comes back as the load left it: the slot list, Load Game under
    // the cursor. Back, up to New Game, OK.
    script += "2700 press Z\n2703 press Up\n2705 press X\n";
    const Story end = RunStory("story_all_end", {"--encounter-steps", "100000"}, script, 2760,
                               {200, 900, 1900, 2350, 2690, 2760},
                               Placed(limbus.saved, {2, -35.82285f, 4.972289f, 67.11114f, 0, -1}, -1, false));
    ASSERT_EQ(end.run.exitCode, 0) << end.run.stderrText;
    EXPECT_TRUE(StateIs(end.At(200), {"CurrentLevel=6", "PlayerHasControl=0"}));
    ExpectLit(end.Shot(200), "Katu");
    // He casts while the flight is past its fifth key; his spell then takes a quarter speed.
    const int cast = end.Find([](const State& s) { return s.at("EndingStage2") == "1"; });
    const int thrown = end.Find([](const State& s) { return s.at("EndingStage3") == "1"; });
    ASSERT_GT(cast, 0);
    EXPECT_GT(IntOf(end.At(cast), "CameraKeyIndex"), 4);
    EXPECT_GT(thrown, cast + 100);
    EXPECT_EQ(end.At(thrown - 5).at("EndingOffset"), "2.00") << "no lava before he has cast";
    EXPECT_GT(FindPixels(end.Shot(900), 0, 0, 640, 480, LavaOrange).count, 300) << "the lava balls";
    EXPECT_GT(IntOf(end.At(1900), "EndingDodgeFrame"), 0);
    ExpectLit(end.Shot(1900), "the dodge");
    EXPECT_TRUE(StateIs(end.At(2350), {"DialogueBuffer1=The End", "DialogueBuffer4=To be continued..."}));
    ExpectPage(end.Shot(2350), "the closing words");
    EXPECT_NEAR(end.Find([](const State& s) { return s.at("GameMode") == "1"; }, thrown), thrown + 2150, 10);
    EXPECT_EQ(end.At(2690).at("MusicRequested"), "");
    // The title's own picture, not the white of a background drawn untextured.
    ExpectLit(end.Shot(2690), "the title");
    EXPECT_LT(FindPixels(end.Shot(2690), 0, 0, 640, 480, IsWhite).count, 640 * 480 / 4);
    EXPECT_TRUE(StateIs(end.At(2690), {"TitlePage=1", "TitleCursor=1"}));
    EXPECT_GT(FindPixels(end.Shot(2690), 0, 0, 640, 480, IsPanelBlue).count, 640 * 480 / 2)
        << "the slot list";
    const State& again = end.At(2760);
    EXPECT_TRUE(StateIs(again, {"GameMode=2", "CurrentLevel=1", "StoryFlags=0 0 0 0 0 0", "SceneStarted=1"}));
    EXPECT_EQ(again.at("CameraScriptPlaying"), "1") << "the sword scene's flight again";
    ExpectLit(end.Shot(2760), "the new game's flight");
}

} // namespace
