#pragma once

#include <windows.h>

#include <initializer_list>

namespace qm::e2e {

// Keyboard and mouse input as the system's input queue receives it from a user. X key
// events do not reach hotkeys under Wine; SendInput from inside Wine does.

// Holds the modifiers (VK_CONTROL, VK_MENU, VK_SHIFT), presses and releases the key,
// then releases the modifiers in reverse order. With several `keyDowns` the key is
// held down as the keyboard repeats a held key: key-down events, one key-up.
void PressHotkey(std::initializer_list<WORD> modifiers, WORD key, int keyDowns = 1);

// Presses and releases each key in turn.
void PressKeys(std::initializer_list<WORD> keys);
void PressKeyTimes(WORD key, int times);

// Moves the mouse pointer to a point of the screen.
void MoveMouseTo(POINT point);

}  // namespace qm::e2e
