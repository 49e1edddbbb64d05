// aurelant_content <data folder>: writes everything the game loads.
#include "content/builder.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argc > 0 ? argv[0] : "aurelant_content");
        return 2;
    }
    DataWriter writer;
    writer.outDir = argv[1];
    bool ok = BuildGameData(writer);
    for (const std::string& f : writer.failures) std::fprintf(stderr, "aurelant_content: %s\n", f.c_str());
    if (!ok) return 1;
    // The stamp tells the build the folder is complete; it is rewritten every
    // run so its time always follows the builder's.
    std::ofstream(writer.outDir + "/.stamp", std::ios::trunc) << writer.written.size() << " files\n";
    std::printf("aurelant_content: %zu files in %s\n", writer.written.size(), writer.outDir.c_str());
    return 0;
}
