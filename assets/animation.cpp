#include "assets/animation.h"

#include "assets/log.h"
#include "assets/text_scan.h"

#include <algorithm>

bool ParseAnimation(const char* text, size_t size, Animation& animation, const char** rejectReason) {
    animation = Animation{};
    const char* reason = nullptr;
    TextScan scan(text, size);

    int32_t frameCount = 0;
    if (scan.Scan(" Animation Frames:%d", &frameCount) != 1) return true;
    animation.frameCount = frameCount;
    if (frameCount > kMaxAnimationFrames) reason = "more than 35 frames";

    // Lists grow only as values arrive, so a claimed count costs nothing until it is backed by data.
    for (int32_t f = 0; !reason && f < frameCount; ++f) {
        int32_t frameNumber = 0, objectCount = 0;
        if (scan.Scan(" Frame:%d", &frameNumber) != 1 || scan.Scan(" Objects:%d", &objectCount) != 1) break;
        if (objectCount > kMaxAnimationObjects) {
            reason = "more than 15 objects in a frame";
            break;
        }
        AnimFrame& frame = animation.frames.emplace_back();
        frame.objectCount = objectCount;

        bool complete = true;
        for (int32_t o = 0; complete && o < objectCount; ++o) {
            int32_t objectNumber = 0, vertexCount = 0;
            if (scan.Scan(" Object:%d Vertices:%d", &objectNumber, &vertexCount) != 2) {
                complete = false;
                break;
            }
            if (vertexCount > kMaxAnimationVertices) {
                reason = "more than 100 vertices in an object";
                break;
            }
            AnimObject& object = frame.animObjects.emplace_back();
            object.vertexCount = vertexCount;
            for (int32_t v = 0; v < vertexCount; ++v) {
                CVector3 p;
                if (scan.Scan("%f %f %f", &p.x, &p.y, &p.z) != 3) {
                    complete = false;
                    break;
                }
                object.vertices.push_back(p);
            }
        }
        if (!complete) break;
    }

    if (reason) {
        animation = Animation{};
        if (rejectReason) *rejectReason = reason;
        return false;
    }
    return true;
}

bool LoadAnimation(const char* fileName, Animation& animation) {
    std::vector<char> bytes;
    if (!ReadGameFile(fileName, bytes)) return false;
    const char* reason = nullptr;
    if (!ParseAnimation(bytes.data(), bytes.size(), animation, &reason)) {
        AppendLog("Animation rejected : %s (%s)", fileName, reason);
        return false;
    }
    return true;
}

void ApplyAnimationFrame(Model3D& model, const Animation& animation, int32_t frame) {
    if (frame < 0 || static_cast<size_t>(frame) >= animation.frames.size()) return;
    const AnimFrame& source = animation.frames[static_cast<size_t>(frame)];
    const size_t objects = std::min({static_cast<size_t>(std::max(model.objectCount, 0)),
                                     model.objects.size(), source.animObjects.size()});
    for (size_t i = 0; i < objects; ++i) {
        Object3D& object = model.objects[i];
        if (!object.vertexArray) continue;
        const std::vector<CVector3>& from = source.animObjects[i].vertices;
        const size_t count = std::min(
            {static_cast<size_t>(std::max(object.vertexCount, 0)), object.vertexArray->size(), from.size()});
        std::copy_n(from.begin(), count, object.vertexArray->begin());
    }
}
