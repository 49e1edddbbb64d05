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

// Load a TGA file into a new GL texture, with or without a mipmap chain.
bool LoadTGATexture(TextureImage& texture, const char* fileName, bool mipmaps);
