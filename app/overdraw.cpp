#include "app/overdraw.h"

#include "app/harness.h"
#include "assets/game_state.h"
#include "assets/screen_area.h"
#include "platform/platform.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

uint64_t Fragments = 0;
uint64_t Pixels = 0;
uint32_t Frames = 0;
unsigned Deepest = 0;
bool NoStencil = false;

} // namespace

bool OverdrawCounted() {
    if (!Harness.overdraw || !GameWindowShown() || GameMode == ModeBoot) return false;
    return GameMode == ModeField || Harness.fillFrame;
}

// The stencil is free in the game's own drawing and, unlike the colour, is
// kept through the swap, so the count is read once the frame is done.
void BeginOverdrawFrame() {
    GLint bits = 0;
    glGetIntegerv(GL_STENCIL_BITS, &bits);
    NoStencil = bits < 8;
    if (NoStencil) return;
    glClearStencil(0);
    glClear(GL_STENCIL_BUFFER_BIT);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 0, ~0u);
    glStencilOp(GL_KEEP, GL_KEEP, GL_INCR);
}

void EndOverdrawFrame() {
    if (NoStencil) return;
    glDisable(GL_STENCIL_TEST);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    const ScreenRect area = PictureArea;
    if (area.width <= 0 || area.height <= 0) return;
    static std::vector<unsigned char> counts;
    counts.resize(static_cast<size_t>(area.width) * static_cast<size_t>(area.height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(area.left, PictureBottom(), area.width, area.height, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE,
                 counts.data());
    for (unsigned char count : counts) {
        Fragments += count;
        Deepest = std::max<unsigned>(Deepest, count);
    }
    Pixels += counts.size();
    ++Frames;
}

void PrintOverdraw() {
    if (!Harness.overdraw) return;
    if (NoStencil) {
        std::printf("overdraw: no stencil buffer to count with\n");
    } else {
        const double mean = Pixels ? static_cast<double>(Fragments) / static_cast<double>(Pixels) : 0.0;
        std::printf("overdraw: mean %.3f max %u over %u frames\n", mean, Deepest, Frames);
    }
    std::fflush(stdout);
}
