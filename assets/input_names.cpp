#include "assets/input_names.h"

#include "assets/game_state.h"

PadButton PadOkButton = PadButton::South;
PadButton PadCancelButton = PadButton::East;
PadButton PadMenuButton = PadButton::North;

namespace {

constexpr int kButtons = 12;
constexpr int kKeyF1 = 112; // the platform numbers F1..F12 on from here

// By PadButton: South, East, West, North, Back, Start, ShoulderL, ShoulderR, Up, Down, Left, Right.
constexpr const char* kPlainNames[kButtons] = {"South", "East",  "West",          "North",
                                               "Back",  "Start", "Left shoulder", "Right shoulder",
                                               "Up",    "Down",  "Left",          "Right"};
constexpr const char* kXboxNames[kButtons] = {"A",  "B",  "X",  "Y",    "View", "Menu",
                                              "LB", "RB", "Up", "Down", "Left", "Right"};
constexpr const char* kPlayStationNames[kButtons] = {
    "Cross", "Circle", "Square", "Triangle", "Share", "Options", "L1", "R1", "Up", "Down", "Left", "Right"};
// A Nintendo pad letters its buttons by position the other way round: B is south, A east.
constexpr const char* kNintendoNames[kButtons] = {"B", "A", "Y",  "X",    "-",    "+",
                                                  "L", "R", "Up", "Down", "Left", "Right"};
constexpr const char* kWords[6] = {"South", "East", "West", "North", "ShoulderL", "ShoulderR"};
constexpr PadButton kWordButtons[6] = {PadButton::South, PadButton::East,      PadButton::West,
                                       PadButton::North, PadButton::ShoulderL, PadButton::ShoulderR};

} // namespace

std::string KeyName(int key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return std::string(1, static_cast<char>(key));
    if (key >= kKeyF1 && key < kKeyF1 + 12) return "F" + std::to_string(key - kKeyF1 + 1);
    switch (key) {
    case KeyBackspace:
        return "Backspace";
    case KeyTab:
        return "Tab";
    case KeyEnter:
        return "Enter";
    case KeyShift:
        return "Shift";
    case KeyControl:
        return "Ctrl";
    case KeyEscape:
        return "Escape";
    case KeySpace:
        return "Space";
    case KeyLeft:
        return "Left";
    case KeyUp:
        return "Up";
    case KeyRight:
        return "Right";
    case KeyDown:
        return "Down";
    default:
        return "?";
    }
}

const char* PadButtonName(PadButton button, PadType type) {
    const auto i = static_cast<size_t>(button);
    if (i >= static_cast<size_t>(kButtons)) return "?";
    switch (type) {
    case PadType::Xbox:
        return kXboxNames[i];
    case PadType::PlayStation:
        return kPlayStationNames[i];
    case PadType::Nintendo:
        return kNintendoNames[i];
    case PadType::Unknown:
        break;
    }
    return kPlainNames[i];
}

const char* ActionName(GameAction action) {
    switch (action) {
    case GameAction::Ok:
        return "OK";
    case GameAction::Cancel:
        return "Cancel";
    case GameAction::Menu:
        return "Menu";
    }
    return "?";
}

char& ActionKeyOf(GameAction action) {
    return action == GameAction::Ok ? KeyOk : action == GameAction::Cancel ? KeyCancel : KeyMenu;
}

PadButton& ActionPadButtonOf(GameAction action) {
    return action == GameAction::Ok       ? PadOkButton
           : action == GameAction::Cancel ? PadCancelButton
                                          : PadMenuButton;
}

int ActionKey(GameAction action) {
    return static_cast<unsigned char>(ActionKeyOf(action));
}

PadButton ActionPadButton(GameAction action) {
    return ActionPadButtonOf(action);
}

std::string ActionControlName(GameAction action) {
    return ActionControlName(action, LastInputDevice(), LastPadType());
}

std::string ActionControlName(GameAction action, InputDevice device, PadType type) {
    if (device == InputDevice::Pad) return PadButtonName(ActionPadButton(action), type);
    return KeyName(ActionKey(action));
}

bool PadButtonFromWord(const std::string& word, PadButton* button) {
    for (int i = 0; i < 6; ++i)
        if (word == kWords[i]) {
            *button = kWordButtons[i];
            return true;
        }
    return false;
}

const char* PadButtonWord(PadButton button) {
    for (int i = 0; i < 6; ++i)
        if (kWordButtons[i] == button) return kWords[i];
    return "South";
}
