#include "resident/tray_icon_win.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "resident/tray_rules.h"
#include "settings/ansi_text.h"
#include "settings/settings_file_win.h"
#include "tests/win/support/hidden_window.h"
#include "tests/support/save_recorders.h"

namespace qm {
namespace {

using ::testing::HasSubstr;

// The program folder the build writes, with the delivered icons.
std::string DeliveredFolder() { return ProgramFolder() + "\\dist"; }

// Whether the shell has an icon of the window with our id: only a held icon can be
// modified.
bool ShellHoldsIcon(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = kTrayIconId;
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

void DeleteBehindTheIconsBack(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = kTrayIconId;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &record));
}

HICON WindowIcon(HWND window, WPARAM which) {
  return reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
}

class TrayIconTest : public ::testing::Test {
 protected:
  void SetIconsOf(const std::string& aktion) {
    const IconFiles files = IconFilesFor(aktion);
    tray.SetIcons(DeliveredFolder() + files.tray, DeliveredFolder() + files.window);
  }

  test::HiddenWindow window;
  test::RecordingMessageBoxes boxes;
  TrayIcon tray{window.Handle(), boxes};
};

TEST_F(TrayIconTest, AddPutsTheIconIntoTheTrayAndRemoveTakesItOut) {
  ASSERT_TRUE(tray.Add()) << "Shell_NotifyIconW(NIM_ADD) failed on this display";
  EXPECT_TRUE(ShellHoldsIcon(window.Handle()));
  EXPECT_NE(tray.TrayPicture(), nullptr) << "the tray starts with the program's own icon";
  EXPECT_TRUE(tray.Remove());
  EXPECT_FALSE(ShellHoldsIcon(window.Handle()));
}

TEST_F(TrayIconTest, ReAddBringsBackAnIconTheTaskbarLost) {
  ASSERT_TRUE(tray.Add());
  DeleteBehindTheIconsBack(window.Handle());
  ASSERT_FALSE(ShellHoldsIcon(window.Handle()));
  EXPECT_TRUE(tray.ReAdd());
  EXPECT_TRUE(ShellHoldsIcon(window.Handle()));
  EXPECT_TRUE(tray.ReAdd()) << "an icon the shell still holds is kept";
  EXPECT_TRUE(ShellHoldsIcon(window.Handle()));
}

TEST_F(TrayIconTest, ReAddAfterRemoveLeavesTheTrayEmpty) {
  ASSERT_TRUE(tray.Add());
  tray.Remove();
  EXPECT_FALSE(tray.ReAdd());
  EXPECT_FALSE(ShellHoldsIcon(window.Handle()));
}

TEST_F(TrayIconTest, TipAndIconsChangeWhileTheIconStays) {
  ASSERT_TRUE(tray.Add());
  tray.SetTip(TrayTip("Notizen "));
  for (const char* aktion : {"gleichedatei", "extradatei", "bilder", "dateiundordner4", "extradatei4"}) {
    const HICON before = tray.TrayPicture();
    const HICON bigBefore = WindowIcon(window.Handle(), ICON_BIG);
    SetIconsOf(aktion);
    EXPECT_NE(tray.TrayPicture(), before) << aktion;
    EXPECT_NE(WindowIcon(window.Handle(), ICON_BIG), bigBefore) << aktion;
    EXPECT_NE(WindowIcon(window.Handle(), ICON_SMALL), nullptr) << aktion;
    EXPECT_TRUE(ShellHoldsIcon(window.Handle())) << aktion;
  }
  EXPECT_THAT(boxes.shown, ::testing::IsEmpty()) << "every delivered icon file loads";
}

TEST_F(TrayIconTest, MissingTrayFileKeepsThePictureAndReportsTheFile) {
  ASSERT_TRUE(tray.Add());
  SetIconsOf("bilder");
  const HICON picture = tray.TrayPicture();
  const std::string missing = DeliveredFolder() + "\\Icons\\fehlt.ico";

  tray.SetIcons(missing, DeliveredFolder() + IconFilesFor("gleichedatei").window);

  EXPECT_EQ(tray.TrayPicture(), picture);
  EXPECT_TRUE(ShellHoldsIcon(window.Handle())) << "the program is never left without its icon";
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, L"Quillmar 2.0 Fehler");
  EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Critical);
  EXPECT_THAT(boxes.shown[0].text, HasSubstr(WidenAnsi(missing)));
}

TEST_F(TrayIconTest, MissingWindowFileKeepsTheWindowIcon) {
  SetIconsOf("bilder");
  const HICON big = WindowIcon(window.Handle(), ICON_BIG);
  const HICON small = WindowIcon(window.Handle(), ICON_SMALL);
  const std::string missing = DeliveredFolder() + "\\Icons\\fehlt2.ico";

  tray.SetIcons(DeliveredFolder() + IconFilesFor("extradatei").tray, missing);

  EXPECT_EQ(WindowIcon(window.Handle(), ICON_BIG), big);
  EXPECT_EQ(WindowIcon(window.Handle(), ICON_SMALL), small);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_THAT(boxes.shown[0].text, HasSubstr(WidenAnsi(missing)));
}

TEST(ProgramIconTest, TheProgramCarriesItsIconInBothSizes) {
  const std::wstring program = WidenAnsi(DeliveredFolder() + "\\Quillmar2.0.exe");
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr) << "cannot open " << DeliveredFolder() << "\\Quillmar2.0.exe: " << GetLastError();
  for (int size : {16, 32}) {
    HANDLE icon = LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0);
    EXPECT_NE(icon, nullptr) << size;
    if (icon) DestroyIcon(static_cast<HICON>(icon));
  }
  FreeLibrary(module);
}

}  // namespace
}  // namespace qm
