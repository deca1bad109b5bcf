// Global hotkeys pressed as a user presses them (SendInput from inside Wine), while the
// program sits in the tray.
#include <gtest/gtest.h>

#include "tests/e2e/support/clipboard.h"
#include "tests/e2e/support/desktop.h"
#include "tests/e2e/support/saved_files.h"
#include "tests/e2e/support/scenario.h"
#include "tests/e2e/support/user_input.h"
#include "tests/e2e/support/wait.h"

namespace qm::e2e {

namespace {

// How long a scenario watches for something that must not happen.
constexpr DWORD kQuietMs = 1500;

void PressCtrlAlt(WORD key, int keyDowns = 1) { PressHotkey({VK_CONTROL, VK_MENU}, key, keyDowns); }

// Another program that owns a key combination for as long as it lives.
class TakenHotkey {
 public:
  explicit TakenHotkey(WORD key)
      : taken_(RegisterHotKey(nullptr, kId, MOD_CONTROL | MOD_ALT, key) != FALSE) {
    EXPECT_TRUE(taken_) << "RegisterHotKey: " << GetLastError();
  }
  ~TakenHotkey() {
    if (taken_) UnregisterHotKey(nullptr, kId);
  }
  TakenHotkey(const TakenHotkey&) = delete;
  TakenHotkey& operator=(const TakenHotkey&) = delete;

 private:
  static constexpr int kId = 0x7002;
  bool taken_;
};

// Whether the system sends one WM_HOTKEY for a key held down, as MOD_NOREPEAT asks;
// Wine 8 ignores the flag and sends one per key-down.
bool SystemSuppressesHotkeyRepeats() {
  constexpr int kProbeId = 0x7001;
  constexpr WORD kProbeKey = 'Q';
  if (!RegisterHotKey(nullptr, kProbeId, MOD_CONTROL | MOD_ALT | MOD_NOREPEAT, kProbeKey)) {
    ADD_FAILURE() << "RegisterHotKey: " << GetLastError();
    return false;
  }
  PressHotkey({VK_CONTROL, VK_MENU}, kProbeKey, 3);
  int presses = 0;
  auto collect = [&] {
    MSG message;
    while (PeekMessageW(&message, reinterpret_cast<HWND>(-1), WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) {
      ++presses;
    }
    return presses > 0;
  };
  WaitUntil(collect);
  UnregisterHotKey(nullptr, kProbeId);
  collect();
  return presses == 1;
}

using HotkeyScenario = ResidentScenario;

TEST_F(HotkeyScenario, EachActionHotkeySavesWithItsOwnAction) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  PutTextOnClipboard("Per Hotkey an Zweitens");
  PressCtrlAlt(kZweitensKey);
  ExpectFileSoonHolds(SavedFile(kZweitens), SavedEntry("Per Hotkey an Zweitens"));

  PutTextOnClipboard("Per Hotkey an Notizen");
  PressCtrlAlt(kNotizenKey);
  ExpectFileSoonHolds(SavedFile(kNotizen), SavedEntry("Per Hotkey an Notizen"));
  EXPECT_EQ(FileBytes(SavedFile(kZweitens)), SavedEntry("Per Hotkey an Zweitens"));
}

TEST_F(HotkeyScenario, StandardHotkeySavesWithTheStandardAction) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  PutTextOnClipboard("Per Standard-Hotkey");
  PressCtrlAlt(kStandardKey);
  ExpectFileSoonHolds(SavedFile(kNotizen), SavedEntry("Per Standard-Hotkey"));
}

// Hotkeys are handled in the order they are pressed, so once the save of a later
// hotkey is done, every save the held key started is done too.
TEST_F(HotkeyScenario, HoldingAHotkeyDownSavesOnce) {
  if (!SystemSuppressesHotkeyRepeats()) GTEST_SKIP() << "this system ignores MOD_NOREPEAT";
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  PutTextOnClipboard("Einmal, auch wenn die Taste klemmt");
  PressCtrlAlt(kNotizenKey, 5);
  PressCtrlAlt(kZweitensKey);
  ExpectFileSoonHolds(SavedFile(kZweitens), SavedEntry("Einmal, auch wenn die Taste klemmt"));
  EXPECT_EQ(FileBytes(SavedFile(kNotizen)), SavedEntry("Einmal, auch wenn die Taste klemmt"));
}

TEST_F(HotkeyScenario, AutomaticHotkeySwitchesAndReportsTheNewState) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  PressCtrlAlt(kAutomaticKey);
  HWND notice = WaitForNotice(program_->ProcessId(), kPatienceMs);
  ASSERT_NE(notice, nullptr) << "no notice after switching automatic saving on";
  EXPECT_EQ(NoticeText(notice), L"\"Automatisch\"\r\naktiviert.");
  EXPECT_EQ(folder_.Get("Optionen", "AutomatischSichern"), "ja");
  PutTextOnClipboard("Automatisch nach dem Hotkey");
  ExpectFileSoonHolds(SavedFile(kNotizen), SavedEntry("Automatisch nach dem Hotkey"));

  ASSERT_TRUE(WaitUntil([&] { return !IsShown(notice); })) << "the notice stays";
  PressCtrlAlt(kAutomaticKey);
  notice = WaitForNotice(program_->ProcessId(), kPatienceMs);
  ASSERT_NE(notice, nullptr) << "no notice after switching automatic saving off";
  EXPECT_EQ(NoticeText(notice), L"\"Automatisch\"\r\ndeaktiviert.");
  EXPECT_EQ(folder_.Get("Optionen", "AutomatischSichern"), "nein");
}

TEST_F(HotkeyScenario, TakenHotkeyIsReportedAtStartAndTheProgramGoesOn) {
  TakenHotkey taken(kZweitensKey);
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  HWND box = WaitForMessageBox(program_->ProcessId(), kPatienceMs);
  ASSERT_NE(box, nullptr) << "no message about the taken hotkey";
  AnswerMessageBox(box, IDOK);

  // The failed binding is blanked so that it is not tried again.
  EXPECT_TRUE(WaitUntil([&] { return folder_.Get("Aktion2", "HotkeyC").empty(); }));
  PutTextOnClipboard("Die anderen Hotkeys gehen");
  PressCtrlAlt(kNotizenKey);
  ExpectFileSoonHolds(SavedFile(kNotizen), SavedEntry("Die anderen Hotkeys gehen"));
}

// A save's message box runs a message loop of its own; a hotkey pressed while it is
// open must not start a second save inside the first, but run once the box is closed.
TEST_F(HotkeyScenario, HotkeyDuringAMessageBoxSavesOnceTheBoxIsClosed) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  EmptyTheClipboard();
  PressCtrlAlt(kStandardKey);
  HWND box = WaitForMessageBox(program_->ProcessId(), kPatienceMs);
  ASSERT_NE(box, nullptr) << "no message about the empty clipboard";

  PutTextOnClipboard("Nach der Meldung");
  PressCtrlAlt(kZweitensKey);
  EXPECT_FALSE(WaitUntil([&] { return FileBytes(SavedFile(kZweitens)).has_value(); }, kQuietMs))
      << "the second save ran while the first one's box was open";
  AnswerMessageBox(box, IDOK);
  ExpectFileSoonHolds(SavedFile(kZweitens), SavedEntry("Nach der Meldung"));
}

}  // namespace

}  // namespace qm::e2e
