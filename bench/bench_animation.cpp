// What animations cost: reading a full 35-frame walk at start-up, and the
// per-frame copy into a model's draw arrays.
#include "assets/animation.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kFrames = 35;
constexpr int kObjects = 10;
constexpr int kVertices = 100;

std::string WalkText() {
    std::string text = "Animation Frames:" + std::to_string(kFrames) + "\n";
    char line[96];
    for (int f = 0; f < kFrames; ++f) {
        text += "Frame:" + std::to_string(f) + "\nObjects:" + std::to_string(kObjects) + "\n";
        for (int o = 0; o < kObjects; ++o) {
            text += "Object:" + std::to_string(o) + " Vertices:" + std::to_string(kVertices) + "\n";
            for (int v = 0; v < kVertices; ++v) {
                std::snprintf(line, sizeof line, "%f %f %f\n", f * 0.031f + v, o * -1.75f, v * 0.5f - f);
                text += line;
            }
        }
    }
    return text;
}

const std::string& WalkFile() {
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "aurelant_bench_walk.ani").string();
        const std::string text = WalkText();
        if (FILE* file = std::fopen(p.c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), file);
            std::fclose(file);
        }
        return p;
    }();
    return path;
}

void BM_LoadAnimation35Frames(benchmark::State& state) {
    const std::string& path = WalkFile();
    for (auto _ : state) {
        Animation animation;
        if (!LoadAnimation(path.c_str(), animation)) state.SkipWithError("walk file missing");
        benchmark::DoNotOptimize(animation.frames.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_LoadAnimation35Frames)->Unit(benchmark::kMillisecond);

void BM_ParseAnimation35Frames(benchmark::State& state) {
    const std::string text = WalkText();
    for (auto _ : state) {
        Animation animation;
        ParseAnimation(text.data(), text.size(), animation);
        benchmark::DoNotOptimize(animation.frames.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseAnimation35Frames)->Unit(benchmark::kMillisecond);

void BM_ApplyAnimationFrame(benchmark::State& state) {
    const std::string text = WalkText();
    Animation animation;
    ParseAnimation(text.data(), text.size(), animation);
    Model3D model;
    model.objectCount = kObjects;
    for (int o = 0; o < kObjects; ++o) {
        Object3D& object = model.objects.emplace_back();
        object.vertexCount = kVertices;
        object.vertexArray = std::make_shared<std::vector<CVector3>>(kVertices);
    }
    int32_t frame = 0;
    for (auto _ : state) {
        ApplyAnimationFrame(model, animation, frame);
        frame = (frame + 1) % kFrames;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kObjects * kVertices);
}
BENCHMARK(BM_ApplyAnimationFrame);

} // namespace

BENCHMARK_MAIN();
