#pragma once

#include <windows.h>

namespace qm::test {

// A hidden top-level window of the test thread, as the resident window is: the shell
// talks to it about its tray icon, menus take it as their owner, and it keeps the
// icons that WM_SETICON gives it.
class HiddenWindow {
 public:
  HiddenWindow();
  ~HiddenWindow();
  HiddenWindow(const HiddenWindow&) = delete;
  HiddenWindow& operator=(const HiddenWindow&) = delete;

  HWND Handle() const { return window_; }

 private:
  HWND window_;
};

}  // namespace qm::test
