#include "assets/control_hints.h"

#include "assets/screen_area.h"
#include "platform/platform.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

// The panels' gold, so a hint reads as part of the frame rather than as a choice.
constexpr float kHintColor[3] = {1.0f, 0.84f, 0.45f};

// Three blanks between entries, as between words that belong apart.
constexpr const char* kEntryGap = "   ";

// A text whose last column is `right`: the printer starts a column left of x.
int32_t RightAligned(int32_t right, int32_t width) {
    return right - width + 1;
}

// The colour the caller drew in, put back before colour material is switched on
// again: switching it on copies the current colour into the material.
float CallerColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};

void BeginHintDrawing() {
    glGetFloatv(GL_CURRENT_COLOR, CallerColor);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    // Bitmaps are textured, lit, fogged and blended like any fragment: none of it
    // here. With colour material on, the hint's colour would stay in the material.
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE); // the arrow is wound clockwise in a y-down projection
}

void EndHintDrawing() {
    glColor4fv(CallerColor);
    glPopAttrib();
}

void PrintHintText(const std::string& text, TextPoint at) {
    const TextPoint shadow = ShadowTextOffset(LayoutArea.width, LayoutArea.height);
    glColor3f(0.0f, 0.0f, 0.0f);
    PrintText(TimesFontBase, at.x + shadow.x, at.y + shadow.y, "%s", text.c_str());
    glColor3fv(kHintColor);
    PrintText(TimesFontBase, at.x, at.y, "%s", text.c_str());
}

void Arrow(float left, float right, float top, float bottom) {
    glVertex2f(left, top);
    glVertex2f(right, top);
    glVertex2f((left + right) * 0.5f, bottom);
}

} // namespace

int32_t MeasureHintText(int32_t w, const char* text) {
    return std::max(0, MeasureTextWidth("Times New Roman", FontCellHeightFor(w), 700, text));
}

std::string HintEntry(GameAction action, InputDevice device, PadType type) {
    return ActionControlName(action, device, type) + ": " + ActionName(action);
}

std::vector<std::string> HintEntries(HintActions actions, InputDevice device, PadType type) {
    std::vector<std::string> entries;
    if (actions.ok) entries.push_back(HintEntry(GameAction::Ok, device, type));
    if (actions.cancel) entries.push_back(HintEntry(GameAction::Cancel, device, type));
    if (actions.menu) entries.push_back(HintEntry(GameAction::Menu, device, type));
    return entries;
}

HintBox HintBoxAt(HintSpot spot, int32_t w, int32_t h) {
    const int32_t step = LayoutDiv(h, 28.0);
    switch (spot) {
    case HintSpot::Title:
        // The lower right of the logo, right of the buttons (which end at 0.6 of the width).
        return {LayoutDiv(w, 1.6), LayoutDiv(w, 1.04), LayoutDiv(h, 1.09), step};
    case HintSpot::MenuTopList:
        // The foot of the hero panel, beside the last entries; the panel ends at 0.69 of
        // the width and 0.8 of the height.
        return {LayoutDiv(w, 25.6), LayoutDiv(w, 1.0 / 0.67), LayoutDiv(h, 1.38), step};
    case HintSpot::BattleCommands:
        // Below the gauges, right of where the target panel ends.
        return {LayoutDiv(w, 1.57) + LayoutDiv(w, 51.2), LayoutDiv(w, 1.02), LayoutDiv(h, 1.1), step};
    }
    return {0, w, 0, step};
}

std::vector<HintLine> LayOutHint(const std::vector<std::string>& entries, const HintBox& box, int32_t w,
                                 HintMeasure measure) {
    std::vector<HintLine> lines;
    if (entries.empty()) return lines;
    std::string row;
    for (const std::string& entry : entries) row += (row.empty() ? "" : kEntryGap) + entry;
    const int32_t width = measure(w, row.c_str());
    if (RightAligned(box.right, width) >= box.left) {
        lines.push_back({row, {RightAligned(box.right, width), box.y}});
        return lines;
    }
    int32_t y = box.y - box.lineStep * static_cast<int32_t>(entries.size() - 1);
    for (const std::string& entry : entries) {
        lines.push_back({entry, {RightAligned(box.right, measure(w, entry.c_str())), y}});
        y += box.lineStep;
    }
    return lines;
}

OkMarker LayOutOkMarker(const std::string& name, int32_t w, int32_t rowY, int32_t frame,
                        HintMeasure measure) {
    static const int32_t bob[4] = {0, 1, 2, 1};
    const int32_t cell = FontCellHeightFor(w);
    OkMarker marker;
    marker.name = name;
    marker.arrowRight = LayoutDiv(w, 1.32);
    marker.arrowLeft = marker.arrowRight - cell / 2;
    // Over the middle of the capitals, a sixteenth of a line up and down.
    marker.arrowTop = rowY + cell / 2 + bob[((frame / 8) % 4 + 4) % 4] * (cell / 16);
    marker.arrowBottom = marker.arrowTop + cell * 5 / 16;
    const int32_t nameRight = marker.arrowLeft - cell / 4;
    marker.nameAt = {RightAligned(nameRight, measure(w, marker.name.c_str())), rowY};
    return marker;
}

void DrawHint(HintSpot spot, HintActions actions) {
    if (!HintsFlag) return;
    const std::vector<HintLine> lines =
        LayOutHint(HintEntries(actions), HintBoxAt(spot, LayoutArea.width, LayoutArea.height),
                   LayoutArea.width, MeasureHintText);
    if (lines.empty()) return;
    BeginHintDrawing();
    for (const HintLine& line : lines) PrintHintText(line.text, line.at);
    EndHintDrawing();
}

void DrawOkMarker(int32_t rowY) {
    static int32_t frame = 0;
    if (!HintsFlag) return;
    frame = frame < 0x3FFFFFFF ? frame + 1 : 0;
    const OkMarker marker =
        LayOutOkMarker(ActionControlName(GameAction::Ok), LayoutArea.width, rowY, frame, MeasureHintText);
    BeginHintDrawing();
    PrintHintText(marker.name, marker.nameAt);
    const TextPoint shadow = ShadowTextOffset(LayoutArea.width, LayoutArea.height);
    const float left = static_cast<float>(marker.arrowLeft), right = static_cast<float>(marker.arrowRight);
    const float top = static_cast<float>(marker.arrowTop), bottom = static_cast<float>(marker.arrowBottom);
    const float dx = static_cast<float>(shadow.x), dy = static_cast<float>(shadow.y);
    glBegin(GL_TRIANGLES);
    glColor3f(0.0f, 0.0f, 0.0f);
    Arrow(left + dx, right + dx, top + dy, bottom + dy);
    glColor3fv(kHintColor);
    Arrow(left, right, top, bottom);
    glEnd();
    EndHintDrawing();
}
