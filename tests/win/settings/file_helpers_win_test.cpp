#include "settings/file_helpers_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win/support/test_files.h"

namespace qm {
namespace {

using test::ScratchFolder;
using test::WriteFileBytes;

TEST(FolderExistsWin, DriveLetterAloneOrWithColonMeansTheDriveRoot) {
  for (const char* drive : {"c", "C", "c:", "C:", "c:\\"}) {
    EXPECT_TRUE(FolderExists(drive)) << drive;
  }
  EXPECT_FALSE(FolderExists(""));
}

TEST(FolderExistsWin, TrueForExistingFoldersAndFilesOnly) {
  const ScratchFolder folder;
  WriteFileBytes(folder / "a.txt", "x");
  EXPECT_TRUE(FolderExists(folder.Path()));
  EXPECT_TRUE(FolderExists(folder.Path() + "\\"));
  EXPECT_TRUE(FolderExists(folder / "a.txt"));
  EXPECT_FALSE(FolderExists(folder / "fehlt"));
  EXPECT_FALSE(FolderExists(folder / "fehlt\\tiefer"));
}

TEST(FileStateWin, TellsMissingEmptyAndFilledFiles) {
  const ScratchFolder folder;
  WriteFileBytes(folder / "leer.txt", "");
  WriteFileBytes(folder / "voll.txt", "\r\n");
  EXPECT_EQ(FileState(folder / "fehlt.txt"), -1);
  EXPECT_EQ(FileState(folder / "fehlt\\a.txt"), -1);
  EXPECT_EQ(FileState(folder / "leer.txt"), 0);
  EXPECT_EQ(FileState(folder / "voll.txt"), 1);
}

void ExpectExistingFolderWithoutTrailingBackslash(const std::string& path) {
  ASSERT_FALSE(path.empty());
  EXPECT_NE(path.back(), '\\') << path;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << path;
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << path;
}

TEST(SpecialFolderWin, DesktopAndStartupAreExistingFolders) {
  ExpectExistingFolderWithoutTrailingBackslash(SpecialFolder(kDesktopFolder, false));
  ExpectExistingFolderWithoutTrailingBackslash(SpecialFolder(kStartupFolder, true));
}

}  // namespace
}  // namespace qm
