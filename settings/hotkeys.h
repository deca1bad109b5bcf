#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"

namespace qm {

// Hotkey ids: the save actions use their own number, the three general commands follow.
inline constexpr int kFirstActionHotkey = 1;
inline constexpr int kLastActionHotkey = 20;
inline constexpr int kHotkeyTrayMenu = 21;
inline constexpr int kHotkeyAutomatic = 22;
inline constexpr int kHotkeyStandard = 23;

// Where one binding keeps its hotkey in the settings file: a section and the keys of
// the two modifier texts (A, B) and of the key text (C).
struct HotkeyBinding {
  std::string section;
  std::string keyA;
  std::string keyB;
  std::string keyC;

  bool operator==(const HotkeyBinding&) const = default;
};

// A hotkey as stored: two modifier texts ("Win", "Shift", "Strg", "Alt" or empty) and a
// key text ("A".."Z", "0".."9", "F1".."F12" or empty).
struct HotkeyText {
  std::string a;
  std::string b;
  std::string c;
};

// Whether `id` is one of the ids above.
bool IsHotkeyId(int id);

// The binding of a hotkey id; `id` must satisfy IsHotkeyId.
HotkeyBinding BindingOf(int id);

// Every hotkey id in the order the program registers them: the actions, then the tray
// menu, automatic saving and the Standard action; `last`, a hotkey id the user has just
// changed (or 0), comes last, so that it is the one that fails where it takes a
// combination that another binding holds.
std::vector<int> AllHotkeyIds(int last = 0);

HotkeyText ReadHotkey(const SettingsStore& settings, const HotkeyBinding& binding);

// A key text that names a key. An empty text means "no hotkey"; so does the text that a
// read returns for a missing entry, which would otherwise register its first letter.
bool HasHotkey(std::string_view keyText);

// "F1" to "F12", the keys that may be a hotkey without a modifier.
bool IsFunctionKeyText(std::string_view keyText);

// The system's modifier flag of one modifier text; the names compare exactly, and
// anything else (empty, the editors' "     -") adds nothing.
unsigned ModifierFlag(std::string_view modifierText);

// The flags of both modifier texts together. They are combined bit by bit, so a file
// edited by hand with the same modifier twice still means just that modifier.
unsigned ModifierFlags(std::string_view a, std::string_view b);

// The virtual-key code of a key text: "F1".."F12" are the function keys, any other
// text gives the code of its first character ("F" alone is the letter F).
unsigned VirtualKey(std::string_view keyText);

// What the system is asked to register for a stored hotkey.
struct HotkeyCombination {
  unsigned modifiers = 0;
  unsigned virtualKey = 0;

  bool operator==(const HotkeyCombination&) const = default;
};

HotkeyCombination CombinationOf(const HotkeyText& hotkey);

// A hotkey as the program shows it: "Strg + Alt + N"; a part the file does not hold
// counts as empty, as it does for the registration.
std::string CombinationText(const HotkeyText& hotkey);

// The binding that holds the combination stored for `id` before it: the first other
// binding with a key that stores the same combination, or 0 when none does.
int OwnHolder(const SettingsStore& settings, int id);

}  // namespace qm
