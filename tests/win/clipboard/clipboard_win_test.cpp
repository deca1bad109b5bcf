#include "clipboard/clipboard_win.h"

#include <gtest/gtest.h>

#include "tests/win/support/clipboard_helper.h"
#include "tests/win/support/test_files.h"

namespace qm {
namespace {

using test::SetClipboardFiles;
using test::SetClipboardText;

// Umlauts, the euro sign and a line break, in code page 1252.
const std::string kGermanText = "Gr\xFC\xDF aus K\xF6ln\r\n\xC4pfel f\xFCr 3 \x80";

TEST(ClipboardWin, TextIsReadWithTheExactBytesAnotherProgramSet) {
  SetClipboardText(kGermanText);
  EXPECT_EQ(ClipboardText(nullptr).ansi, kGermanText);
}

TEST(ClipboardWin, NoTextReadsEmpty) {
  test::SetClipboardBitmapOnly();
  EXPECT_EQ(ClipboardText(nullptr).ansi, "");
  test::EmptyClipboardElsewhere();
  EXPECT_EQ(ClipboardText(nullptr).ansi, "");
}

TEST(ClipboardWin, FormatTellsTextFromFileListsAndNeither) {
  const test::ScratchFolder folder;
  test::WriteFileBytes(folder / "bild.jpg", "jpg");

  SetClipboardText("Text");
  EXPECT_EQ(ClipboardFormat(nullptr), 1);
  SetClipboardFiles({folder / "bild.jpg"});
  EXPECT_EQ(ClipboardFormat(nullptr), 15);
  test::SetClipboardBitmapOnly();
  EXPECT_EQ(ClipboardFormat(nullptr), 0);
  test::EmptyClipboardElsewhere();
  EXPECT_EQ(ClipboardFormat(nullptr), 0);
}

TEST(ClipboardWin, FileNameOfOneDroppedFileIsItsFullPath) {
  const test::ScratchFolder folder;
  const std::string picture = folder / "Mein Bild \xE4.jpg";
  test::WriteFileBytes(picture, "jpg");
  SetClipboardFiles({picture});
  EXPECT_EQ(ClipboardFileName(nullptr), picture);
}

TEST(ClipboardWin, FileNameOfSeveralDroppedFilesIsEmpty) {
  const test::ScratchFolder folder;
  SetClipboardFiles({folder / "a.jpg", folder / "b.jpg", folder / "c.jpg"});
  EXPECT_EQ(ClipboardFileName(nullptr), "");
}

TEST(ClipboardWin, FileNameOfATextIsTheTextUnchanged) {
  SetClipboardText("file:///C:/Bilder/Mein%20Bild.jpg");
  EXPECT_EQ(ClipboardFileName(nullptr), "file:///C:/Bilder/Mein%20Bild.jpg");
  test::SetClipboardBitmapOnly();
  EXPECT_EQ(ClipboardFileName(nullptr), "");
}

TEST(ClipboardWin, ClipboardHeldBrieflyByAnotherProgramIsWaitedFor) {
  SetClipboardText(kGermanText);
  const test::ClipboardHolder holder(100);
  EXPECT_EQ(ClipboardText(nullptr).ansi, kGermanText);
}

TEST(ClipboardWin, ClipboardHeldLongByAnotherProgramReadsAsEmpty) {
  SetClipboardText(kGermanText);
  const test::ClipboardHolder holder(1000);
  EXPECT_EQ(ClipboardText(nullptr).ansi, "");
  EXPECT_EQ(ClipboardFormat(nullptr), 0);
  EXPECT_EQ(ClipboardFileName(nullptr), "");
}

}  // namespace
}  // namespace qm
