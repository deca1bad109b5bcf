#include <gtest/gtest.h>

#include "settings/settings_file_win.h"

TEST(SettingsFileWin, ProgramFolderHoldsTheSettingsFile) {
  EXPECT_EQ(qm::SettingsPath(), qm::ProgramFolder() + "\\einstellungen20.ini");
}
