#pragma once

namespace qm {

// What the pages and the editor of the settings window ask of the resident window,
// which owns the hotkeys, the tray menu and the settings window itself.
class ResidentCommands {
 public:
  virtual ~ResidentCommands() = default;
  // Aktualisieren: rebuilds action cache, list, tray menu and icons from the settings
  // file and registers all hotkeys again. The binding just changed (its hotkey id, 0 for
  // none) is registered last: where it takes a combination that another binding of this
  // program holds, it is the one that fails, and every other binding keeps its hotkey.
  virtual void Aktualisieren(int changedBinding) = 0;
  // Before an editor writes a binding: the refresh unregisters by the entries as
  // stored, so the old combination must go first.
  virtual void UnregisterHotkey(int id) = 0;
  // "Als Standard": marks the active action of this number, takes the mark from every
  // other one and refreshes; a write that fails is reported.
  virtual void MakeStandardAction(int number) = 0;
  virtual void ShowSettingsWindow() = 0;
  virtual void HideSettingsWindow() = 0;
};

}  // namespace qm
