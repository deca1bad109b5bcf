// Global hotkeys as the system registers and delivers them, and a combination that
// someone else holds.
#include <gtest/gtest.h>

#include "resident/hotkey_registry_win.h"
#include "resident/hotkeys.h"
#include "settings/settings_file_win.h"
#include "tests/support/save_recorders.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

constexpr HotkeyCombination kAction1{MOD_CONTROL | MOD_ALT, VK_F5};
constexpr HotkeyCombination kAction20{MOD_ALT, VK_F12};
constexpr HotkeyCombination kStandard{MOD_WIN | MOD_ALT, 'S'};
// What action 4's missing key entry ("Kein Eintrag gefunden!") would register as a key.
constexpr HotkeyCombination kMissingEntryAsKey{MOD_CONTROL, 'K'};

// Whether someone holds the combination: it cannot be registered for a window of ours.
bool Taken(HotkeyCombination combination) {
  if (!RegisterHotKey(nullptr, 0xBFFF, combination.modifiers, combination.virtualKey)) return true;
  UnregisterHotKey(nullptr, 0xBFFF);
  return false;
}

class HotkeysWin : public ::testing::Test {
 protected:
  ~HotkeysWin() override { DestroyWindow(window_); }

  // The id of the first WM_HOTKEY that reaches the window; 0 when none does in time.
  int Delivered() const {
    const ULONGLONG end = GetTickCount64() + test::kPatienceMs;
    MSG message;
    while (!PeekMessageW(&message, window_, WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) {
      if (GetTickCount64() >= end) return 0;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_HOTKEY);
    }
    return static_cast<int>(message.wParam);
  }

  const test::ProgramSettingsFile file_{
      "[Aktion1]\r\nHotkeyA=Strg\r\nHotkeyB=Alt\r\nHotkeyC=F5\r\n"
      "[Aktion3]\r\nHotkeyA=Strg\r\nHotkeyB=Alt\r\nHotkeyC=\r\n"
      "[Aktion4]\r\nHotkeyA=Strg\r\nHotkeyB=\r\n"
      "[Aktion20]\r\nHotkeyA=Alt\r\nHotkeyB=\r\nHotkeyC=F12\r\n"
      "[Hotkeys]\r\nHotkeyStanA=Win\r\nHotkeyStanB=Alt\r\nHotkeyStanC=S\r\n"};
  HWND window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  ProfileSettings settings_;
  test::RecordingMessageBoxes messages_;
  HotkeyRegistry registry_{window_, settings_, messages_};
};

TEST_F(HotkeysWin, EveryBindingWithAKeyIsRegisteredDeliveredAndLetGo) {
  registry_.RegisterAll();
  for (const HotkeyCombination c : {kAction1, kAction20, kStandard}) EXPECT_TRUE(Taken(c)) << c.virtualKey;
  EXPECT_FALSE(Taken(kMissingEntryAsKey));
  EXPECT_FALSE(UnregisterHotKey(window_, 3)) << "the empty key was registered";
  test::PressKeys({VK_MENU}, VK_F12);
  EXPECT_EQ(Delivered(), 20);
  test::PressKeys({VK_LWIN, VK_MENU}, 'S');
  EXPECT_EQ(Delivered(), kHotkeyStandard);
  registry_.UnregisterActions();
  EXPECT_FALSE(Taken(kAction1));
  EXPECT_TRUE(Taken(kStandard));
  registry_.UnregisterAll();
  EXPECT_FALSE(Taken(kStandard));
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(HotkeysWin, ACombinationSomeoneElseHoldsIsReportedBlankedAndNotTriedAgain) {
  ASSERT_TRUE(RegisterHotKey(nullptr, 0xBFFE, kAction1.modifiers, kAction1.virtualKey));
  registry_.RegisterAll();
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].title, L"Hotkey konnte nicht registriert werden");
  const HotkeyText blanked = ReadHotkey(settings_, BindingOf(1));
  EXPECT_EQ(blanked.a + blanked.b + blanked.c, "");
  EXPECT_TRUE(Taken(kAction20));
  registry_.UnregisterAll();
  registry_.RegisterAll();
  EXPECT_EQ(messages_.shown.size(), 1u);
  UnregisterHotKey(nullptr, 0xBFFE);
  registry_.UnregisterAll();
}

}  // namespace
}  // namespace qm
