#include <gtest/gtest.h>

#include "settings/file_helpers_win.h"
#include "settings/settings_file_win.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

TEST(SettingsWin, ValuesAreReadInto127BytesAndKeepTheirAnsiBytes) {
  const test::ScratchFolder folder;
  const std::string ini = folder / "einstellungen20.ini";
  std::string longValue;
  for (int i = 0; i < 200; ++i) longValue += static_cast<char>('0' + i % 10);
  WriteSetting("Aktion1", "Speicherpfad", longValue, ini);
  WriteSetting("Aktion1", "Name", "\xC4rger f\xFCr gro\xDF", ini);
  EXPECT_EQ(ReadSetting("Aktion1", "Speicherpfad", ini, "-"), longValue.substr(0, 126));
  EXPECT_EQ(ReadSetting("Aktion1", "Name", ini, "-"), "\xC4rger f\xFCr gro\xDF");
}

TEST(SettingsWin, ADriveLetterAloneNamesTheDriveRoot) {
  for (const char* drive : {"c", "C:", "c:\\"}) EXPECT_TRUE(FolderExists(drive)) << drive;
  EXPECT_FALSE(FolderExists(""));
}

}  // namespace
}  // namespace qm
