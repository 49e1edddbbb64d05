// Model reading throughput on large generated .m3d texts (two sizes, to show
// the reader scales linearly), and drawing one such model when a display exists.
#include "assets/model3d.h"

#include "platform/platform.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <map>
#include <string>
#include <sys/resource.h>

namespace {

constexpr int kTrianglesPerObject = 2000;

// A textured terrain of separate triangles split into objects, written the way
// the game's exporter lays a model out.
std::string MakeModelText(int triangles) {
    const int objects = (triangles + kTrianglesPerObject - 1) / kTrianglesPerObject;
    std::string text = "Brandisk`s Model3D\nObjects " + std::to_string(objects) + "\n";
    char line[96];
    int left = triangles;
    for (int o = 0; o < objects; ++o) {
        const int count = std::min(left, kTrianglesPerObject);
        left -= count;
        const int vertices = count * 3;
        text += "Object " + std::to_string(o) + ";Vertices " + std::to_string(vertices) + "\n";
        for (int v = 0; v < vertices; ++v) {
            std::snprintf(line, sizeof line, "%.6f %.6f %.6f\n", (o * 37 + v % 61) * 0.731f, (v % 7) * 0.125f,
                          (v / 61) * -1.319f);
            text += line;
        }
        text += "Normals " + std::to_string(vertices) + "\n";
        for (int v = 0; v < vertices; ++v) text += "0.000000 1.000000 0.000000\n";
        text += "Material ID 0\nTexels " + std::to_string(vertices) + "\n";
        for (int v = 0; v < vertices; ++v) {
            std::snprintf(line, sizeof line, "%.6f %.6f\n", (v % 3) * 0.5f, (v % 5) * 0.25f);
            text += line;
        }
        text += "Indices " + std::to_string(count) + "\n";
        for (int t = 0; t < count; ++t) {
            std::snprintf(line, sizeof line, "%d %d %d\n", 3 * t, 3 * t + 1, 3 * t + 2);
            text += line;
        }
    }
    text += "Materials 1\nMaterial 0\nTexture 0\nFileName\nColor 120 160 90\nTextureID 0\n";
    return text;
}

const std::string& ModelText(int triangles) {
    static std::map<int, std::string> texts;
    auto found = texts.find(triangles);
    if (found == texts.end()) found = texts.emplace(triangles, MakeModelText(triangles)).first;
    return found->second;
}

// Past 64 MB of freed heap glibc hands the pages back to the kernel, so every
// iteration of the largest size would pay for faulting them in again. Keep
// them, so the figures compare the reader itself across sizes; faults/MB
// shows that no iteration pays for fresh pages.
const bool kHeapKept = [] {
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    return true;
}();

long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

void BM_ParseModel3D(benchmark::State& state) {
    const std::string& text = ModelText(static_cast<int>(state.range(0)));
    const long faultsBefore = MinorFaults();
    for (auto _ : state) {
        Model3D model;
        ParseModel3D(text.data(), text.size(), model, nullptr);
        benchmark::DoNotOptimize(model.objects.data());
    }
    state.counters["faults/MB"] = static_cast<double>(MinorFaults() - faultsBefore) /
                                  static_cast<double>(state.iterations()) /
                                  (static_cast<double>(text.size()) / 1e6);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
    state.counters["triangles/s"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                       benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ParseModel3D)->Arg(100000)->Arg(200000)->Arg(400000)->Unit(benchmark::kMillisecond);

void BM_DrawModel3D(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY");
        return;
    }
    static bool ready = InitPlatform(true) &&
                        OpenGameWindow("Aurelant model bench", 0, 0, 640, 480, false, {24, 24, true}) &&
                        CreateRenderContext();
    if (!ready) {
        state.SkipWithError("no GL context");
        return;
    }
    const std::string& text = ModelText(static_cast<int>(state.range(0)));
    Model3D model;
    ParseModel3D(text.data(), text.size(), model, nullptr);
    glViewport(0, 0, 640, 480);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-10, 60, -800, 10, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(90, 1, 0, 0);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawModel3D(model);
        glFinish();
    }
    state.counters["triangles/s"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                       benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DrawModel3D)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
