#pragma once

#include <windows.h>

#include "settings/hotkeys.h"
#include "settings/settings_store.h"
#include "ui/message_box.h"

namespace qm {

// The global hotkeys of the resident window: registers and unregisters them as the
// settings file describes them. It keeps no list of its own; the settings file is the
// registered set after every refresh.
class HotkeyRegistry {
 public:
  HotkeyRegistry(HWND window, SettingsStore& settings, MessageBoxes& messages)
      : window_(window), settings_(settings), messages_(messages) {}

  // Every binding whose key entry names a key, in the order actions 1..20, tray menu,
  // automatic saving, Standard action, but the binding `changed` (0 for none) last: a
  // binding the user has just given a combination that another one of this program
  // holds fails itself. Only once all are registered, the refused ones are blanked, so
  // that the next refresh does not try them again, and reported in one box: the box runs
  // a nested message loop, and nothing of the registration is left to do under it.
  void RegisterAll(int changed = 0);

  // Every binding whose key entry names a key as the file holds it now. The editors
  // unregister the binding they change themselves before they write it.
  void UnregisterAll();

 private:
  // Registers one hotkey under `id`; false when the system refuses the combination.
  bool Erstellehotkey(const HotkeyText& hotkey, int id);

  HWND window_;
  SettingsStore& settings_;
  MessageBoxes& messages_;
};

}  // namespace qm
