#include "tests/screen/screen_support.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

std::string Quote(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

} // namespace

bool GameDataBuilt() {
    return fs::exists(fs::path(AURELANT_DATA_DIR) / "Textures");
}

std::string PrepareGameDir(const std::string& name, bool withData, const std::string& config) {
    // Inside the build tree: two checkouts running their tests at once never share a folder.
    const fs::path dir = fs::path(AURELANT_SCREEN_RUNS) / name;
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    fs::create_directories(dir / "Save");
    if (withData && fs::exists(AURELANT_DATA_DIR)) {
        for (const auto& entry : fs::directory_iterator(AURELANT_DATA_DIR)) {
            if (entry.path().filename().string()[0] == '.') continue;
            fs::create_directory_symlink(entry.path(), dir / entry.path().filename(), ignored);
        }
    }
    std::ofstream(dir / "Game.cfg") << (config.empty() ? "Resolution=1024 768 32\nControls=X Z C\nVSync=0\n"
                                                       : config);
    return dir.string();
}

GameRun RunGameIn(const std::string& dir, const std::vector<std::string>& args, const std::string& script,
                  int screenWidth, int screenHeight) {
    GameRun run;
    run.dir = dir;
    std::string command =
        "cd " + Quote(dir) +
        " && LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} xvfb-run -a -s " +
        Quote("-screen 0 " + std::to_string(screenWidth) + "x" + std::to_string(screenHeight) + "x24") + " " +
        Quote(AURELANT_GAME_BINARY);
    if (!script.empty()) {
        std::ofstream(fs::path(dir) / "input.txt") << script;
        command += " --input input.txt";
    }
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >" + Quote(dir + "/stdout.txt") + " 2>" + Quote(dir + "/stderr.txt");
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.stdoutText = Slurp(dir + "/stdout.txt");
    run.stderrText = Slurp(dir + "/stderr.txt");
    return run;
}

std::vector<std::string> LogLines(const std::string& dir) {
    std::vector<std::string> lines;
    std::istringstream in(Slurp(dir + "/Log.txt"));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::map<std::string, std::string> ReadState(const std::string& path) {
    std::map<std::string, std::string> state;
    std::istringstream in(Slurp(path));
    for (std::string line; std::getline(in, line);) {
        const size_t space = line.find(' ');
        if (space == std::string::npos) continue;
        state[line.substr(0, space)] = line.substr(space + 1);
    }
    return state;
}

Image ReadPNG(const std::string& path) {
    Image image;
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return image;
    png.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return image;
    }
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.rgba = std::move(pixels);
    return image;
}
