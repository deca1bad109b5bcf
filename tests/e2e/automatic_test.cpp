// Automatic saving: the program in the clipboard-viewer chain, fed by another program
// changing the clipboard.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/e2e/support/clipboard.h"
#include "tests/e2e/support/saved_files.h"
#include "tests/e2e/support/scenario.h"
#include "tests/e2e/support/wait.h"

namespace qm::e2e {

namespace {

// The program joins the viewer chain after the test's own viewer, so every change
// notice reaches the program first and the test's viewer only when the program passes
// it on, which it does once it has handled (saved) the change. Waiting for that keeps
// each change apart: a viewer reads the clipboard when it handles the notice, so
// changes made faster than that would all read as the last one.
class AutomaticScenario : public ResidentScenario {
 protected:
  void SetUp() override {
    ResidentScenario::SetUp();
    EnableAutomaticSaving(folder_);
  }

  void ChangeClipboardAndWaitForTheProgram(const std::function<void()>& change) {
    const int before = viewer_.Notifications();
    change();
    ASSERT_TRUE(WaitUntil([&] { return viewer_.Notifications() > before; }))
        << "the program did not pass the change on";
  }

  void CopyText(const std::string& text) {
    ChangeClipboardAndWaitForTheProgram([&] { PutTextOnClipboard(text); });
  }

  void CopySecret(const std::string& text) {
    ChangeClipboardAndWaitForTheProgram([&] { PutSecretOnClipboard(text); });
  }

  TestClipboardViewer viewer_;
};

TEST_F(AutomaticScenario, SavesEachLaterChangeOnceButNotWhatWasThereAtStart) {
  PutTextOnClipboard("Schon vor dem Start da");
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  std::string expected;
  for (const char* text : {"Erste \xC4nderung", "Zweite \xC4nderung", "Zweite \xC4nderung"}) {
    ASSERT_NO_FATAL_FAILURE(CopyText(text));
    expected += SavedEntry(text);
  }
  EXPECT_EQ(FileBytes(SavedFile(kNotizen)), expected);
}

// Password managers mark what they copy; which marks count is the clipboard watch's
// own test's business, here only that a marked copy leaves no trace in the file.
TEST_F(AutomaticScenario, LeavesMarkedSecretsUnsaved) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ASSERT_NO_FATAL_FAILURE(CopySecret("Geheim"));
  ASSERT_NO_FATAL_FAILURE(CopyText("Ganz normal"));
  EXPECT_EQ(FileBytes(SavedFile(kNotizen)), SavedEntry("Ganz normal"));
}

}  // namespace

}  // namespace qm::e2e
