#include "platform/cp1252_internal.h"
#include "platform/font_internal.h"
#include "platform/platform_internal.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int GlyphCount = 255; // 0..254; the 256th list stays empty
// Beyond this a single glyph bitmap runs to megabytes; no screen needs more.
constexpr int MaxCellHeight = 2048;

struct FontFace {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FontFace() {
        if (face != nullptr) FT_Done_Face(face);
        if (library != nullptr) FT_Done_FreeType(library);
    }
};

bool SizeFace(FT_Face face, int cellHeight) {
    if (!FT_IS_SCALABLE(face)) return FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(cellHeight)) == 0;
    // Windows sizes by the OS/2 win metrics; fonts without them fall back to the hhea ones.
    int ascent = face->ascender;
    int descent = -face->descender;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
    }
    const int em = EmPixelsForCellHeight(cellHeight, face->units_per_EM, ascent, descent);
    return FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em)) == 0;
}

bool PixelIsSet(const FT_Bitmap& bitmap, const unsigned char* row, unsigned x) {
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) return (row[x / 8] >> (7 - x % 8)) & 1;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) return row[x] >= 128;
    return false;
}

// GL bitmaps run bottom row first, one bit a pixel, most significant bit leftmost.
std::vector<GLubyte> GlBitmapRows(const FT_Bitmap& bitmap) {
    const unsigned rowBytes = (bitmap.width + 7) / 8;
    std::vector<GLubyte> bits(static_cast<size_t>(rowBytes) * bitmap.rows, 0);
    const int pitch = bitmap.pitch;
    for (unsigned r = 0; r < bitmap.rows; ++r) {
        // A negative pitch stores the bottom row first.
        const unsigned stored = pitch >= 0 ? r : bitmap.rows - 1 - r;
        const unsigned char* row =
            bitmap.buffer + static_cast<ptrdiff_t>(stored) * (pitch >= 0 ? pitch : -pitch);
        GLubyte* out = bits.data() + static_cast<size_t>(bitmap.rows - 1 - r) * rowBytes;
        for (unsigned x = 0; x < bitmap.width; ++x)
            if (PixelIsSet(bitmap, row, x)) out[x / 8] |= static_cast<GLubyte>(0x80 >> (x % 8));
    }
    return bits;
}

void CompileEmptyGlyph(GLuint list, int advance) {
    static const GLubyte nothing = 0;
    glNewList(list, GL_COMPILE);
    glBitmap(0, 0, 0, 0, static_cast<GLfloat>(advance), 0, &nothing);
    glEndList();
}

// Load a character's glyph into the face's slot as the display lists draw it; false for a
// character that draws nothing and does not advance.
bool LoadGlyph(FT_Face face, uint8_t code) {
    const uint32_t unicode = UnicodeFromCp1252(code);
    if (unicode < 0x20 || unicode == 0x7F) return false; // control codes and the undefined bytes
    // A character the face lacks gets its missing-glyph box, as on the desktop.
    const FT_UInt index = FT_Get_Char_Index(face, unicode);
    return FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) == 0 &&
           (face->glyph->format == FT_GLYPH_FORMAT_BITMAP ||
            FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) == 0);
}

// The raster moves by whole pixels: the advance rounded to the nearest one.
int GlyphAdvance(FT_GlyphSlot slot) {
    return static_cast<int>((slot->advance.x + 32) >> 6);
}

void CompileGlyph(FT_Face face, uint8_t code, GLuint list) {
    if (!LoadGlyph(face, code)) {
        CompileEmptyGlyph(list, 0);
        return;
    }
    const FT_GlyphSlot slot = face->glyph;
    const int advance = GlyphAdvance(slot);
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.width == 0 || bitmap.rows == 0 || bitmap.buffer == nullptr) {
        CompileEmptyGlyph(list, advance);
        return;
    }
    const std::vector<GLubyte> bits = GlBitmapRows(bitmap);
    glNewList(list, GL_COMPILE);
    glBitmap(static_cast<GLsizei>(bitmap.width), static_cast<GLsizei>(bitmap.rows),
             static_cast<GLfloat>(-slot->bitmap_left),
             static_cast<GLfloat>(static_cast<int>(bitmap.rows) - slot->bitmap_top),
             static_cast<GLfloat>(advance), 0, bits.data());
    glEndList();
}

// Find, open and size a face the way both the display lists and the measuring ask for it.
bool OpenSizedFace(const char* face, int cellHeight, int weight, FontFace* font) {
    // A negative height asks for the em size, as on Windows; 0 means a default size.
    if (cellHeight == 0) cellHeight = 16;
    if (cellHeight > MaxCellHeight || cellHeight < -MaxCellHeight) {
        PlatformWarning("font height %d is too large, using %d", cellHeight, MaxCellHeight);
        cellHeight = cellHeight > 0 ? MaxCellHeight : -MaxCellHeight;
    }
    std::string file;
    int faceIndex = 0;
    if (!FindFontFile(face, weight, &file, &faceIndex)) {
        PlatformWarning("no font file for %s", face != nullptr ? face : "(none)");
        return false;
    }
    if (FT_Init_FreeType(&font->library) != 0 ||
        FT_New_Face(font->library, file.c_str(), faceIndex, &font->face) != 0) {
        PlatformWarning("cannot open the font file %s", file.c_str());
        return false;
    }
    const bool sized = cellHeight > 0
                           ? SizeFace(font->face, cellHeight)
                           : FT_Set_Pixel_Sizes(font->face, 0, static_cast<FT_UInt>(-cellHeight)) == 0;
    if (!sized) PlatformWarning("cannot size the font %s to %d", file.c_str(), cellHeight);
    return sized;
}

// How far each glyph moves the raster and how far right of the pen its ink reaches.
struct GlyphWidths {
    std::string face;
    int cellHeight = 0;
    int weight = 0;
    bool usable = false;
    int advance[GlyphCount] = {};
    int inkRight[GlyphCount] = {};
};

const GlyphWidths& WidthsOf(const char* face, int cellHeight, int weight) {
    // Layouts measure many texts in the same two fonts at a few sizes: keep the last ones.
    static std::vector<GlyphWidths> kept;
    for (const GlyphWidths& widths : kept)
        if (widths.cellHeight == cellHeight && widths.weight == weight && widths.face == face) return widths;
    if (kept.size() >= 32) kept.erase(kept.begin());
    GlyphWidths& widths = kept.emplace_back();
    widths.face = face;
    widths.cellHeight = cellHeight;
    widths.weight = weight;
    FontFace font;
    widths.usable = OpenSizedFace(face, cellHeight, weight, &font);
    for (int code = 0; widths.usable && code < GlyphCount; ++code) {
        if (!LoadGlyph(font.face, static_cast<uint8_t>(code))) continue;
        const FT_GlyphSlot slot = font.face->glyph;
        widths.advance[code] = GlyphAdvance(slot);
        if (slot->bitmap.width > 0)
            widths.inkRight[code] = slot->bitmap_left + static_cast<int>(slot->bitmap.width);
    }
    return widths;
}

} // namespace

int EmPixelsForCellHeight(int cellHeight, int unitsPerEm, int ascent, int descent) {
    const long long cell = static_cast<long long>(ascent) + descent;
    if (cellHeight <= 0 || unitsPerEm <= 0 || cell <= 0) return cellHeight > 0 ? cellHeight : 1;
    const long long em = (static_cast<long long>(cellHeight) * unitsPerEm * 2 + cell) / (cell * 2);
    return em > 0 ? static_cast<int>(em) : 1;
}

bool BuildBitmapFont(const char* face, int cellHeight, int weight, uint32_t listBase) {
    if (SDL_GL_GetCurrentContext() == nullptr) {
        PlatformWarning("no OpenGL context for the font %s", face != nullptr ? face : "(none)");
        return false;
    }
    FontFace font;
    if (!OpenSizedFace(face, cellHeight, weight, &font)) return false;
    // Pixel storage is not compiled into lists: glBitmap copies its rows at compile time, so the
    // unpacking must be plain tight rows now, whatever the game left set.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    for (int code = 0; code < GlyphCount; ++code)
        CompileGlyph(font.face, static_cast<uint8_t>(code), listBase + static_cast<GLuint>(code));
    glPopClientAttrib();
    return true;
}

int MeasureTextWidth(const char* face, int cellHeight, int weight, const char* text) {
    if (face == nullptr || text == nullptr) return -1;
    const GlyphWidths& widths = WidthsOf(face, cellHeight, weight);
    if (!widths.usable) return -1;
    int pen = 0;
    int right = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        const uint8_t code = static_cast<uint8_t>(*c);
        if (code >= GlyphCount) continue; // 255 has no glyph and does not move the raster
        right = std::max(right, pen + widths.inkRight[code]);
        pen += widths.advance[code];
    }
    return std::max(pen, right);
}
