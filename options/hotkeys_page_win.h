#pragma once

#include <windows.h>

#include "settings/settings_store.h"
#include "ui/dialog_win.h"
#include "ui/resident_commands.h"

namespace qm {

// frmHotkeystab, the tab "Generelle Hotkeys": the hotkeys of the tray menu, of the
// automatic-saving switch and of the Standard action, and the list of all hotkeys.
class HotkeysPage : public Dialog {
 public:
  HotkeysPage(HINSTANCE instance, SettingsStore& settings, ResidentCommands& resident);

  bool Create(HWND parent);
  // At every selection of the tab: the fields show what is stored; changes not
  // stored with "Aktivieren" are dropped. Where another program holds the settings
  // file, the user is told and the fields keep what they showed.
  void Refill();

  struct Row;

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(int id, int code);
  void cmdAktivieren_Click(const Row& row);
  void cmdHotkeys_Click();
  bool ToldUnread(unsigned heldBefore);

  HINSTANCE instance_;
  SettingsStore& settings_;
  ResidentCommands& resident_;
};

}  // namespace qm
