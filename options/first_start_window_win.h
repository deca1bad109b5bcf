#pragma once

#include <windows.h>

#include "ui/dialog_win.h"
#include "ui/resident_commands.h"
#include "ui/screen_units_win.h"

namespace qm {

// frmSplash: greets the user at the very first start. "&Ok" becomes usable on the
// second tick of its 8-second timer, so the welcome is read; it leads to the settings
// window.
class FirstStartWindow : public Dialog {
 public:
  FirstStartWindow(HINSTANCE instance, ResidentCommands& resident)
      : instance_(instance), resident_(resident) {}

  void Open();

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Form_Load();
  void tmrUnload_Timer();
  INT_PTR Colour(HDC dc, HWND control);

  HINSTANCE instance_;
  ResidentCommands& resident_;
  bool ticked_ = false;
  OwnedBrush red_;
  OwnedFont productFont_;
  OwnedFont versionFont_;
  OwnedFont textFont_;
};

}  // namespace qm
