#include "save/save_adapters_win.h"

#include <gtest/gtest.h>

#include "tests/win/support/test_files.h"
#include "tests/win/support/today.h"

namespace qm {
namespace {

using test::FolderEntries;
using test::ReadFileBytes;
using test::WriteFileBytes;

class WinSaveFilesTest : public ::testing::Test {
 protected:
  test::ScratchFolder folder;
  WinSaveFiles files;
  const TextEntry entry{" Kopf\r\n", "K\xF6rper\r\nzweite Zeile", "\r\n \r\n---\r\n"};
  const std::string entryBytes = " Kopf\r\nK\xF6rper\r\nzweite Zeile\r\n \r\n---\r\n";
};

TEST_F(WinSaveFilesTest, AppendEntryAddsHeadBodyAndTailAfterTheOldContents) {
  const std::string file = folder / "Notiz.txt";
  WriteFileBytes(file, "alt\r\n");
  EXPECT_EQ(files.AppendEntry(file, entry), std::nullopt);
  EXPECT_EQ(files.AppendEntry(file, entry), std::nullopt);
  EXPECT_EQ(ReadFileBytes(file), "alt\r\n" + entryBytes + entryBytes);
}

TEST_F(WinSaveFilesTest, AppendEntryCreatesAMissingFile) {
  const std::string file = folder / "neu.txt";
  EXPECT_EQ(files.AppendEntry(file, entry), std::nullopt);
  EXPECT_EQ(ReadFileBytes(file), entryBytes);
}

TEST_F(WinSaveFilesTest, AppendEntryToALockedFileFailsAndLeavesItUnchanged) {
  const std::string file = folder / "gesperrt.txt";
  WriteFileBytes(file, "alt\r\n");
  {
    const test::FileLock lock(file);
    const auto reason = files.AppendEntry(file, entry);
    ASSERT_TRUE(reason.has_value());
    EXPECT_NE(reason->find(L"Fehler 32"), std::wstring::npos) << reason->c_str();
  }
  EXPECT_EQ(ReadFileBytes(file), "alt\r\n");
}

TEST_F(WinSaveFilesTest, AppendEntryToAReadOnlyFileFailsAndLeavesItUnchanged) {
  const std::string file = folder / "schreibgeschuetzt.txt";
  WriteFileBytes(file, "alt\r\n");
  test::MakeReadOnly(file);
  if (!test::ReadOnlyIsEnforced(file)) GTEST_SKIP() << "read-only files are writable here (root)";
  const auto reason = files.AppendEntry(file, entry);
  ASSERT_TRUE(reason.has_value());
  EXPECT_NE(reason->find(L"Fehler 5"), std::wstring::npos) << reason->c_str();
  EXPECT_EQ(ReadFileBytes(file), "alt\r\n");
}

TEST_F(WinSaveFilesTest, AppendEntryUnderANameWindowsRefusesFailsWithoutAFile) {
  const auto reason = files.AppendEntry(folder / "a<b.txt", entry);
  ASSERT_TRUE(reason.has_value());
  EXPECT_FALSE(reason->empty());
  EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST_F(WinSaveFilesTest, AppendEntryInAMissingFolderFails) {
  EXPECT_TRUE(files.AppendEntry(folder / "fehlt\\Notiz.txt", entry).has_value());
  EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST_F(WinSaveFilesTest, CreateFolderWithOrWithoutAnExistingTemplate) {
  EXPECT_EQ(files.CreateFolder(folder / "mit Vorlage\\", folder.Path()), std::nullopt);
  EXPECT_EQ(files.CreateFolder(folder / "ohne Vorlage\\", folder / "fehlt"), std::nullopt);
  EXPECT_EQ(files.CreateFolder(folder / "leere Vorlage", ""), std::nullopt);
  EXPECT_EQ(FolderEntries(folder.Path()),
            (std::vector<std::string>{"leere Vorlage", "mit Vorlage", "ohne Vorlage"}));
}

TEST_F(WinSaveFilesTest, CreateFolderThatExistsOrCannotBeMadeGivesTheReason) {
  const auto exists = files.CreateFolder(folder.Path(), "");
  ASSERT_TRUE(exists.has_value());
  EXPECT_NE(exists->find(L"Fehler 183"), std::wstring::npos) << exists->c_str();
  EXPECT_TRUE(files.CreateFolder(folder / "fehlt\\tiefer", "").has_value());
}

TEST(WinSaveSourcesTest, NowTextIsTheLocalesShortDateABlankAndTheTime) {
  WinSaveSources sources(nullptr, [] { return false; });
  const std::string before = test::ShortDateToday();
  const std::string now = sources.NowText();
  const std::string after = test::ShortDateToday();
  if (now == after) return;  // exactly midnight: the date alone
  // A run across midnight may see either day.
  const std::string& date = now.starts_with(before + " ") ? before : after;
  ASSERT_TRUE(now.starts_with(date + " ")) << now << " vs " << date;
  EXPECT_GT(now.size(), date.size() + 1) << now;
}

}  // namespace
}  // namespace qm
