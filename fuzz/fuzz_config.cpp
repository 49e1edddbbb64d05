// Any bytes as Game.cfg: whatever matches is taken and the rest keeps its
// default; the exit box still hides above the configured height.
#include "app/config.h"
#include "assets/game_state.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ApplyConfigText(reinterpret_cast<const char*>(data), size);
    if (VSyncFlag > 1) std::abort();
    if (DialogueSlide != -static_cast<int32_t>(ScreenHeight / 5.12)) std::abort();
    return 0;
}
