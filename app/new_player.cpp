#include "app/new_player.h"

#include "platform/platform.h"

#include <cstdio>

const char* const NewPlayerConfig = "Resolution=0 0 32\nControls=X Z C\nVSync=0\n";

void WriteNewPlayerConfig() {
    if (!PlayerFilesInHomeFolders()) return;
    FILE* file = OpenGameFile("Game.cfg", "wx");
    if (file == nullptr) return;
    std::fputs(NewPlayerConfig, file);
    std::fclose(file);
}
