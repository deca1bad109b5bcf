// What only real files show: copies that never replace, a replace that a reader never
// sees half done, names the system refuses.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "save/save_adapters_win.h"
#include "save/whole_file_win.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

using test::FolderEntries;
using test::ReadFileBytes;
using test::WriteFileBytes;

class FilesWin : public ::testing::Test {
 protected:
  test::ScratchFolder folder;
  WinSaveFiles files;
  const TextEntry entry{"", "Text", "\r\n"};
};

TEST_F(FilesWin, CopyNeverReplacesAnExistingFile) {
  WriteFileBytes(folder / "neu.jpg", "neu");
  WriteFileBytes(folder / "alt.jpg", "alt");
  EXPECT_TRUE(files.CopyFileTo(folder / "neu.jpg", folder / "alt.jpg").has_value());
  EXPECT_EQ(ReadFileBytes(folder / "alt.jpg"), "alt");
}

// Whoever looks at the document while it is replaced sees the old one or the whole new
// one, never a shortened or missing file: the bytes go to a new file moved over it.
TEST_F(FilesWin, ReplaceNeverShowsAPartialDocument) {
  const std::string document = folder / "Sammlung.html";
  const std::string newBytes(8 << 20, 'x');
  WriteFileBytes(document, "alt");
  std::atomic<bool> done{false};
  std::atomic<bool> partial{false};
  std::thread watcher([&] {
    WIN32_FILE_ATTRIBUTE_DATA data;
    while (!done) {
      const bool found = GetFileAttributesExA(document.c_str(), GetFileExInfoStandard, &data);
      partial = partial || !found || (data.nFileSizeLow != 3 && data.nFileSizeLow != newBytes.size());
    }
  });
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(ReplaceWholeFile(document, newBytes), std::nullopt);
    EXPECT_EQ(ReplaceWholeFile(document, "alt"), std::nullopt);
  }
  done = true;
  watcher.join();
  EXPECT_FALSE(partial);
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Sammlung.html"});
}

TEST_F(FilesWin, RefusedNamesAndMissingFoldersFailWithoutLeavingAFile) {
  for (const char* name : {"a<b.txt", "a?.html", "fehlt\\Notiz.txt"}) {
    EXPECT_TRUE(files.AppendEntry(folder / name, entry).has_value()) << name;
    EXPECT_TRUE(ReplaceWholeFile(folder / name, "x").has_value()) << name;
  }
  EXPECT_TRUE(files.CreateFolder(folder / "fehlt\\tiefer", "").has_value());
  EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

}  // namespace
}  // namespace qm
