#include "tests/screen/screen_support.h"

#include <png.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

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

// An Xvfb screen of its own for one run. The server takes the first free
// display number and writes it to a pipe once it accepts clients, so runs in
// parallel never pick the same number, as two xvfb-run -a can.
struct Xvfb {
    pid_t pid = -1;
    std::string display; // empty when the server did not start
};

Xvfb StartXvfb(int width, int height) {
    Xvfb x;
    int fds[2];
    if (pipe(fds) != 0) return x;
    const std::string fd = std::to_string(fds[1]);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    x.pid = fork();
    if (x.pid == 0) {
        close(fds[0]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c = 0;
    while (x.pid > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (!number.empty()) x.display = ":" + number;
    return x;
}

void StopXvfb(const Xvfb& x) {
    if (x.pid <= 0) return;
    kill(x.pid, SIGTERM);
    waitpid(x.pid, nullptr, 0);
}

} // namespace

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
    const Xvfb xvfb = StartXvfb(screenWidth, screenHeight);
    if (xvfb.display.empty()) {
        StopXvfb(xvfb);
        run.stderrText = "Xvfb did not start";
        return run;
    }
    std::string command = "cd " + Quote(dir) + " && DISPLAY=" + xvfb.display +
                          " LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} " +
                          Quote(AURELANT_GAME_BINARY);
    if (!script.empty()) {
        std::ofstream(fs::path(dir) / "input.txt") << script;
        command += " --input input.txt";
    }
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >" + Quote(dir + "/stdout.txt") + " 2>" + Quote(dir + "/stderr.txt");
    const int status = std::system(command.c_str());
    StopXvfb(xvfb);
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

testing::AssertionResult StateIs(const std::map<std::string, std::string>& state,
                                 std::initializer_list<std::string> expected) {
    std::string wrong;
    for (const std::string& line : expected) {
        const size_t equals = line.find('=');
        const std::string name = line.substr(0, equals), value = line.substr(equals + 1);
        const auto found = state.find(name);
        const std::string have = found == state.end() ? "" : found->second;
        if (have != value) wrong += "\n  " + name + " is \"" + have + "\", not \"" + value + "\"";
    }
    if (wrong.empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << wrong;
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
