#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "resident/hotkeys.h"
#include "tests/win/support/clipboard_helper.h"

namespace qm::test {

// A message-only window of the test thread that hotkeys can be registered for; the
// hotkey ids of the program are unregistered again when it goes.
class HotkeyWindow {
 public:
  HotkeyWindow();
  ~HotkeyWindow();
  HotkeyWindow(const HotkeyWindow&) = delete;
  HotkeyWindow& operator=(const HotkeyWindow&) = delete;

  HWND Handle() const { return window_; }

  // The ids of the WM_HOTKEY messages that reach the window: waits up to `timeoutMs`
  // for the first one, then a little longer for any that follow it.
  std::vector<int> ReceivedHotkeys(DWORD timeoutMs = 2000) const;

 private:
  HWND window_;
};

// Whether someone holds the combination: tries to register it for a window of its own
// and lets it go again at once.
bool CombinationTaken(const HotkeyCombination& combination);

// Presses the combination as the keyboard would: modifiers down, key down and up,
// modifiers up. `keyRepeats` extra key-downs before the key-up are a key held down.
void PressCombination(const HotkeyCombination& combination, int keyRepeats = 0);

// Another process that owns the combination as long as this lives.
class ForeignHotkey {
 public:
  explicit ForeignHotkey(const HotkeyCombination& combination);
  ~ForeignHotkey();
  ForeignHotkey(const ForeignHotkey&) = delete;
  ForeignHotkey& operator=(const ForeignHotkey&) = delete;

 private:
  std::string readyName_;
  std::string quitName_;
  HANDLE ready_;
  HANDLE quit_;
  HelperProcess helper_;
};

// Whether the tests run under Wine rather than Windows.
bool RunningUnderWine();

}  // namespace qm::test
