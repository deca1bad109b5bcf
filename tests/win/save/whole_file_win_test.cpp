#include "save/whole_file_win.h"

#include <gtest/gtest.h>

#include "tests/win/support/test_files.h"

namespace qm {
namespace {

using test::FolderEntries;
using test::ReadFileBytes;
using test::WriteFileBytes;

class WholeFileTest : public ::testing::Test {
 protected:
  test::ScratchFolder folder;
  const std::string document = folder / "Sammlung.html";
  const std::string oldBytes = "<p>alt</p>\r\n";
  const std::string newBytes = std::string("neu\0mit Null und \xE4\r\n", 21) + std::string(70000, 'x');
};

TEST_F(WholeFileTest, ReplaceCreatesAMissingFile) {
  EXPECT_EQ(ReplaceWholeFile(document, newBytes), std::nullopt);
  EXPECT_EQ(ReadFileBytes(document), newBytes);
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Sammlung.html"});
}

TEST_F(WholeFileTest, ReplacePutsTheNewBytesInPlaceWithoutLeavingAnythingBehind) {
  WriteFileBytes(document, oldBytes);
  EXPECT_EQ(ReplaceWholeFile(document, newBytes), std::nullopt);
  EXPECT_EQ(ReadFileBytes(document), newBytes);
  EXPECT_EQ(ReplaceWholeFile(document, ""), std::nullopt);
  EXPECT_EQ(ReadFileBytes(document), "");
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Sammlung.html"});
}

// An editor or viewer that holds the document open without letting it be deleted: the
// document cannot be replaced, and must come out of the attempt unchanged.
TEST_F(WholeFileTest, ReplaceOfAnOpenDocumentFailsAndLeavesItUnchanged) {
  WriteFileBytes(document, oldBytes);
  {
    const test::FileLock lock(document);
    const auto reason = ReplaceWholeFile(document, newBytes);
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
  }
  EXPECT_EQ(ReadFileBytes(document), oldBytes);
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Sammlung.html"});
}

TEST_F(WholeFileTest, ReplaceInAMissingFolderFails) {
  EXPECT_TRUE(ReplaceWholeFile(folder / "fehlt\\Sammlung.html", newBytes).has_value());
  EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST_F(WholeFileTest, ReadGivesEveryByteEvenWhileAnotherProgramHoldsTheFile) {
  WriteFileBytes(document, newBytes);
  const test::FileLock lock(document);
  std::string bytes = "vorher";
  EXPECT_EQ(ReadWholeFile(document, bytes), std::nullopt);
  EXPECT_EQ(bytes, newBytes);
}

TEST_F(WholeFileTest, ReadOfAMissingFileGivesTheReason) {
  std::string bytes;
  const auto reason = ReadWholeFile(folder / "fehlt.html", bytes);
  ASSERT_TRUE(reason.has_value());
  EXPECT_NE(reason->find(L"Fehler 2"), std::wstring::npos) << reason->c_str();
}

}  // namespace
}  // namespace qm
