// "&Beenden": the program ends and gives back what it held, the tray icon, its place in
// the clipboard-viewer chain and its hotkeys, so that other programs work on as before.
// Wine itself drops the tray icon and the hotkeys of a window that is destroyed, so
// those checks hold for any ending; the chain stays whole only when the program leaves
// it properly, because Wine then forgets the rest of the chain.
#include <gtest/gtest.h>

#include <optional>

#include "tests/e2e/support/clipboard.h"
#include "tests/e2e/support/saved_files.h"
#include "tests/e2e/support/scenario.h"
#include "tests/e2e/support/tray.h"
#include "tests/e2e/support/wait.h"

namespace qm::e2e {

namespace {

// Whether another program could register Ctrl+Alt+key now.
bool HotkeyIsFree(WORD key) {
  constexpr int kProbeId = 0x7000;
  if (!RegisterHotKey(nullptr, kProbeId, MOD_CONTROL | MOD_ALT, key)) return false;
  UnregisterHotKey(nullptr, kProbeId);
  return true;
}

class ShutdownScenario : public ResidentScenario {
 protected:
  void SetUp() override {
    ResidentScenario::SetUp();
    EnableAutomaticSaving(folder_);
  }

  // A change of the clipboard reaches `viewer`.
  static void ExpectChangeReaches(const TestClipboardViewer& viewer, const std::string& text) {
    const int before = viewer.Notifications();
    PutTextOnClipboard(text);
    EXPECT_TRUE(WaitUntil([&] { return viewer.Notifications() > before; }))
        << "the other viewer was not told about \"" << text << "\"";
  }
};

TEST_F(ShutdownScenario, BeendenEndsTheProgramAndGivesBackWhatItHeld) {
  TestClipboardViewer otherViewer;  // in the chain before the program joins it
  const size_t iconsBefore = TrayIconWindows().size();
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  const HWND window = program_->Window();
  ASSERT_TRUE(ShellKnowsIcon(window, kTrayIconId));
  EXPECT_EQ(TrayIconWindows().size(), iconsBefore + 1);
  for (WORD key : {kNotizenKey, kZweitensKey, kStandardKey, kAutomaticKey}) {
    EXPECT_FALSE(HotkeyIsFree(key)) << "Ctrl+Alt+" << static_cast<char>(key) << " not taken";
  }
  ExpectChangeReaches(otherViewer, "Im Betrieb");
  ExpectFileSoonHolds(SavedFile(kNotizen), SavedEntry("Im Betrieb"));

  ASSERT_NO_FATAL_FAILURE(PickMenuEntry('B'));  // "&Beenden"
  const std::optional<DWORD> exitCode = program_->WaitForExit(kPatienceMs);
  ASSERT_TRUE(exitCode.has_value()) << "the program still runs after \"&Beenden\"";
  EXPECT_EQ(*exitCode, 0u);

  EXPECT_FALSE(ShellKnowsIcon(window, kTrayIconId)) << "the tray icon is left behind";
  EXPECT_TRUE(WaitUntil([&] { return TrayIconWindows().size() == iconsBefore; }));
  for (WORD key : {kNotizenKey, kZweitensKey, kStandardKey, kAutomaticKey}) {
    EXPECT_TRUE(HotkeyIsFree(key)) << "Ctrl+Alt+" << static_cast<char>(key) << " still taken";
  }
  ExpectChangeReaches(otherViewer, "Nach dem Ende");
  EXPECT_EQ(FileBytes(SavedFile(kNotizen)), SavedEntry("Im Betrieb"));
}

}  // namespace

}  // namespace qm::e2e
