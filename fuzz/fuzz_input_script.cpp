// Any bytes at all through the input script's reader: it either refuses them
// with a line number or gives events whose every field the playback can use.
#include "app/input_script.h"
#include "platform/platform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<ScriptEvent> events;
    std::string error;
    const bool ok = ParseInputScript(std::string(reinterpret_cast<const char*>(data), size), events, &error);
    if (!ok) {
        if (error.find("line ") == std::string::npos) std::abort();
        return 0;
    }
    uint32_t frame = 0;
    for (const ScriptEvent& event : events) {
        if (event.frame == 0 || event.frame < frame) std::abort(); // delivered in frame order, from frame 1
        frame = event.frame;
        switch (event.action) {
        case ScriptAction::Hold:
        case ScriptAction::PadHold:
            if (event.count <= 0) std::abort();
            break;
        case ScriptAction::Click:
            if (event.key < 0 || event.key > 2) std::abort();
            break;
        case ScriptAction::Resize:
            if (event.dx <= 0 || event.dy <= 0) std::abort();
            break;
        default:
            break;
        }
        if (event.action == ScriptAction::PadHold &&
            (event.key < 0 || event.key > static_cast<int>(PadButton::Right)))
            std::abort();
        if ((event.action == ScriptAction::Press || event.action == ScriptAction::Hold) && event.key == 0)
            std::abort();
    }
    return 0;
}
