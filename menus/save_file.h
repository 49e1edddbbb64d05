// The save slot files: the game state in a fixed little-endian layout, written
// so that a failed save never touches the slot it replaces, and read back only
// when every value in it is one the game can use.
#pragma once

#include "records/records.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

// Where each block starts; the chest states follow the current level, and the
// six story flags follow the chests.
constexpr size_t kSaveHeroAt = 0;
constexpr size_t kSaveTimeAt = 5280;
constexpr size_t kSaveCameraAt = 5292;
constexpr size_t kSaveHeroPositionAt = 5328;
constexpr size_t kSaveHeroRotationAt = 5340;
constexpr size_t kSaveItemsAt = 5352;
constexpr size_t kSaveLevelAt = 5672;
constexpr size_t kSaveChestsAt = 5676;
constexpr size_t kSaveChestSize = 5;
constexpr size_t kSaveStoryFlagCount = 6;
static_assert(kSaveTimeAt == kSaveHeroAt + sizeof(HeroRecord));
static_assert(kSaveItemsAt + kItemCount * sizeof(ItemRecord) == kSaveLevelAt);

// The file operations a save goes through, so a test can make any of them fail.
struct SaveFileOps {
    FILE* (*Open)(const char* path, const char* mode);
    size_t (*Write)(const void* data, size_t size, FILE* file);
    bool (*Sync)(FILE* file);
    int (*Close)(FILE* file);
    bool (*Rename)(const char* from, const char* to);
    bool (*Remove)(const char* path);
    bool (*SyncFolder)(const char* path);
    bool (*MakeFolder)(const char* path);
    void (*ShowError)(const char* text, const char* title);
};
extern const SaveFileOps HostSaveFileOps;
extern const SaveFileOps* SaveOps;

// Why the last load or summary read refused its file; "" when it did not.
extern const char* SaveRefusal;

// Slot k (0-based) as "Save/Slot<k+1>.sav".
void SlotPath(int32_t slotIndex, char (&path)[32]);
// The slot file's length for the current level table.
size_t SaveFileLength();
// The game state as a slot file.
std::vector<uint8_t> EncodeSave();
// Check a slot file and, only when every value is usable, put it into the game
// state. False (SaveRefusal says why) leaves everything as it was.
bool DecodeSave(const uint8_t* data, size_t size);
// Check a slot file and copy out its hero and play time without touching the game.
bool DecodeSaveSummary(const uint8_t* data, size_t size, HeroRecord& hero, int32_t (&time)[3]);
// Read a whole file, refusing one longer than limit; false when it cannot be opened.
bool ReadWholeFile(const char* path, size_t limit, std::vector<uint8_t>& bytes);

// Write a file whole beside its place ("<path>.tmp"), on the disk, then move it
// over the old one. False leaves the old file byte for byte as it was.
bool WriteWholeFile(const char* path, const void* data, size_t size);
// Write the slot file beside the slot and move it over the slot once it is on
// the disk. False (with the error box shown) leaves the old slot as it was.
bool SaveGame(const char* path);
// Read a slot file into the game state; false (nothing changed) when it is
// missing or refused.
bool LoadGame(const char* path);
