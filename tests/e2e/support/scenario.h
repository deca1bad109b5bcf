#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "tests/e2e/support/program_folder.h"
#include "tests/e2e/support/resident_program.h"
#include "tests/e2e/support/test_world.h"

namespace qm::e2e {

// One scenario: a fresh program folder with the prepared settings, which the test may
// change before it starts the program.
class ResidentScenario : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(PrepareSettings(folder_)); }

  // Starts the program; call it as ASSERT_NO_FATAL_FAILURE(StartProgram()), so that a
  // scenario stops when the program does not come up.
  void StartProgram() { program_ = std::make_unique<ResidentProgram>(folder_); }

  // The tray menu, opened with a right click on the icon and answered with the
  // keyboard as a user does.
  void OpenTrayMenu();
  // Picks the n-th item from the top with the arrow keys.
  void PickMenuItem(int n);
  // Picks an entry by its underlined letter.
  void PickMenuEntry(WORD letter);

  std::string SavedFile(const TestAction& action) const { return folder_.SavedFile(action.file); }

  ProgramFolder folder_;
  std::unique_ptr<ResidentProgram> program_;
};

}  // namespace qm::e2e
