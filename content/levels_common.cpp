// The painted textures every level shares, and the entry that builds the levels.
#include "content/levels_common.h"

#include "content/image.h"

#include <algorithm>
#include <cmath>

namespace {

Image PaintPath() {
    return Paint(256, [](float u, float v) {
        float dust = TileFbm(u * 8, v * 8, 8, 4, 101);
        CellSample pebble = TileCells(u * 24, v * 24, 24, 102);
        Color c = Mix(Rgb(122, 98, 66), Rgb(160, 134, 96), dust);
        float stone = SmoothStep(0.35f, 0.2f, pebble.nearest) * ((pebble.id & 3) == 0 ? 1.0f : 0.0f);
        return Mix(c, Rgb(150, 146, 138), stone * 0.7f);
    });
}

Image PaintRoof() {
    return Paint(256, [](float u, float v) {
        // Rows of overlapping clay tiles, each row shifted by half a tile.
        float row = std::floor(v * 8);
        float inRow = v * 8 - row;
        float shift = std::fmod(row, 2.0f) * 0.5f;
        float inTile = std::fmod(u * 8 + shift, 1.0f);
        float edge = SmoothStep(0.0f, 0.12f, inTile) * SmoothStep(1.0f, 0.88f, inTile);
        float lip = SmoothStep(1.0f, 0.75f, inRow);
        float tone = static_cast<float>(
                         HashCoords(static_cast<int>(u * 8 + shift), static_cast<int>(row), 103) & 0xFF) /
                     255.0f;
        Color c = Mix(Rgb(150, 60, 40), Rgb(188, 92, 58), tone);
        return Scale(c, 0.6f + 0.4f * edge * lip);
    });
}

Image PaintPlaster() {
    return Paint(256, [](float u, float v) {
        float n = TileFbm(u * 8, v * 8, 8, 4, 111);
        // Dark timber beams framing whitewashed plaster.
        float beamU = std::fmod(u * 2, 1.0f), beamV = std::fmod(v * 2, 1.0f);
        float beam = std::max(SmoothStep(0.06f, 0.03f, beamU), SmoothStep(0.06f, 0.03f, beamV));
        Color c = Mix(Rgb(214, 204, 180), Rgb(236, 228, 208), n);
        return Mix(c, Rgb(86, 58, 36), beam);
    });
}

Image PaintWater() {
    return Paint(128, [](float u, float v) {
        float n = TileFbm(u * 4, v * 4, 4, 4, 121);
        return Mix(Rgb(30, 70, 130), Rgb(60, 120, 180), n);
    });
}

} // namespace

void WriteLevelTextures(DataWriter& w) {
    w.Write("Textures/Path.tga", WriteTGA(PaintPath(), false));
    w.Write("Textures/Roof.tga", WriteTGA(PaintRoof(), false));
    w.Write("Textures/Plaster.tga", WriteTGA(PaintPlaster(), false));
    w.Write("Textures/Water.tga", WriteTGA(PaintWater(), false));
}

void BuildLevels(DataWriter& w) {
    WriteLevelTextures(w);
    BuildVorudu(w);
    BuildVoruduDungeon(w);
    BuildWorldMap(w);
    BuildForgottenForest(w);
    BuildMistilia(w);
    BuildDungeonOfTheDamned(w);
    BuildRoadPass(w);
    BuildArenas(w);
}
