#include <gtest/gtest.h>

#include <string>

#include "clipboard/clipboard_win.h"
#include "save/save_adapters_win.h"
#include "tests/win/support/browser_helpers.h"
#include "tests/win/support/clipboard_helper.h"

namespace qm {
namespace {

using test::SetClipboardText;
using test::SetClipboardTextAndHtml;

// "HTML Format" as a browser writes it, with the given lines at the end of the header.
std::string HtmlFormat(const std::string& lastHeaderLines) {
  return "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000180\r\n"
         "StartFragment:0000000141\r\nEndFragment:0000000146\r\n" +
         lastHeaderLines +
         "<html><body>\r\n<!--StartFragment-->Hallo<!--EndFragment-->\r\n</body></html>";
}

TEST(ClipboardSourceUrl, IsTheSourceUrlThatCameWithTheText) {
  SetClipboardTextAndHtml("Hallo", HtmlFormat("SourceURL:https://quelle.example/seite?a=1,2\r\n"));
  EXPECT_EQ(ClipboardSourceUrl(nullptr), "https://quelle.example/seite?a=1,2");
  EXPECT_EQ(ClipboardText(nullptr).ansi, "Hallo");
}

TEST(ClipboardSourceUrl, IsEmptyWithoutTheLineOrTheFormat) {
  SetClipboardTextAndHtml("Hallo", HtmlFormat(""));
  EXPECT_EQ(ClipboardSourceUrl(nullptr), "");
  SetClipboardText("Hallo");
  EXPECT_EQ(ClipboardSourceUrl(nullptr), "");
}

class BrowserAddressWin : public ::testing::Test {
 protected:
  const test::HelperWindow browser{"Startseite - Microsoft Internet Explorer",
                                   {"Edit=http://fenster.example/"}};
  WinSaveSources sources{nullptr, [] { return false; }};
};

TEST_F(BrowserAddressWin, TheClipboardsSourceUrlComesBeforeTheBrowserWindow) {
  SetClipboardTextAndHtml("Hallo", HtmlFormat("SourceURL:https://quelle.example/\r\n"));
  EXPECT_EQ(sources.BrowserAddress(), "https://quelle.example/");
}

TEST_F(BrowserAddressWin, WithoutASourceUrlTheBrowserWindowIsAsked) {
  SetClipboardTextAndHtml("Hallo", HtmlFormat(""));
  EXPECT_EQ(sources.BrowserAddress(), "http://fenster.example/");
  SetClipboardText("Hallo");
  EXPECT_EQ(sources.BrowserAddress(), "http://fenster.example/");
}

}  // namespace
}  // namespace qm
