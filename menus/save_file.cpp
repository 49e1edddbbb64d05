#include "menus/save_file.h"

#include "assets/camera.h"
#include "assets/game_state.h"
#include "platform/platform.h"
#include "world/chests.h"
#include "world/field_common.h"
#include "world/level_table.h"
#include "world/story_flags.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr int32_t kAnyCount = std::numeric_limits<int32_t>::max();
const char* const kSaveErrorText =
    "Cannot Save Game!(You either don`t have any\nHD Space left or you`re trying to save on the CD...";

size_t HostWrite(const void* data, size_t size, FILE* file) {
    return std::fwrite(data, 1, size, file);
}

int HostClose(FILE* file) {
    return std::fclose(file);
}

struct ChestState {
    uint8_t Opened = 0;
    int32_t Frame = 0;
};

// Everything a slot file holds, in file order.
struct SaveState {
    HeroRecord Hero;
    int32_t Time[3] = {}; // seconds, minutes, hours
    CameraRecord Camera = {};
    CVector3 HeroPosition = {0, 0, 0};
    CVector3 HeroRotation = {0, 0, 0};
    ItemRecord Items[kItemCount];
    int32_t Level = 0;
    std::vector<ChestState> Chests;
    uint8_t Flags[kSaveStoryFlagCount] = {};
};
static_assert(kSaveStoryFlagCount == kStoryFlagCount);

// Writes each field little-endian, whatever the host's order.
struct Encoder {
    std::vector<uint8_t>& out;

    void Section(const char*) {}
    void Byte(const uint8_t& v) { out.push_back(v); }
    void Flag(const uint8_t& v) { out.push_back(v); }
    void Int(const int32_t& v, int32_t = 0, int32_t = 0) { Word(static_cast<uint32_t>(v)); }
    void Float(const float& v) { Word(std::bit_cast<uint32_t>(v)); }
    void Text(const char* text, size_t size) { out.insert(out.end(), text, text + size); }
    void Word(uint32_t u) {
        for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(u >> shift));
    }
};

// Reads the same fields back and notes the first one outside its range. The
// caller has checked the length, so every read is inside the data.
struct Decoder {
    const uint8_t* data;
    size_t at = 0;
    const char* section = "";
    const char* why = nullptr;

    void Section(const char* name) { section = name; }
    void Fail() {
        if (!why) why = section;
    }
    void Byte(uint8_t& v) { v = data[at++]; }
    void Flag(uint8_t& v) {
        Byte(v);
        if (v > 1) Fail();
    }
    void Int(int32_t& v, int32_t lo = 0, int32_t hi = kAnyCount) {
        v = static_cast<int32_t>(Word());
        if (v < lo || v > hi) Fail();
    }
    void Float(float& v) {
        v = std::bit_cast<float>(Word());
        if (!std::isfinite(v)) Fail();
    }
    void Text(char* text, size_t size) {
        std::memcpy(text, data + at, size);
        at += size;
        if (std::memchr(text, '\0', size) == nullptr) Fail();
    }
    uint32_t Word() {
        uint32_t u = 0;
        for (int shift = 0; shift < 32; shift += 8) u |= static_cast<uint32_t>(data[at++]) << shift;
        return u;
    }
};

template <class A, class T, size_t N>
void Pad(A& a, T (&bytes)[N]) {
    for (auto& b : bytes) a.Byte(b);
}

template <class A>
void Visit(A& a, SkillRecord& s) {
    a.Int(s.FuryPercent);
    a.Int(s.SkillLevel);
    a.Text(s.Name, sizeof s.Name);
    a.Flag(s.Learned);
    a.Flag(s.Selected);
    Pad(a, s.Padding);
}

template <class A>
void Visit(A& a, SwarpRecord& s) {
    a.Text(s.Name, sizeof s.Name);
    a.Flag(s.Open);
    a.Byte(s.Padding);
    for (int32_t* c : {&s.ColorR, &s.ColorG, &s.ColorB}) a.Int(*c, 0, 255);
    for (int32_t* add : {&s.AddAttack, &s.AddDefense, &s.AddDexterity, &s.AddLuck, &s.AddMagicDefense,
                         &s.AddMaxHP, &s.AddMaxMP})
        a.Int(*add);
}

template <class A>
void Visit(A& a, WarpRecord& w) {
    a.Flag(w.Present);
    a.Text(w.Name, sizeof w.Name);
    for (auto& spell : w.SpellName) a.Text(spell, sizeof spell);
    Pad(a, w.Padding);
    for (int32_t* c : {&w.ColorR, &w.ColorG, &w.ColorB}) a.Int(*c, 0, 255);
    // The level picks one of the three spells.
    a.Int(w.WarpLevel, 0, 3);
    a.Int(w.MaxWarpLevel, 0, 3);
    a.Int(w.WarpExp);
    a.Int(w.NextWarpExp);
    for (auto& cost : w.MpCost) a.Int(cost);
    a.Int(w.Kind, WarpMagic, WarpSummon);
}

template <class A>
void Visit(A& a, HeroRecord& h) {
    a.Text(h.Name, sizeof h.Name);
    for (int32_t* v :
         {&h.HP, &h.MaxHP, &h.MP, &h.MaxMP, &h.Level, &h.Exp, &h.NextLevelExp, &h.Gold, &h.AttackTimer,
          &h.FuryBar, &h.Attack, &h.Defense, &h.Dexterity, &h.Luck, &h.MagicDefense})
        a.Int(*v);
    a.Flag(h.Dead);
    Pad(a, h.Padding);
    a.Float(h.DeathSink);
    for (auto& skill : h.Skills) Visit(a, skill);
    for (auto& swarp : h.SwordSlots) Visit(a, swarp);
    for (auto& swarp : h.SwarpBag) Visit(a, swarp);
    for (auto& holder : h.WarpHolders)
        for (auto& warp : holder) Visit(a, warp);
    for (auto& warp : h.WarpBag) Visit(a, warp);
}

template <class A>
void Visit(A& a, ItemRecord& item) {
    a.Text(item.Name, sizeof item.Name);
    a.Text(item.Description, sizeof item.Description);
    a.Int(item.Count);
    a.Int(item.HpRestore);
    a.Int(item.MpRestore);
    for (float* c : {&item.ColorR, &item.ColorG, &item.ColorB}) a.Float(*c);
}

template <class A>
void Visit(A& a, CVector3& v) {
    a.Float(v.x);
    a.Float(v.y);
    a.Float(v.z);
}

size_t LevelsUsed() {
    return UsedCount(LevelCount, LevelTable.size());
}

size_t ChestTotal() {
    size_t total = 0;
    for (size_t level = 0; level < LevelsUsed(); ++level)
        total += UsedCount(LevelTable[level].ChestCount, LevelTable[level].Chests.size());
    return total;
}

template <class A>
void Visit(A& a, SaveState& s) {
    a.Section("hero out of range");
    Visit(a, s.Hero);
    a.Section("play time out of range");
    a.Int(s.Time[0], 0, 59);
    a.Int(s.Time[1], 0, 59);
    a.Int(s.Time[2]);
    a.Section("place out of range");
    for (CVector3* v :
         {&s.Camera.Position, &s.Camera.ViewPoint, &s.Camera.UpVector, &s.HeroPosition, &s.HeroRotation})
        Visit(a, *v);
    a.Section("item out of range");
    for (auto& item : s.Items) Visit(a, item);
    a.Section("level out of range");
    a.Int(s.Level, 0, static_cast<int32_t>(LevelsUsed()) - 1);
    a.Section("chest out of range");
    for (auto& chest : s.Chests) {
        a.Flag(chest.Opened);
        a.Int(chest.Frame, 0, kChestLastOpeningFrame + 1);
    }
    a.Section("story flag out of range");
    for (auto& flag : s.Flags) a.Flag(flag);
}

// Check a file and read it into a staging state; the game is not touched.
bool Stage(const uint8_t* data, size_t size, SaveState& state) {
    if (data == nullptr || size != SaveFileLength()) {
        SaveRefusal = size < SaveFileLength() ? "file too short" : "file too long";
        return false;
    }
    state.Chests.resize(ChestTotal());
    Decoder decoder{data};
    Visit(decoder, state);
    SaveRefusal = decoder.why ? decoder.why : "";
    return decoder.why == nullptr;
}

std::string FolderOf(const char* path) {
    const std::string text(path);
    const size_t slash = text.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : text.substr(0, slash);
}

} // namespace

const SaveFileOps HostSaveFileOps = {OpenGameFile,   HostWrite,      SyncGameFile,
                                     HostClose,      RenameGameFile, RemoveGameFile,
                                     SyncGameFolder, MakeGameFolder, ShowMessageBox};
const SaveFileOps* SaveOps = &HostSaveFileOps;
const char* SaveRefusal = "";

void SlotPath(int32_t slotIndex, char (&path)[32]) {
    std::snprintf(path, sizeof path, "Save/Slot%d.sav", slotIndex + 1);
}

size_t SaveFileLength() {
    return kSaveChestsAt + kSaveChestSize * ChestTotal() + kSaveStoryFlagCount;
}

std::vector<uint8_t> EncodeSave() {
    SaveState state;
    state.Hero = Hero;
    state.Time[0] = PlaySeconds;
    state.Time[1] = PlayMinutes;
    state.Time[2] = PlayHours;
    state.Camera = Camera;
    state.HeroPosition = HeroPosition;
    state.HeroRotation = HeroRotation;
    std::memcpy(state.Items, HeldItems, sizeof state.Items);
    state.Level = CurrentLevel;
    for (size_t level = 0; level < LevelsUsed(); ++level) {
        const LevelRecord& record = LevelTable[level];
        for (size_t i = 0; i < UsedCount(record.ChestCount, record.Chests.size()); ++i)
            state.Chests.push_back({record.Chests[i].Opened, record.Chests[i].Frame});
    }
    std::memcpy(state.Flags, StoryFlags, sizeof state.Flags);

    std::vector<uint8_t> bytes;
    bytes.reserve(SaveFileLength());
    Encoder encoder{bytes};
    Visit(encoder, state);
    return bytes;
}

bool DecodeSave(const uint8_t* data, size_t size) {
    SaveState state;
    if (!Stage(data, size, state)) return false;
    Hero = state.Hero;
    PlaySeconds = state.Time[0];
    PlayMinutes = state.Time[1];
    PlayHours = state.Time[2];
    Camera = state.Camera;
    HeroPosition = state.HeroPosition;
    HeroRotation = state.HeroRotation;
    std::memcpy(HeldItems, state.Items, sizeof state.Items);
    CurrentLevel = state.Level;
    size_t next = 0;
    for (size_t level = 0; level < LevelsUsed(); ++level) {
        LevelRecord& record = LevelTable[level];
        for (size_t i = 0; i < UsedCount(record.ChestCount, record.Chests.size()); ++i) {
            ChestRecord& chest = record.Chests[i];
            chest.Opened = state.Chests[next].Opened;
            chest.Frame = state.Chests[next].Frame;
            chest.Opening = 0; // a lid moving when the game was left would reopen from where it stood
            ++next;
        }
    }
    std::memcpy(StoryFlags, state.Flags, sizeof state.Flags);
    return true;
}

bool DecodeSaveSummary(const uint8_t* data, size_t size, HeroRecord& hero, int32_t (&time)[3]) {
    SaveState state;
    if (!Stage(data, size, state)) return false;
    hero = state.Hero;
    std::memcpy(time, state.Time, sizeof time);
    return true;
}

bool ReadWholeFile(const char* path, size_t limit, std::vector<uint8_t>& bytes) {
    FILE* file = OpenGameFile(path, "rb");
    if (!file) return false;
    bytes.assign(limit + 1, 0);
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    bytes.resize(got);
    return true;
}

bool WriteWholeFile(const char* path, const void* data, size_t size) {
    const std::string folder = FolderOf(path);
    if (!folder.empty()) SaveOps->MakeFolder(folder.c_str());

    // The file is replaced only by a complete one already on the disk.
    const std::string temp = std::string(path) + ".tmp";
    bool saved = false;
    if (FILE* file = SaveOps->Open(temp.c_str(), "wb")) {
        saved = SaveOps->Write(data, size, file) == size;
        saved = saved && SaveOps->Sync(file);
        saved = SaveOps->Close(file) == 0 && saved;
        saved = saved && SaveOps->Rename(temp.c_str(), path);
        if (!saved) SaveOps->Remove(temp.c_str());
        // The file already holds the whole new text; this only hurries the rename to the disk.
        if (saved) SaveOps->SyncFolder(folder.empty() ? "." : folder.c_str());
    }
    return saved;
}

bool SaveGame(const char* path) {
    const std::vector<uint8_t> bytes = EncodeSave();
    const bool saved = WriteWholeFile(path, bytes.data(), bytes.size());
    if (!saved) SaveOps->ShowError(kSaveErrorText, "Error");
    return saved;
}

bool LoadGame(const char* path) {
    std::vector<uint8_t> bytes;
    SaveRefusal = "";
    if (!ReadWholeFile(path, SaveFileLength(), bytes)) return false;
    return DecodeSave(bytes.data(), bytes.size());
}
