// Any bytes as Game.cfg: whatever matches is taken and the rest keeps its
// default; the exit box still hides above the layout area the request gives,
// every setting is one the options screen can show, and what the writer makes
// of it reads back as the same file.
#include "app/config.h"
#include "app/render_scale.h"
#include "assets/game_state.h"
#include "assets/input_names.h"
#include "assets/screen_area.h"
#include "assets/settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

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
    if (MusicVolume < 0 || MusicVolume > 100 || EffectVolume < 0 || EffectVolume > 100) std::abort();
    if (MouseSpeedIndex < 0 || MouseSpeedIndex >= kMouseSpeedCount || InvertLookFlag > 1 ||
        WindowedFlag > 1 || HintsFlag > 1)
        std::abort();
    if (PadOkButton == PadCancelButton || PadOkButton == PadMenuButton || PadCancelButton == PadMenuButton)
        std::abort();
    const std::string written = ConfigText();
    ApplyConfigText(written.data(), written.size());
    if (ConfigText() != written) std::abort();
    return 0;
}
