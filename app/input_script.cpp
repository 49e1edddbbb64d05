#include "app/input_script.h"

#include "platform/platform.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

// The pad lines: "pad plug", "pad unplug", "pad press B", "pad hold B FRAMES", "pad stick left|right X Y".
bool ParsePadLine(const std::vector<std::string>& w, ScriptEvent* event) {
    if (w.size() == 3 && w[2] == "plug") {
        event->action = ScriptAction::PadPlug;
        return true;
    }
    if (w.size() == 3 && w[2] == "unplug") {
        event->action = ScriptAction::PadUnplug;
        return true;
    }
    uint32_t count = 1;
    if ((w.size() == 4 && w[2] == "press") ||
        (w.size() == 5 && w[2] == "hold" && ParseScriptCount(w[4], &count) && count > 0)) {
        event->action = ScriptAction::PadHold;
        event->key = ScriptPadButton(w[3]);
        event->count = static_cast<int>(count);
        return event->key >= 0;
    }
    if (w.size() == 6 && w[2] == "stick" && (w[3] == "left" || w[3] == "right")) {
        event->action = ScriptAction::PadStick;
        event->key = static_cast<int>(w[3] == "left" ? PadStick::Left : PadStick::Right);
        return ParseScriptNumber(w[4], &event->dx) && ParseScriptNumber(w[5], &event->dy);
    }
    return false;
}

} // namespace

bool ParseScriptCount(const std::string& text, uint32_t* value) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    *value = static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

bool ParseScriptNumber(const std::string& text, int* value) {
    const bool negative = !text.empty() && text[0] == '-';
    uint32_t magnitude = 0;
    if (!ParseScriptCount(negative ? text.substr(1) : text, &magnitude)) return false;
    *value = negative ? -static_cast<int>(magnitude) : static_cast<int>(magnitude);
    return true;
}

int ScriptKeyCode(const std::string& name) {
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= 'A' && c <= 'Z') return c;
        if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
        if (c >= '0' && c <= '9') return c;
        return 0;
    }
    static const struct {
        const char* name;
        int key;
    } named[] = {{"Up", KeyUp},         {"Down", KeyDown},   {"Left", KeyLeft},  {"Right", KeyRight},
                 {"Escape", KeyEscape}, {"Enter", KeyEnter}, {"Space", KeySpace}};
    for (const auto& entry : named)
        if (name == entry.name) return entry.key;
    return 0;
}

int ScriptPadButton(const std::string& name) {
    static const char* const names[] = {"south", "east", "west", "north", "back", "start",
                                        "lb",    "rb",   "up",   "down",  "left", "right"};
    for (size_t i = 0; i < sizeof names / sizeof names[0]; ++i)
        if (name == names[i]) return static_cast<int>(i);
    return -1;
}

bool ParseInputScript(const std::string& text, std::vector<ScriptEvent>& events, std::string* error) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty()) continue;

        ScriptEvent event = {0, ScriptAction::Press, 0, 0, 0, 0};
        bool ok = w.size() >= 2 && ParseScriptCount(w[0], &event.frame) && event.frame > 0;
        if (ok && w[1] == "press" && w.size() == 3) {
            event.key = ScriptKeyCode(w[2]);
            ok = event.key != 0;
        } else if (ok && w[1] == "hold" && w.size() == 4) {
            event.action = ScriptAction::Hold;
            event.key = ScriptKeyCode(w[2]);
            uint32_t count = 0;
            ok = event.key != 0 && ParseScriptCount(w[3], &count) && count > 0;
            event.count = static_cast<int>(count);
        } else if (ok && w[1] == "click" && w.size() == 3) {
            event.action = ScriptAction::Click;
            event.key = w[2] == "left" ? 0 : w[2] == "right" ? 1 : w[2] == "middle" ? 2 : -1;
            ok = event.key >= 0;
        } else if (ok && w[1] == "move" && w.size() == 4) {
            event.action = ScriptAction::Move;
            ok = ParseScriptNumber(w[2], &event.dx) && ParseScriptNumber(w[3], &event.dy);
        } else if (ok && (w[1] == "hide" || w[1] == "show") && w.size() == 2) {
            event.action = w[1] == "hide" ? ScriptAction::Hide : ScriptAction::Show;
        } else if (ok && w[1] == "resize" && w.size() == 4) {
            event.action = ScriptAction::Resize;
            ok = ParseScriptNumber(w[2], &event.dx) && ParseScriptNumber(w[3], &event.dy) && event.dx > 0 &&
                 event.dy > 0;
        } else if (ok && w[1] == "altenter" && w.size() == 2) {
            event.action = ScriptAction::AltEnter;
        } else if (ok && w[1] == "pad") {
            ok = ParsePadLine(w, &event);
        } else {
            ok = false;
        }
        if (!ok) {
            if (error)
                *error = "input script line " + std::to_string(number) + ": cannot read \"" + line + "\"";
            return false;
        }
        events.push_back(event);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
    return true;
}
