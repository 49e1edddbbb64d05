// Any bytes as Game.cfg: whatever matches is taken and the rest keeps its
// default; the exit box still hides above the layout area the request gives.
#include "app/config.h"
#include "assets/game_state.h"
#include "assets/screen_area.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SetWindowSize(1024, 768);
    ApplyConfigText(reinterpret_cast<const char*>(data), size);
    if (VSyncFlag > 1 || PillarboxFlag > 1) std::abort();
    if (ScreenWidth > 0 && ScreenHeight > 0) {
        const ScreenRect area = LargestFourThree(ScreenWidth, ScreenHeight);
        if (area.width != LayoutArea.width || area.height != LayoutArea.height) std::abort();
    }
    if (LayoutArea.width < 1 || LayoutArea.height < 1) std::abort();
    if (DialogueSlide != -static_cast<int32_t>(LayoutArea.height / 5.12) || DialogueSlide > 0) std::abort();
    return 0;
}
