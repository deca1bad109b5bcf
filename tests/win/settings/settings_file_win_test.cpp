#include "settings/settings_file_win.h"

#include <gtest/gtest.h>

#include "settings/file_helpers_win.h"
#include "tests/win/support/test_files.h"

namespace qm {
namespace {

using test::ScratchFolder;
using test::WriteFileBytes;

const std::string kMissing(kMissingEntry);

class SettingsFileWin : public ::testing::Test {
 protected:
  ScratchFolder folder;
  const std::string ini = folder / "einstellungen20.ini";
};

TEST_F(SettingsFileWin, MissingKeySectionOrFileReadsAsThePassedDefault) {
  WriteFileBytes(ini, "[Optionen]\r\nBeep=ja\r\n");
  EXPECT_EQ(ReadSetting("Optionen", "Autostart", ini, kMissing), "Kein Eintrag gefunden!");
  EXPECT_EQ(ReadSetting("Aktion7", "Beep", ini, kMissing), kMissing);
  EXPECT_EQ(ReadSetting("Optionen", "Beep", folder / "fehlt.ini", "anders"), "anders");
}

TEST_F(SettingsFileWin, PresentButEmptyValueReadsEmptyNotTheDefault) {
  WriteFileBytes(ini, "[Start]\r\nTempPfad=\r\nZielordner= \r\n");
  EXPECT_EQ(ReadSetting("Start", "TempPfad", ini, kMissing), "");
  EXPECT_EQ(ReadSetting("Start", "Zielordner", ini, kMissing), "");
}

TEST_F(SettingsFileWin, LongValueIsCutTo126Characters) {
  std::string value;
  for (int i = 0; i < 200; ++i) value += static_cast<char>('0' + i % 10);
  WriteFileBytes(ini, "[Aktion1]\r\nSpeicherpfad=" + value + "\r\n");
  EXPECT_EQ(ReadSetting("Aktion1", "Speicherpfad", ini, kMissing), value.substr(0, 126));
}

TEST_F(SettingsFileWin, SectionAndKeyNamesIgnoreCase) {
  WriteFileBytes(ini, "[AKTION1]\r\nURL=ja\r\n");
  EXPECT_EQ(ReadSetting("Aktion1", "Url", ini, kMissing), "ja");
  WriteSetting("aktion1", "url", "nein", ini);
  EXPECT_EQ(ReadSetting("Aktion1", "URL", ini, kMissing), "nein");
}

TEST_F(SettingsFileWin, WrittenValuesReadBackUnchanged) {
  const std::string ansiValue = "C:\\Texte \xC4rger f\xFCr gro\xDF und klein";
  WriteSetting("Aktion3", "Speicherpfad", ansiValue, ini);
  WriteSetting("Aktion3", "Dateiname", "alt", ini);
  WriteSetting("Aktion3", "Dateiname", "neu", ini);
  EXPECT_EQ(ReadSetting("Aktion3", "Speicherpfad", ini, kMissing), ansiValue);
  EXPECT_EQ(ReadSetting("Aktion3", "Dateiname", ini, kMissing), "neu");
}

TEST(ProfileSettingsWin, ProgramFolderIsTheFolderOfTheRunningProgram) {
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_EQ(FileState(folder + "\\qm_win_tests.exe"), 1);
}

TEST(ProfileSettingsWin, ReadsAndWritesTheSettingsFileInTheProgramFolder) {
  const test::ProgramSettingsFile file("[Start]\r\nSplash=1\r\n");
  ProfileSettings settings;
  EXPECT_EQ(settings.Read("Start", "Splash"), "1");
  EXPECT_EQ(settings.Read("Start", "ZipVersion"), kMissing);
  EXPECT_EQ(ProfileSettings("Fehlt").Read("Start", "ZipVersion"), "Fehlt");

  settings.Write("Start", "Splash", "0");
  EXPECT_EQ(ReadSetting("Start", "Splash", ProgramFolder() + "\\einstellungen20.ini", kMissing),
            "0");
}

}  // namespace
}  // namespace qm
