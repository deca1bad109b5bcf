#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "actions/editor_rules.h"
#include "settings/settings_store.h"
#include "ui/dialog_win.h"
#include "ui/owned_handles_win.h"
#include "ui/resident_commands.h"

namespace qm {

// frmAktion, "Aktion einstellen": one action's settings, for a new action or for the
// action the list page has selected. Modeless, one window at a time; "&Übernehmen"
// validates, writes the section, has the resident window refresh and closes.
class ActionEditor : public Dialog {
 public:
  // `onClosed` gets whether the window was creating a new action.
  ActionEditor(HINSTANCE instance, SettingsStore& settings, ResidentCommands& resident,
               std::function<void(bool isNew)> onClosed);

  // Opens the editor for a new action (no number) or for the action of that section,
  // unless another program holds the settings file; while it is open, only brings it to
  // the front.
  void Open(HWND owner, std::optional<int> existingAction);

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroyed() override;
  void Form_Load();
  void LoadAction(const StoredAction& stored);
  void LoadFolder(const std::string& stored);
  void OnCommand(int id, int code);

  void cboMethode_Click();
  void ShowMethod(EditorMethod method);
  void SetFolder(const std::string& folder);
  void Dir_DblClick();
  void Drive_Change();
  void cmdDesktop_Click();
  void txtAnzahl_Change();
  void Modifier_LostFocus(int field, int other);
  void OnEnter();
  void cmdUebernehmen_Click();
  std::optional<ActionFields> TypedFields();
  std::optional<int> TargetSection(ActionFields& fields);
  bool Stored(int section, const ActionFields& fields);

  EditorMethod SelectedMethod() const;
  DocumentFormat SelectedFormat() const;
  void SelectFormat(DocumentFormat format);
  void UpdateSummary();

  HINSTANCE instance_;
  SettingsStore& settings_;
  ResidentCommands& resident_;
  std::function<void(bool)> onClosed_;
  std::optional<int> existing_;
  StoredAction stored_;  // of the existing action, as read before the window opened
  std::string loadedName_;
  std::wstring words_;  // the last accepted content of the number field
  std::string folder_;
  OwnedIcon picture_;
  bool loading_ = false;
};

}  // namespace qm
