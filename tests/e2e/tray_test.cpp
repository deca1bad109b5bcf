// The tray icon and its menu, driven as the shell drives them: the icon's callback
// message for clicks, the popup menu answered with the keyboard.
#include "tests/e2e/support/tray.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "tests/e2e/support/clipboard.h"
#include "tests/e2e/support/desktop.h"
#include "tests/e2e/support/saved_files.h"
#include "tests/e2e/support/scenario.h"
#include "tests/e2e/support/user_input.h"
#include "tests/e2e/support/wait.h"

namespace qm::e2e {

namespace {

using ::testing::Contains;

using TrayScenario = ResidentScenario;

// After a restart of the shell the tray is empty, and the shell broadcasts the
// registered message "TaskbarCreated"; the program puts its icon back.
TEST_F(TrayScenario, IconComesBackWhenTheTaskbarIsCreatedAnew) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = program_->Window();
  record.uID = kTrayIconId;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &record)) << "cannot take the icon away";
  const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  ASSERT_NE(taskbarCreated, 0u) << GetLastError();
  ASSERT_TRUE(PostMessageW(program_->Window(), taskbarCreated, 0, 0)) << GetLastError();
  EXPECT_TRUE(WaitUntil([&] { return ShellKnowsIcon(program_->Window(), kTrayIconId); }));
  EXPECT_THAT(TrayTooltips(), Contains(std::wstring(L"Quillmar 2.0 - Notizen ")));
}

// The Standard action saves into one file, shown by the icon file "gleichedatei.ico".
TEST_F(TrayScenario, MissingIconFileIsReportedAndTheIconStays) {
  const std::string iconFile = folder_.Path() + "\\Icons\\gleichedatei.ico";
  ASSERT_TRUE(DeleteFileA(iconFile.c_str())) << iconFile << ": " << GetLastError();
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  HWND box = WaitForMessageBox(program_->ProcessId(), kPatienceMs);
  ASSERT_NE(box, nullptr) << "the missing icon file was not reported";
  AnswerMessageBox(box, IDOK);
  EXPECT_TRUE(ShellKnowsIcon(program_->Window(), kTrayIconId));
}

TEST_F(TrayScenario, LeftClickSavesTheClipboardWithTheStandardAction) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  PutTextOnClipboard("Erster Klick \xE4\xF6\xFC");
  program_->PostTrayEvent(WM_LBUTTONUP);
  ExpectFileSoonHolds(SavedFile(kNotizen), SavedEntry("Erster Klick \xE4\xF6\xFC"));

  PutTextOnClipboard("Zweiter Klick\r\nmit zwei Zeilen");
  program_->PostTrayEvent(WM_LBUTTONUP);
  ExpectFileSoonHolds(SavedFile(kNotizen), SavedEntry("Erster Klick \xE4\xF6\xFC") +
                                               SavedEntry("Zweiter Klick\r\nmit zwei Zeilen"));
  EXPECT_FALSE(FileBytes(SavedFile(kZweitens)).has_value());
}

// With no action marked "(Standard)" a click and the Standard hotkey save nothing, and
// the program goes on; the save of a later hotkey shows that both were handled.
TEST_F(TrayScenario, WithoutAStandardActionAClickSavesNothing) {
  folder_.Set("Aktion1", "Name", kNotizen.name);
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  PutTextOnClipboard("Wohin damit?");
  program_->PostTrayEvent(WM_LBUTTONUP);
  PressHotkey({VK_CONTROL, VK_MENU}, kStandardKey);
  PressHotkey({VK_CONTROL, VK_MENU}, kZweitensKey);
  ExpectFileSoonHolds(SavedFile(kZweitens), SavedEntry("Wohin damit?"));
  EXPECT_EQ(test::FolderEntries(folder_.SaveFolder()), std::vector<std::string>{kZweitens.file});
}

// The disabled third action is not listed, so the third entry is the fourth action.
TEST_F(TrayScenario, MenuListsTheEnabledActionsInOrderAndEachPickSaves) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  int position = 0;
  for (const TestAction& action : {kNotizen, kZweitens, kViertens}) {
    SCOPED_TRACE(action.name);
    const std::string text = std::string("Aus dem Men\xFC: ") + action.name;
    PutTextOnClipboard(text);
    PickMenuItem(++position);
    ExpectFileSoonHolds(SavedFile(action), SavedEntry(text));
  }
  EXPECT_FALSE(FileBytes(SavedFile(kDrittens)).has_value());
}

TEST_F(TrayScenario, AlsStandardMakesThePickedActionTheStandardAction) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ASSERT_NO_FATAL_FAILURE(OpenTrayMenu());
  PressKeys({'S'});  // opens "Als &Standard" with its first action selected
  PressKeys({VK_DOWN, VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return folder_.Get("Aktion2", "Name") == "Zweitens (Standard)"; }))
      << "Aktion2/Name is " << folder_.Get("Aktion2", "Name");

  PutTextOnClipboard("Jetzt mit Zweitens");
  program_->PostTrayEvent(WM_LBUTTONUP);
  ExpectFileSoonHolds(SavedFile(kZweitens), SavedEntry("Jetzt mit Zweitens"));
  EXPECT_THAT(TrayTooltips(), Contains(std::wstring(L"Quillmar 2.0 - Zweitens ")));
}

TEST_F(TrayScenario, AutomatischSichernFromTheMenuSavesTheNextChange) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  PickMenuEntry('A');
  ASSERT_TRUE(WaitUntil([&] { return GetClipboardViewer() == program_->Window(); }))
      << "the program did not join the clipboard-viewer chain";
  EXPECT_EQ(folder_.Get("Optionen", "AutomatischSichern"), "ja");
  PutTextOnClipboard("Automatisch gespeichert");
  ExpectFileSoonHolds(SavedFile(kNotizen), SavedEntry("Automatisch gespeichert"));
}

}  // namespace

}  // namespace qm::e2e
