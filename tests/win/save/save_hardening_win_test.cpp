// What other programs and killed saves can do to a save, under Wine: damaged file-drop
// lists on the real clipboard, Unicode text that the code page cannot hold, and
// temporary files left behind by a save that never finished.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "save/temporary_name.h"
#include "save/whole_file_win.h"
#include "tests/win/support/real_save.h"

namespace qm {
namespace {

using test::FolderEntries;
using test::ReadFileBytes;
using test::WriteFileBytes;

CurrentOptions HtmlOptions() {
  CurrentOptions options;
  options.txtSpeicherzeit = "1500";
  options.txtTextfarbe = "#000000";
  options.txtHintergrundfarbe = "#FFFFFF";
  options.txtLinks = "#0000FF";
  options.txtAlink = "#FF0000";
  options.txtVlink = "#800080";
  return options;
}

std::string Utf16Bytes(std::u16string_view text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

// A clipboard block exactly as another program leaves it, damaged or not.
void SetClipboardBlock(UINT format, const std::string& bytes) {
  const test::ScratchFolder folder;
  WriteFileBytes(folder / "block.bin", bytes);
  EXPECT_EQ(test::RunHelper({"block", std::to_string(format), folder / "block.bin"}), 0);
}

std::string DropFiles(DWORD namesAt, bool wide) {
  DROPFILES header{};
  header.pFiles = namesAt;
  header.fWide = wide;
  return std::string(reinterpret_cast<const char*>(&header), sizeof header);
}

class SaveHardeningWin : public test::RealSave {
 protected:
  SaveHardeningWin() : RealSave("[Zeichen]\r\nZeichen=\\/:*?\"<>|\r\n", HtmlOptions()) {}

  // A save of what another program left on the clipboard.
  void SaveClipboard() {
    WinSaveFiles files;
    WinSaveSources sources(nullptr, [] { return false; });
    SaveContext context{actions, options, settings, files, sources, messages, signals};
    Speichern(1, context);
  }
};

struct DropCase {
  const char* what;
  std::u16string name;  // of the picture, put into its folder first
  std::string block;    // the drop list, after its header
  DWORD namesAt;
  bool wide;
  const char* copy;  // the copy in the target folder, or nothing: "Keine Bilddatei"
};

TEST_F(SaveHardeningWin, DropListsAreReadWithinTheirBlockOrRefused) {
  const std::string pictures = folder / "Bilder";
  ASSERT_TRUE(CreateDirectoryA(pictures.c_str(), nullptr));
  const std::u16string widePictures(pictures.begin(), pictures.end());
  WriteFileBytes(pictures + "\\Lodz.png", "nur aehnlich");
  const DropCase cases[] = {
      {"names past the end of the block", u"", pictures + "\\Lodz.png" + std::string(2, '\0'),
       1u << 20, false, nullptr},
      {"a wide name in the code page", u"B\u00E4r.png",
       Utf16Bytes(widePictures + u"\\B\u00E4r.png" + std::u16string(2, u'\0')), 20, true,
       "B\xE4r.png"},
      {"a wide name the code page cannot spell", u"\u0141\u00F3d\u017A.png",
       Utf16Bytes(widePictures + u"\\\u0141\u00F3d\u017A.png" + std::u16string(2, u'\0')), 20,
       true, nullptr},
  };
  UseAction("bilder", "unbenutzt");
  for (const DropCase& row : cases) {
    // Made and removed by its wide name: the scratch folder's ANSI clean-up cannot spell it.
    const std::u16string picture = widePictures + u"\\" + row.name;
    const auto* widePicture = reinterpret_cast<const wchar_t*>(picture.c_str());
    if (!row.name.empty()) {
      HANDLE file = CreateFileW(widePicture, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
      ASSERT_NE(file, INVALID_HANDLE_VALUE) << row.what;
      CloseHandle(file);
    }
    SetClipboardBlock(CF_HDROP, DropFiles(row.namesAt, row.wide) + row.block);
    messages.shown.clear();
    SaveClipboard();
    if (row.copy) {
      EXPECT_EQ(FolderEntries(target), std::vector<std::string>{row.copy}) << row.what;
      EXPECT_TRUE(messages.shown.empty()) << row.what;
    } else {
      EXPECT_TRUE(FolderEntries(target).empty()) << row.what;
      ASSERT_EQ(messages.shown.size(), 1u) << row.what;
      EXPECT_EQ(messages.shown[0].title, L"Keine Bilddatei") << row.what;
    }
    for (const std::string& copied : FolderEntries(target)) DeleteFileA((target + "\\" + copied).c_str());
    if (!row.name.empty()) {
      EXPECT_TRUE(DeleteFileW(widePicture)) << row.what;
    }
  }
}

TEST_F(SaveHardeningWin, UnicodeTextKeepsEveryCharacterInTheDocumentAndACodePageName) {
  UseAction("extradatei3", "Notiz", "HTML");
  SetClipboardBlock(CF_UNICODETEXT, Utf16Bytes(u"\u0141\u00F3d\u017A \u2192 Krak\u00F3w \U0001F600\r\n"
                                               u"http://\u0142\u00F3d\u017A.pl/\u017C" +
                                               std::u16string(1, u'\0')));
  SaveClipboard();
  const std::string name = "\xF3" "d  Krak\xF3w";
  ASSERT_EQ(FolderEntries(target), std::vector<std::string>{name + ".html"});
  const std::string address = "http://&#322;\xF3" "d&#378;.pl/&#380;";
  EXPECT_EQ(Saved(name + ".html"),
            "<HTML>\r\n\r\n<HEAD>\r\n\r\n<TITLE>" + name + "</TITLE>\r\n\r\n</HEAD>\r\n\r\n"
            "<BODY text=\"#000000\" bgcolor=\"#FFFFFF\" link=\"#0000FF\" alink=\"#FF0000\" "
            "vlink=\"#800080\">\r\n"
            "&#321;\xF3" "d&#378; &#8594; Krak\xF3w &#128512;<BR>\r\n"
            "<a href=\"" + address + "\" target=\"_blank\">" + address + "</a> <BR>\r\n"
            "\r\n\r\n</BODY>\r\n</HTML>\r\n");
}

// A save killed between writing its temporary file and moving it into place leaves the
// file behind; the next save of the document removes it, whether that save succeeds or
// fails (here: an editor holds the document open).
TEST_F(SaveHardeningWin, NextReplaceRemovesWhatAKilledSaveLeftBehind) {
  const std::string document = target + "\\Sammlung.html";
  for (const bool documentLocked : {false, true}) {
    WriteFileBytes(document, "alt");
    const std::string leftover = TemporaryPathFor(document);
    WriteFileBytes(leftover, std::string(100000, 'x'));
    ASSERT_TRUE(SetFileAttributesA(leftover.c_str(), FILE_ATTRIBUTE_HIDDEN));
    {
      const auto lock = documentLocked ? std::make_unique<test::FileLock>(document) : nullptr;
      EXPECT_EQ(ReplaceWholeFile(document, "neu").has_value(), documentLocked);
    }
    EXPECT_EQ(FolderEntries(target), std::vector<std::string>{"Sammlung.html"}) << documentLocked;
    EXPECT_EQ(ReadFileBytes(document), documentLocked ? "alt" : "neu");
    EXPECT_EQ(GetFileAttributesA(document.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  }
}

}  // namespace
}  // namespace qm
