// Uncompressed true-colour TGA images turned into OpenGL textures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TextureImage {
    uint8_t* pixels; // only while the texture is being made; always null afterwards
    uint32_t bpp;
    uint32_t width;
    uint32_t height;
    uint32_t texName;
};

// A TGA image decoded in memory: pixels already in RGB or RGBA order, rows as stored.
struct DecodedTGA {
    uint32_t bpp = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> pixels;
};

// Load a TGA file into a new GL texture, with or without a mipmap chain.
bool LoadTGATexture(TextureImage& texture, const char* fileName, bool mipmaps);
// Decode a TGA file's bytes without touching GL. Width and height are stored as
// soon as the header holds them, even when the depth is then refused.
bool DecodeTGA(const uint8_t* data, size_t size, DecodedTGA& out);
