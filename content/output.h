// Where the builder's files go: the game names files with backslash or slash
// paths relative to its working directory; each becomes a file below the
// output folder, folders created as needed and spaces kept.
#pragma once

#include <string>
#include <vector>

// "Levels\\Vorudu Dungeon.m3d" -> "<outDir>/Levels/Vorudu Dungeon.m3d". Repeated
// separators collapse ("Scripts//Fire.scp" names Scripts/Fire.scp). Empty when
// the path would leave the output folder or names no file.
std::string DataFilePath(const std::string& outDir, const std::string& gamePath);

struct DataWriter {
    std::string outDir;
    std::vector<std::string> written; // game paths, in the order written
    std::vector<std::string> failures;

    // Writes the bytes only when they differ from what is there, so a rebuild
    // leaves unchanged files (and their times) alone.
    bool Write(const std::string& gamePath, const std::string& bytes);
};
