#pragma once

#include <windows.h>

#include <string>

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

  // Registers one hotkey under `id`. A combination the system refuses (another program
  // owns it) is reported, and the binding's entries are blanked so that the next
  // refresh does not try it again. An empty key text registers nothing.
  void Erstellehotkey(const std::string& a, const std::string& b, const std::string& c, int id);

  // Every binding whose key entry names a key, in the order actions 1..20, tray menu,
  // automatic saving, Standard action, but the binding `changed` (0 for none) last: a
  // binding the user has just given a combination that another one of this program
  // holds fails itself and is blanked, and the box names the holder.
  void RegisterAll(int changed = 0);

  // Every binding whose key entry names a key as the file holds it now. The editors
  // unregister the binding they change themselves before they write it.
  void UnregisterAll();

  // The action hotkeys 1..20, for the shutdown of the resident window.
  void UnregisterActions();

 private:
  void ReportFailure(int id);

  HWND window_;
  SettingsStore& settings_;
  MessageBoxes& messages_;
};

}  // namespace qm
