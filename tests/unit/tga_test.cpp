#include "assets/texture.h"

#include "tests/unit/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <tuple>

namespace {

struct Header {
    uint8_t idLength = 0;
    uint8_t colorMapType = 0;
    uint8_t imageType = 2;
    uint8_t colorMapByte = 0; // first byte of the colour map fields
    uint16_t xOrigin = 0;
    uint16_t yOrigin = 0;
    uint16_t width = 2;
    uint16_t height = 1;
    uint8_t depth = 24;
    uint8_t descriptor = 0;
};

std::string Tga(const Header& h, const std::string& pixels) {
    std::string s = {
        char(h.idLength), char(h.colorMapType), char(h.imageType), char(h.colorMapByte), 0, 0, 0, 0};
    for (uint16_t v : {h.xOrigin, h.yOrigin, h.width, h.height}) s += {char(v & 0xff), char(v >> 8)};
    return s + char(h.depth) + char(h.descriptor) + pixels;
}

bool Decode(const std::string& bytes, DecodedTGA& out) {
    return DecodeTGA(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out);
}

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

TextureImage Untouched() {
    return TextureImage{nullptr, 0, 0, 0, 77};
}

} // namespace

TEST(TgaDecode, SwapsBlueAndRedAndKeepsAlpha) {
    DecodedTGA rgb;
    ASSERT_TRUE(Decode(Tga({}, Bytes({1, 2, 3, 4, 5, 6})), rgb));
    EXPECT_EQ(std::tuple(rgb.bpp, rgb.width, rgb.height), std::tuple(24u, 2u, 1u));
    EXPECT_EQ(rgb.pixels, (std::vector<uint8_t>{3, 2, 1, 6, 5, 4}));

    Header h;
    h.depth = 32;
    h.width = 1;
    h.height = 2;
    DecodedTGA rgba;
    ASSERT_TRUE(Decode(Tga(h, Bytes({10, 20, 30, 40, 50, 60, 70, 0})), rgba));
    EXPECT_EQ(rgba.bpp, 32u);
    EXPECT_EQ(rgba.pixels, (std::vector<uint8_t>{30, 20, 10, 40, 70, 60, 50, 0}));
}

TEST(TgaDecode, RowsStayAsStoredAndTrailingBytesAreIgnored) {
    // The descriptor's top-left bit changes nothing; bytes after the pixels are not image.
    Header h;
    h.width = 1;
    h.height = 2;
    h.descriptor = 0x20;
    DecodedTGA out;
    ASSERT_TRUE(Decode(Tga(h, Bytes({1, 2, 3, 4, 5, 6, 99, 99})), out));
    EXPECT_EQ(out.pixels, (std::vector<uint8_t>{3, 2, 1, 6, 5, 4}));
}

TEST(TgaDecode, RefusesEveryFormOtherThanPlainTrueColour) {
    Header rle, mapped, withId, xOrigin, yOrigin, mapFields;
    rle.imageType = 10;
    mapped.colorMapType = 1;
    mapped.imageType = 1;
    withId.idLength = 4;
    xOrigin.xOrigin = 1;
    yOrigin.yOrigin = 256;
    mapFields.colorMapByte = 5;
    for (const Header& h : {rle, mapped, withId, xOrigin, yOrigin, mapFields}) {
        DecodedTGA out;
        EXPECT_FALSE(Decode(Tga(h, Bytes({1, 2, 3, 4, 5, 6, 7, 8})), out));
        // Refused on the first twelve bytes, before the size fields are read.
        EXPECT_TRUE(out.width == 0 && out.pixels.empty());
    }
}

TEST(TgaDecode, WrongDepthOrEmptySizeIsRefusedAfterTheSizeIsStored) {
    for (int depth : {8, 15, 16, 0, 33}) {
        Header h;
        h.width = 300;
        h.height = 5;
        h.depth = static_cast<uint8_t>(depth);
        DecodedTGA out;
        EXPECT_FALSE(Decode(Tga(h, std::string(300 * 5 * 4, '\x01')), out)) << depth;
        EXPECT_TRUE(out.width == 300 && out.height == 5 && out.pixels.empty());
    }
    Header noWidth, noHeight;
    noWidth.width = 0;
    noHeight.height = 0;
    DecodedTGA out;
    EXPECT_FALSE(Decode(Tga(noWidth, "abcdef"), out));
    EXPECT_FALSE(Decode(Tga(noHeight, "abcdef"), out));
}

TEST(TgaDecode, CorpusFilesDecodeWholeAndNeverCut) {
    const auto files = ListFiles(std::string(AURELANT_FUZZ_CORPUS) + "/tga");
    ASSERT_GE(files.size(), 3u);
    for (const std::string& path : files) {
        const std::string bytes = ReadFile(path);
        DecodedTGA image;
        ASSERT_TRUE(Decode(bytes, image)) << path;
        EXPECT_EQ(image.pixels.size(), static_cast<size_t>(image.width) * image.height * image.bpp / 8)
            << path;
        // The seeds end with their pixels, so every shorter prefix lacks some;
        // each is a copy of just the prefix, so ASan sees any read past it.
        for (size_t cut = 0; cut < bytes.size(); ++cut) {
            const std::vector<uint8_t> prefix(bytes.begin(),
                                              bytes.begin() + static_cast<std::ptrdiff_t>(cut));
            DecodedTGA part;
            EXPECT_FALSE(DecodeTGA(prefix.data(), prefix.size(), part)) << path << " cut at " << cut;
            EXPECT_TRUE(part.pixels.empty()) << path << " cut at " << cut;
        }
    }
}

// Track the largest nothrow array allocation, to see that a file's claimed size
// is checked against what it holds before the buffer is made. The sanitizers
// bring their own allocator, so the hook is left out there.
#if defined(__SANITIZE_ADDRESS__)
#define AURELANT_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define AURELANT_ASAN 1
#endif
#endif
#ifndef AURELANT_ASAN
namespace {
size_t LargestArrayRequest = 0;
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    if (size > LargestArrayRequest) LargestArrayRequest = size;
    return ::operator new(size, tag);
}
#define AURELANT_TRACKS_ALLOCATION 1
#endif

class TgaFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = MakeTempDir(std::string("tga_") +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = dir_ + "/" + name;
        WriteFile(path, bytes);
        return path;
    }
    std::string dir_;
};

TEST_F(TgaFile, MissingOrRefusedFilesLeaveTheTextureName) {
    TextureImage texture = Untouched();
    EXPECT_FALSE(LoadTGATexture(texture, (dir_ + "/Nothing.tga").c_str(), true));
    EXPECT_EQ(texture.texName, 77u);

    Header rle;
    rle.imageType = 10;
    texture = Untouched();
    EXPECT_FALSE(LoadTGATexture(texture, Write("Rle.tga", Tga(rle, "123456")).c_str(), true));
    EXPECT_EQ(std::tuple(texture.width, texture.texName), std::tuple(0u, 77u));

    Header sixteen;
    sixteen.depth = 16;
    sixteen.width = 3;
    sixteen.height = 4;
    texture = Untouched();
    EXPECT_FALSE(
        LoadTGATexture(texture, Write("Sixteen.tga", Tga(sixteen, std::string(24, 'x'))).c_str(), false));
    EXPECT_EQ(std::tuple(texture.width, texture.height, texture.texName), std::tuple(3u, 4u, 77u));

    texture = Untouched();
    EXPECT_FALSE(LoadTGATexture(texture, Write("Header.tga", Tga({}, "").substr(0, 15)).c_str(), true));
    EXPECT_EQ(texture.width, 0u);

    Header shortPixels; // 4 x 4 of 32 bits is 64 bytes, one short
    shortPixels.depth = 32;
    shortPixels.width = 4;
    shortPixels.height = 4;
    texture = Untouched();
    EXPECT_FALSE(
        LoadTGATexture(texture, Write("Short.tga", Tga(shortPixels, std::string(63, 'p'))).c_str(), true));
    EXPECT_EQ(std::tuple(texture.bpp, texture.pixels, texture.texName), std::tuple(32u, nullptr, 77u));
}

TEST_F(TgaFile, HugeClaimInATinyFileAllocatesNothing) {
    Header huge;
    huge.width = 65535;
    huge.height = 65535;
    huge.depth = 32;
    const std::string path = Write("Huge.tga", Tga(huge, "twelve bytes"));
#ifdef AURELANT_TRACKS_ALLOCATION
    LargestArrayRequest = 0;
#endif
    TextureImage texture = Untouched();
    EXPECT_FALSE(LoadTGATexture(texture, path.c_str(), true));
    EXPECT_EQ(std::tuple(texture.width, texture.pixels, texture.texName), std::tuple(65535u, nullptr, 77u));
#ifdef AURELANT_TRACKS_ALLOCATION
    EXPECT_LT(LargestArrayRequest, 1u << 20);
#endif
}

TEST_F(TgaFile, GamePathsUseBackslashes) {
    ScopedWorkingDir here(dir_);
    Header sixteen;
    sixteen.depth = 16;
    sixteen.width = 9;
    Write("Textures/Sub/Sixteen.tga", Tga(sixteen, ""));
    TextureImage texture = Untouched();
    // Refused after the size fields: proof the file was found through the converted path.
    EXPECT_FALSE(LoadTGATexture(texture, "Textures\\Sub\\Sixteen.tga", true));
    EXPECT_EQ(texture.width, 9u);
}
