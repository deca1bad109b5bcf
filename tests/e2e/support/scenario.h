#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "tests/win/support/win_support.h"

namespace qm::e2e {

// The prepared actions: both save with "gleichedatei" into a file of the save folder,
// without date or address, so every byte of a save is known. Hotkeys are Ctrl+Alt+key.
struct Action {
  int number;
  const char* file;
  WORD key;
};
inline constexpr Action kNotizen{1, "Eins.txt", 'N'};  // "Notizen (Standard)"
inline constexpr Action kZweitens{2, "Zwei.txt", 'O'};
inline constexpr WORD kStandardKey = 'S';
inline constexpr WORD kAutomaticKey = 'A';

// What one save of `text` appends to an action's file.
inline std::string Entry(const std::string& text) { return text + "\r\n \r\n=====\r\n \r\n"; }

// One scenario: a fresh copy of the built program folder with prepared settings, which
// the test may change before it starts the program; a program still running at the end
// is asked to close.
class Scenario : public ::testing::Test {
 protected:
  Scenario();
  ~Scenario() override;

  void Set(const std::string& section, const std::string& key, const std::string& value) const;
  std::string Get(const std::string& section, const std::string& key) const;

  // Returns once the program waits for input and its resident window exists; call it
  // as ASSERT_NO_FATAL_FAILURE(Start()).
  void Start();
  // What the shell posts when the mouse does `mouseEvent` on the tray icon.
  void PostTray(UINT mouseEvent) const;
  // Opens the tray menu with a right click and waits for it.
  void OpenMenu() const;
  void Hotkey(WORD key) const { test::PressKeys({VK_CONTROL, VK_MENU}, key); }

  std::string Saved(const Action& action) const;
  // Waits until the action's file holds exactly `bytes`.
  void ExpectSoon(const Action& action, const std::string& bytes) const;
  // The exit code once the program has ended in time.
  std::optional<DWORD> WaitForExit() const;

  test::ScratchFolder scratch_;
  const std::string program_ = scratch_ / "Quillmar";
  const std::string saveFolder_ = scratch_ / "Gespeichert";
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

// A window of the test in the clipboard-viewer chain, as another clipboard tool: it
// counts the change notices that reach it. Joined before the program starts, it hears
// of a change only after the program has handled it and passed it on.
class ChainViewer {
 public:
  ChainViewer();
  ~ChainViewer();
  // Changes the clipboard and waits until the notice has come down the chain.
  void Copy(const std::vector<std::pair<UINT, std::string>>& formats);
  int notices = 0;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_;
  HWND next_ = nullptr;
};

}  // namespace qm::e2e
