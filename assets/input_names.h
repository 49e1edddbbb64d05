// The names the screen gives keys and pad buttons, and which the player sees
// for the OK, Cancel and Menu actions: the keyboard's keys, or the buttons of
// the pad in hand in its own lettering once a pad was pressed last.
#pragma once

#include "platform/platform.h"

#include <string>

enum class GameAction { Ok, Cancel, Menu };

// The pad buttons that stand for OK, Cancel and Menu (three different face
// buttons or shoulders; the villager's services take the others).
extern PadButton PadOkButton;
extern PadButton PadCancelButton;
extern PadButton PadMenuButton;

// A key's name: "X", "7", "Enter", "Escape", "Space", "Left"...; "?" for a key without one.
std::string KeyName(int key);
// A pad button's name on that family of pad: "A", "Cross", "B" (a Nintendo
// pad's south), or "South" for a pad of no known family.
const char* PadButtonName(PadButton button, PadType type);
// "OK", "Cancel" or "Menu".
const char* ActionName(GameAction action);
// The key that does an action now (KeyOk, KeyCancel or KeyMenu).
int ActionKey(GameAction action);
// The setting that holds an action's key, and its pad button.
char& ActionKeyOf(GameAction action);
PadButton& ActionPadButtonOf(GameAction action);
// The pad button that does an action now.
PadButton ActionPadButton(GameAction action);
// What the player presses for an action on the device pressed last: the key's
// name, or the pad button's name for the pad in hand.
std::string ActionControlName(GameAction action);
// The same for a given device and pad family.
std::string ActionControlName(GameAction action, InputDevice device, PadType type);
// Parse a pad button's plain name ("South", "East", "West", "North",
// "ShoulderL", "ShoulderR"), as Game.cfg writes it; false for any other word.
bool PadButtonFromWord(const std::string& word, PadButton* button);
// The word Game.cfg writes for a face button or shoulder.
const char* PadButtonWord(PadButton button);
