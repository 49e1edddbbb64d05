#include "assets/texture.h"

#include "platform/platform.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <bit>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <sys/stat.h>

namespace {

// The header as stored; the game reads it on little-endian machines only.
struct TGAHeader {
    uint8_t idLength;
    uint8_t colorMapType;
    uint8_t imageType;
    uint8_t colorMapFields[5];
    uint16_t xOrigin;
    uint16_t yOrigin;
    uint16_t width;
    uint16_t height;
    uint8_t pixelDepth;
    uint8_t descriptor;
};
static_assert(sizeof(TGAHeader) == 18);
static_assert(offsetof(TGAHeader, imageType) == 2);
static_assert(offsetof(TGAHeader, xOrigin) == 8);
static_assert(offsetof(TGAHeader, width) == 12);
static_assert(offsetof(TGAHeader, height) == 14);
static_assert(offsetof(TGAHeader, pixelDepth) == 16);
static_assert(std::endian::native == std::endian::little);

constexpr size_t kBlockSize = 12;
constexpr size_t kHeaderSize = sizeof(TGAHeader);

// No ID field, no colour map, uncompressed true colour, origin 0,0.
constexpr uint8_t kRequiredBlock[kBlockSize] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};

bool MatchesRequiredBlock(const uint8_t* bytes) {
    return std::memcmp(bytes, kRequiredBlock, kBlockSize) == 0;
}

// Fills width and height from a full header whatever follows, then tells
// whether the size and depth are ones the game accepts.
bool ReadImageFields(const uint8_t* bytes, uint32_t& width, uint32_t& height, uint32_t& bpp) {
    TGAHeader header;
    std::memcpy(&header, bytes, kHeaderSize);
    width = header.width;
    height = header.height;
    bpp = header.pixelDepth;
    return width != 0 && height != 0 && (bpp == 24 || bpp == 32);
}

uint64_t ImageBytes(uint32_t width, uint32_t height, uint32_t bpp) {
    return static_cast<uint64_t>(width) * height * (bpp / 8);
}

// TGA stores blue first; GL wants red first. Alpha stays where it is.
void SwapRedBlue(uint8_t* pixels, uint64_t bytes, uint32_t bpp) {
    const uint32_t step = bpp / 8;
    for (uint64_t i = 0; i + 2 < bytes; i += step) {
        const uint8_t blue = pixels[i];
        pixels[i] = pixels[i + 2];
        pixels[i + 2] = blue;
    }
}

void CreateTexture(TextureImage& texture, bool mipmaps) {
    glGenTextures(1, &texture.texName);
    glBindTexture(GL_TEXTURE_2D, texture.texName);
    const GLenum format = texture.bpp == 24 ? GL_RGB : GL_RGBA;
    const GLsizei width = static_cast<GLsizei>(texture.width);
    const GLsizei height = static_cast<GLsizei>(texture.height);
    // Rows are tightly packed; the default 4-byte row alignment would make GL
    // read past the buffer for 24-bit images whose rows are not a multiple of 4.
    GLint oldAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &oldAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (mipmaps) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, static_cast<GLint>(format), width, height, format, GL_UNSIGNED_BYTE,
                          texture.pixels);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    } else {
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), width, height, 0, format, GL_UNSIGNED_BYTE,
                     texture.pixels);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, oldAlignment);
}

} // namespace

bool DecodeTGA(const uint8_t* data, size_t size, DecodedTGA& out) {
    out = DecodedTGA{};
    if (size < kBlockSize || !MatchesRequiredBlock(data)) return false;
    if (size < kHeaderSize) return false;
    if (!ReadImageFields(data, out.width, out.height, out.bpp)) return false;
    const uint64_t imageBytes = ImageBytes(out.width, out.height, out.bpp);
    if (imageBytes > size - kHeaderSize) return false;
    out.pixels.assign(data + kHeaderSize, data + kHeaderSize + imageBytes);
    SwapRedBlue(out.pixels.data(), imageBytes, out.bpp);
    return true;
}

bool LoadTGATexture(TextureImage& texture, const char* fileName, bool mipmaps) {
    texture.pixels = nullptr;
    FILE* file = OpenGameFile(fileName, "rb");
    if (!file) return false;
    uint8_t header[kHeaderSize];
    if (std::fread(header, 1, kBlockSize, file) != kBlockSize || !MatchesRequiredBlock(header) ||
        std::fread(header + kBlockSize, 1, kHeaderSize - kBlockSize, file) != kHeaderSize - kBlockSize) {
        std::fclose(file);
        return false;
    }
    uint32_t bpp = 0;
    if (!ReadImageFields(header, texture.width, texture.height, bpp)) {
        std::fclose(file);
        return false;
    }
    texture.bpp = bpp;
    const uint64_t imageBytes = ImageBytes(texture.width, texture.height, bpp);

    // A header can claim gigabytes in a file of a few bytes: refuse before allocating.
    struct stat info;
    if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<uint64_t>(info.st_size) < kHeaderSize + imageBytes || imageBytes > SIZE_MAX) {
        std::fclose(file);
        return false;
    }
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[imageBytes]);
    if (!buffer) {
        std::fclose(file);
        return false;
    }
    const size_t got = std::fread(buffer.get(), 1, imageBytes, file);
    std::fclose(file);
    if (got != imageBytes) return false;
    SwapRedBlue(buffer.get(), imageBytes, bpp);

    texture.pixels = buffer.get();
    CreateTexture(texture, mipmaps);
    texture.pixels = nullptr;
    return true;
}
