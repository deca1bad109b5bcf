#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "resident/tray_menu_model.h"

namespace qm {

// zmnuFile: the tray menu. Its action items are rebuilt from the model at every
// refresh; items the model does not show are not in the menu at all. A pick arrives
// as WM_COMMAND at the owner of Popup; Pick tells which item it was.
class TrayMenu {
 public:
  TrayMenu();
  ~TrayMenu();
  TrayMenu(const TrayMenu&) = delete;
  TrayMenu& operator=(const TrayMenu&) = delete;

  // Replaces the menu by one built from `model`; false (the old menu stays) when the
  // system refuses a menu.
  bool Fill(const TrayMenuModel& model);

  // Brings the owner to the front (so the menu closes on a click elsewhere), shows
  // the menu at the mouse position until it closes and then posts WM_USER to the
  // owner, as the program has always done.
  bool Popup(HWND owner);

  std::optional<MenuPick> Pick(WORD commandId) const;

  // "&Automatisch sichern": its check mark is the live state of automatic saving.
  bool AutomaticChecked() const { return automatic_; }
  void SetAutomaticChecked(bool checked);

  HMENU Handle() const { return menu_; }

 private:
  HMENU menu_ = nullptr;
  TrayMenuModel model_;
  bool automatic_ = false;
  bool tracking_ = false;
  bool rebuildAfterPopup_ = false;
};

}  // namespace qm
