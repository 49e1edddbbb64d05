// Any bytes at all through the .scp reader, then a bounded playback of the
// keys read so the step arithmetic and key indexing see them too.
#include "assets/camera_script.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int32_t lastKey = -1;
    const int32_t stored = ParseCameraScript(reinterpret_cast<const char*>(data), size, CameraKeys, lastKey);
    if (stored < 0 || lastKey < 0 || lastKey >= kCameraKeyCount) std::abort();
    CameraLastKey = lastKey;

    // What StartCameraScript does after loading, without touching the file system.
    CameraKeyIndex = 0;
    CameraFromKey = CameraKeys[0];
    CameraStepCount = 100;
    CameraScriptPlaying = true;
    for (int frame = 0; frame < 2000 && CameraScriptPlaying; ++frame) UpdateCameraScript();
    if (!CameraScriptPlaying && CameraKeyIndex != 0) std::abort();
    return 0;
}
