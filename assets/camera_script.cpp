#include "assets/camera_script.h"

#include "assets/camera.h"
#include "assets/text_scan.h"

#include <cstdint>
#include <vector>

CameraKey CameraKeys[kCameraKeyCount] = {};
int32_t CameraLastKey = 0;
int32_t CameraKeyIndex = 0;
int32_t CameraStepCount = 0;
CameraKey CameraFromKey = {};
bool CameraScriptPlaying = false;

int32_t ParseCameraScript(const char* text, size_t size, CameraKey (&keys)[kCameraKeyCount],
                          int32_t& lastKey) {
    for (CameraKey& key : keys) key = CameraKey{};
    lastKey = 0;
    TextScan scan(text, size);
    int32_t stored = 0;
    for (;;) {
        int32_t index = -1;
        CameraKey key = {};
        const int got =
            scan.Scan("%d %f,%f,%f,%f,%f,%f,%f,%f,%f,%d", &index, &key.Position.x, &key.Position.y,
                      &key.Position.z, &key.ViewPoint.x, &key.ViewPoint.y, &key.ViewPoint.z, &key.UpVector.x,
                      &key.UpVector.y, &key.UpVector.z, &key.Steps);
        // A broken line or an index the table lacks ends the script there.
        if (got != 11 || index < 0 || index >= kCameraKeyCount) break;
        keys[index] = key;
        lastKey = index;
        ++stored;
    }
    return stored;
}

void LoadCameraScript(const char* fileName) {
    std::vector<char> bytes;
    if (!ReadGameFile(fileName, bytes)) bytes.clear();
    ParseCameraScript(bytes.data(), bytes.size(), CameraKeys, CameraLastKey);
}

namespace {

void PlaceCamera(const CameraKey& key) {
    Camera.Position = key.Position;
    Camera.ViewPoint = key.ViewPoint;
    Camera.UpVector = key.UpVector;
}

void StepToward(float& value, float from, float to, int32_t steps) {
    value += (to - from) / static_cast<float>(steps);
}

} // namespace

void StartCameraScript(const char* fileName) {
    CameraLastKey = 0;
    CameraKeyIndex = 0;
    // Starting the count high lets a short first key leave at once; a longer one holds the camera still.
    CameraStepCount = 100;
    LoadCameraScript(fileName);
    CameraFromKey = CameraKeys[0];
    PlaceCamera(CameraKeys[0]);
    CameraStepCount = 100;
    CameraScriptPlaying = true;
}

CameraKey PlayCameraStep(CameraKey from, CameraKey to) {
    if (to.Steps > 0) {
        StepToward(Camera.Position.x, from.Position.x, to.Position.x, to.Steps);
        StepToward(Camera.Position.y, from.Position.y, to.Position.y, to.Steps);
        StepToward(Camera.Position.z, from.Position.z, to.Position.z, to.Steps);
        StepToward(Camera.ViewPoint.x, from.ViewPoint.x, to.ViewPoint.x, to.Steps);
        StepToward(Camera.ViewPoint.y, from.ViewPoint.y, to.ViewPoint.y, to.Steps);
        StepToward(Camera.ViewPoint.z, from.ViewPoint.z, to.ViewPoint.z, to.Steps);
        StepToward(Camera.UpVector.x, from.UpVector.x, to.UpVector.x, to.Steps);
        StepToward(Camera.UpVector.y, from.UpVector.y, to.UpVector.y, to.Steps);
        StepToward(Camera.UpVector.z, from.UpVector.z, to.UpVector.z, to.Steps);
    } else {
        // A key with no frames to get there is simply jumped to.
        PlaceCamera(to);
    }
    if (CameraStepCount < INT32_MAX) ++CameraStepCount;
    if (to.Steps <= 0 || CameraStepCount >= to.Steps) {
        ++CameraKeyIndex;
        CameraStepCount = 0;
        return to;
    }
    return from;
}

void UpdateCameraScript() {
    if (!CameraScriptPlaying) return;
    if (CameraKeyIndex >= 0 && CameraKeyIndex < kCameraKeyCount)
        CameraFromKey = PlayCameraStep(CameraFromKey, CameraKeys[CameraKeyIndex]);
    // An index moved outside the table from elsewhere ends the script rather than reading past it.
    if (CameraKeyIndex > CameraLastKey || CameraKeyIndex < 0 || CameraKeyIndex >= kCameraKeyCount) {
        CameraKeyIndex = 0;
        CameraScriptPlaying = false;
        CameraFromKey = CameraKeys[0];
    }
}
