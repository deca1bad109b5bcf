// The tray icon as the shell holds it, and the popup menu as the system runs it.
#include <gtest/gtest.h>

#include "resident/tray_icon_win.h"
#include "resident/tray_menu_win.h"
#include "resident/tray_rules.h"
#include "settings/settings_file_win.h"
#include "tests/support/save_recorders.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

// NIM_MODIFY without flags succeeds only for an icon the shell holds.
bool Shell(DWORD message, HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = kTrayIconId;
  return Shell_NotifyIconW(message, &record) != FALSE;
}

class TrayWin : public ::testing::Test {
 protected:
  ~TrayWin() override { DestroyWindow(window); }
  const std::string icons = ProgramFolder() + "\\dist";
  HWND window = CreateWindowExW(0, L"STATIC", L"Quillmar", WS_OVERLAPPEDWINDOW, 0, 0, 9, 9, nullptr,
                                nullptr, nullptr, nullptr);
  test::RecordingMessageBoxes boxes;
};

TEST_F(TrayWin, TheIconComesBackAfterTheTaskbarLostItButNotAfterRemove) {
  TrayIcon tray(window, boxes);
  ASSERT_TRUE(tray.Add());
  ASSERT_TRUE(Shell(NIM_DELETE, window));
  EXPECT_TRUE(tray.ReAdd());
  EXPECT_TRUE(Shell(NIM_MODIFY, window));
  EXPECT_TRUE(tray.Remove());
  EXPECT_FALSE(tray.ReAdd());
  EXPECT_FALSE(Shell(NIM_MODIFY, window));
}

TEST_F(TrayWin, AMissingIconFileIsReportedAndThePictureStays) {
  TrayIcon tray(window, boxes);
  ASSERT_TRUE(tray.Add());
  const IconFiles files = IconFilesFor("bilder");
  tray.SetIcons(icons + files.tray, icons + files.window);
  const HICON picture = tray.TrayPicture();
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(boxes.shown.empty()) << "the delivered icon files load";
  tray.SetIcons(icons + "\\Icons\\fehlt.ico", icons + files.window);
  EXPECT_EQ(tray.TrayPicture(), picture);
  EXPECT_TRUE(Shell(NIM_MODIFY, window));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, L"Quillmar 2.0 Fehler");
}

TrayMenuModel TwoActions() {
  TrayMenuModel model;
  for (const auto& [slot, name] : {std::pair<size_t, const char*>{1, "Notizen"}, {4, "B\xFCro & Haus"}}) {
    model.befehl[slot] = {true, name, slot == 1};
    model.standard[slot] = {true, name, slot == 1};
    model.zugriff[slot] = {true, name, false};
  }
  model.actionsShown = true;
  return model;
}

// The menu runs its own message loop; a timer of the test thread acts while it is open.
std::function<void()> gWhileOpen;

void CALLBACK ActWhileOpen(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  gWhileOpen();
}

std::vector<MSG> PopupAndAnswer(TrayMenu& menu, HWND owner, std::function<void()> whileOpen) {
  gWhileOpen = std::move(whileOpen);
  SetTimer(nullptr, 0, 200, ActWhileOpen);
  EXPECT_TRUE(menu.Popup(owner));
  std::vector<MSG> left;
  MSG message;
  while (PeekMessageW(&message, owner, 0, 0, PM_REMOVE)) {
    if (message.message == WM_COMMAND || message.message == kMenuClosedMessage) left.push_back(message);
  }
  return left;
}

TEST_F(TrayWin, APickReachesTheOwnerAndARefillWaitsUntilTheMenuClosed) {
  TrayMenu menu;
  ASSERT_TRUE(menu.Fill(TwoActions()));
  const HMENU open = menu.Handle();
  const std::vector<MSG> left = PopupAndAnswer(menu, window, [&] {
    EXPECT_TRUE(menu.Fill(TrayMenuModel{}));
    EXPECT_EQ(GetMenuItemCount(open), 9) << "the open menu was changed under the mouse";
    for (const WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(window, WM_KEYDOWN, key, 0);
  });
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(menu.Pick(LOWORD(left[0].wParam)), (MenuPick{MenuGroup::Befehl, 5}));
  EXPECT_EQ(left[1].message, kMenuClosedMessage);
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 4) << "the refill after closing";
}

}  // namespace
}  // namespace qm
