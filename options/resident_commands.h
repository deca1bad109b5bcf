#pragma once

#include <string>

namespace qm {

// What the pages and the editor of the settings window ask of the resident window,
// which owns the hotkeys, the tray menu and the settings window itself.
class ResidentCommands {
 public:
  virtual ~ResidentCommands() = default;
  // Aktualisieren: rebuilds action cache, list, tray menu and icons from the settings
  // file and registers all hotkeys again.
  virtual void Aktualisieren() = 0;
  // Before an editor writes a binding: the refresh unregisters by the entries as
  // stored, so the old combination must go first.
  virtual void UnregisterHotkey(int id) = 0;
  // "Als Standard": marks every active action of this plain name, then refreshes.
  virtual void MakeStandardAction(const std::string& plainName) = 0;
  virtual void ShowSettingsWindow() = 0;
  virtual void HideSettingsWindow() = 0;
};

}  // namespace qm
