// What a start leaves in the settings file: the first start points the sample actions
// at the user's desktop, and every start notes the temporary folder. The start-up runs
// before the program waits for input, so it is complete once the program has started.
#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

#include <string>

#include "tests/e2e/support/scenario.h"

namespace qm::e2e {

namespace {

std::string DesktopFolder() {
  char path[MAX_PATH] = {};
  EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOP, nullptr, SHGFP_TYPE_CURRENT, path), S_OK);
  return path;
}

std::string TemporaryFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof path, path);
  EXPECT_GT(length, 0u) << GetLastError();
  return std::string(path, length);
}

using StartScenario = ResidentScenario;

TEST_F(StartScenario, FirstStartPointsTheSampleActionsAtTheDesktop) {
  folder_.Set("Start", "Splash", "1");
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  EXPECT_EQ(folder_.Get("Start", "Splash"), "0");
  EXPECT_EQ(folder_.Get("Aktion1", "Speicherpfad"), DesktopFolder());
  EXPECT_EQ(folder_.Get("Aktion2", "Speicherpfad"), DesktopFolder());
  EXPECT_EQ(folder_.Get("Aktion4", "Speicherpfad"), folder_.SaveFolder());
}

TEST_F(StartScenario, EveryStartNotesTheTemporaryFolder) {
  folder_.Set("Start", "TempPfad", "C:\\Alt\\");
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  EXPECT_EQ(folder_.Get("Start", "TempPfad"), TemporaryFolder());
  EXPECT_EQ(folder_.Get("Start", "Splash"), "0");
  EXPECT_EQ(folder_.Get("Aktion1", "Speicherpfad"), folder_.SaveFolder());
}

}  // namespace

}  // namespace qm::e2e
