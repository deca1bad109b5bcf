// The clipboard as other programs leave it: formats, file lists, holds, the source
// address of copied web text and the marks of password managers.
#include <gtest/gtest.h>

#include "clipboard/clipboard_privacy_win.h"
#include "clipboard/clipboard_win.h"
#include "save/save_adapters_win.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

using test::SetClipboard;
using test::SetClipboardFiles;
using test::SetClipboardText;

const std::string kGerman = "Gr\xFC\xDF aus K\xF6ln\r\n\x80 3";

TEST(ClipboardWin, TextFilesAndOtherFormatsAreToldApart) {
  const test::ScratchFolder folder;
  const std::string picture = folder / "Mein Bild \xE4.jpg";
  SetClipboardText(kGerman);
  EXPECT_EQ(ClipboardText(nullptr), kGerman);
  EXPECT_EQ(ClipboardFormat(nullptr), 1);
  EXPECT_EQ(ClipboardFileName(nullptr), kGerman);
  SetClipboardFiles({picture});
  EXPECT_EQ(ClipboardFormat(nullptr), 15);
  EXPECT_EQ(ClipboardFileName(nullptr), picture);
  SetClipboardFiles({picture, folder / "b.jpg"});
  EXPECT_EQ(ClipboardFileName(nullptr), "");
  SetClipboard({{CF_DIB, std::string(48, '\0')}});
  EXPECT_EQ(ClipboardFormat(nullptr), 0);
  EXPECT_EQ(ClipboardText(nullptr), "");
  SetClipboard({});
  EXPECT_EQ(ClipboardFileName(nullptr), "");
}

TEST(ClipboardWin, AClipboardHeldBrieflyIsWaitedFor) {
  SetClipboardText(kGerman);
  const test::Helper holder({"hold", "100"});
  EXPECT_EQ(ClipboardText(nullptr), kGerman);
}

TEST(ClipboardWin, AClipboardHeldLongReadsEmptyAtOnce) {
  SetClipboardText(kGerman);
  const test::Helper holder({"hold", "30000"});
  EXPECT_EQ(ClipboardText(nullptr), "");
  EXPECT_EQ(ClipboardFileName(nullptr), "");
}

// "HTML Format" as a browser writes it, with `headerEnd` closing the header.
std::string HtmlFormat(const std::string& headerEnd) {
  return "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000180\r\nStartFragment:0000000141\r\n"
         "EndFragment:0000000146\r\n" + headerEnd +
         "<html><body>\r\n<!--StartFragment-->Hallo<!--EndFragment-->\r\n</body></html>" + '\0';
}

TEST(ClipboardWin, TheAddressIsTheTextsSourceUrlElseTheBrowserWindows) {
  const test::Helper browser({"window", "Start - Microsoft Internet Explorer", "Edit=http://fenster.example/"});
  WinSaveSources sources{nullptr, [] { return false; }};
  const UINT html = RegisterClipboardFormatA("HTML Format");
  SetClipboard({{CF_TEXT, std::string("Hallo", 6)}, {html, HtmlFormat("SourceURL:https://quelle.example/a,b\r\n")}});
  EXPECT_EQ(sources.BrowserAddress(), "https://quelle.example/a,b");
  SetClipboard({{CF_TEXT, std::string("Hallo", 6)}, {html, HtmlFormat("")}});
  EXPECT_EQ(sources.BrowserAddress(), "http://fenster.example/");
}

TEST(ClipboardWin, PasswordManagersMarksAreHonoured) {
  const struct {
    const char* format;
    std::string value;
    bool secret;
  } rows[] = {{"Clipboard Viewer Ignore", "", true},
              {"ExcludeClipboardContentFromMonitorProcessing", "", true},
              {"CanIncludeInClipboardHistory", std::string(4, '\0'), true},
              {"CanIncludeInClipboardHistory", std::string("\1\0\0\0", 4), false},
              {"Irgendwas", "", false}};
  for (const auto& row : rows) {
    SetClipboard({{CF_TEXT, std::string("geheim", 7)}, {RegisterClipboardFormatA(row.format), row.value + '\0'}});
    EXPECT_EQ(ClipboardAsksNotToBeRecorded(nullptr), row.secret) << row.format;
  }
}

}  // namespace
}  // namespace qm
