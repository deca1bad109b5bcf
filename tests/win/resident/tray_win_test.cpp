// The tray icon as the shell holds it and the popup menu as the system runs it. These
// tests wait on the X server (Wine's systray), so they alone carry the label "tray".
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "resident/tray_icon_win.h"
#include "resident/tray_menu_win.h"
#include "resident/tray_rules.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

struct TrayWin : ::testing::Test {
  ~TrayWin() override { DestroyWindow(window); }
  HWND window = CreateWindowExW(0, L"STATIC", L"Quillmar", WS_OVERLAPPEDWINDOW, 0, 0, 9, 9, nullptr,
                                nullptr, nullptr, nullptr);
  test::RecordingMessageBoxes boxes;
};

TEST_F(TrayWin, TheIconComesBackAfterTheTaskbarLostItButNotAfterRemove) {
  TrayIcon tray(window, boxes);
  ASSERT_TRUE(tray.Add());
  ASSERT_TRUE(test::NotifyIcon(NIM_DELETE, window));
  EXPECT_TRUE(tray.ReAdd());
  EXPECT_TRUE(test::NotifyIcon(NIM_MODIFY, window));
  EXPECT_TRUE(tray.Remove());
  EXPECT_FALSE(tray.ReAdd());
  EXPECT_FALSE(test::NotifyIcon(NIM_MODIFY, window));
}

// The menu runs its own message loop; a timer of the test thread acts while it is open.
std::function<void()> gWhileOpen;

void CALLBACK ActWhileOpen(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  gWhileOpen();
}

TEST_F(TrayWin, APickReachesTheOwnerAndARefillWaitsUntilTheMenuClosed) {
  TrayMenu menu;
  TrayMenuModel oneAction;
  oneAction.befehl[4] = {true, "B\xFCro & Haus", false};
  ASSERT_TRUE(menu.Fill(oneAction));
  const HMENU open = menu.Handle();
  gWhileOpen = [&] {
    EXPECT_TRUE(menu.Fill(TrayMenuModel{}));
    EXPECT_EQ(GetMenuItemCount(open), 5) << "the open menu was changed under the mouse";
    for (const WPARAM key : {VK_DOWN, VK_RETURN}) PostMessageW(window, WM_KEYDOWN, key, 0);
  };
  SetTimer(nullptr, 0, 200, ActWhileOpen);
  EXPECT_TRUE(menu.Popup(window));
  std::vector<MSG> left;
  MSG message;
  while (PeekMessageW(&message, window, 0, 0, PM_REMOVE)) {
    if (message.message == WM_COMMAND || message.message == kMenuClosedMessage)
      left.push_back(message);
  }
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(menu.Pick(LOWORD(left[0].wParam)), (MenuPick{MenuGroup::Befehl, 5}));
  EXPECT_EQ(left[1].message, kMenuClosedMessage);
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 4) << "the refill after closing";
}

}  // namespace
}  // namespace qm
