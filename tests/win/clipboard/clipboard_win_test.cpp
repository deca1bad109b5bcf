// What other programs leave: the clipboard's formats, file lists and holds; the
// browser's address from windows and DDE servers that may hang, each bounded.
#include "clipboard/clipboard_win.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "clipboard/browser_address_win.h"
#include "clipboard/clipboard_picture_win.h"
#include "clipboard/dde_client_win.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

using namespace std::string_literals;
using namespace test;

const std::string kGerman = "Gr\xFC\xDF aus K\xF6ln\r\n\x80 3";

// A text read where the clipboard holds it stays, once kept, when the clipboard changes.
TEST(ClipboardWin, TextAndOtherFormatsAreToldApart) {
  SetClipboardText(kGerman);
  ClipboardTextRead read(nullptr);
  read.LetGo(true);
  EXPECT_EQ(ClipboardFormat(nullptr), 1);
  EXPECT_EQ(ClipboardFileName(nullptr), kGerman);
  SetClipboard({{CF_DIB, std::string(48, '\0')}});
  EXPECT_EQ(read.Text().ansi, kGerman);
  EXPECT_EQ(ClipboardFormat(nullptr), 0);
  EXPECT_EQ(ClipboardTextRead(nullptr).Text().ansi, "");
  EXPECT_EQ(ClipboardHtmlFormat(nullptr), "");
  // A browser's block is taken whole up to its zero, however the memory is rounded up.
  const std::string block = "Version:0.9\r\nSourceURL:https://ex.org/\r\n<p>\xC3\xA4</p>";
  SetClipboard({{RegisterClipboardFormatA("HTML Format"), block + "\0\0zz"s}});
  EXPECT_EQ(ClipboardHtmlFormat(nullptr), block);
}

std::string Utf16(std::u16string_view text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

// A list of one file names it, of more names none, a damaged one (its name without the
// ending zero) none. Wide names arrive in the code page, or not at all where a look-alike
// could name another file.
TEST(ClipboardWin, DropListsNameOneFileInTheCodePage) {
  const struct {
    bool wide;
    std::string names;
    std::string read;
  } rows[] = {{false, "C:\\Mein Bild \xE4.jpg\0\0"s, "C:\\Mein Bild \xE4.jpg"},
              {false, "C:\\a.jpg\0C:\\b.jpg\0\0"s, ""},
              {false, "C:\\a.jpg"s, ""},
              {true, Utf16(u"C:\\B\u00E4r.png\0\0"s), "C:\\B\xE4r.png"},
              {true, Utf16(u"C:\\\u0141\u00F3d\u017A.png\0\0"s), ""}};
  for (const auto& row : rows) {
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = row.wide;
    SetClipboard({{CF_HDROP, std::string(reinterpret_cast<const char*>(&header), sizeof header) +
                                 row.names}});
    EXPECT_EQ(ClipboardFormat(nullptr), 15);
    EXPECT_EQ(ClipboardFileName(nullptr), row.read) << row.read;
  }
}

// A 2 x 1 bitmap, top-down: blue, then red at half transparency, which only the
// version 5 header (with its alpha mask) carries as such.
std::string Bitmap(bool v5) {
  BITMAPV5HEADER header{};
  header.bV5Size = v5 ? sizeof(BITMAPV5HEADER) : sizeof(BITMAPINFOHEADER);
  header.bV5Width = 2;
  header.bV5Height = -1;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = v5 ? BI_BITFIELDS : BI_RGB;
  header.bV5RedMask = 0xFF0000;
  header.bV5GreenMask = 0xFF00;
  header.bV5BlueMask = 0xFF;
  header.bV5AlphaMask = 0xFF000000;
  return std::string(reinterpret_cast<const char*>(&header), header.bV5Size) +
         "\xFF\0\0\xFF\0\0\xFF\x80"s;
}

// Formats as a browser, a screenshot tool or an old program (CF_BITMAP) put them, and
// the pixels of the PNG. A "PNG" block goes out as it is, without what follows it.
TEST(ClipboardWin, PicturesArriveAsPngWithTheirPixelsAndAlpha) {
  const UINT pngFormat = RegisterClipboardFormatW(L"PNG");
  const std::string png = "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR"s + std::string(17, '\1') +
                          "\0\0\0\1IDATx\1\1\1\1\0\0\0\0IEND\xAE\x42\x60\x82"s;
  SetClipboard({{pngFormat, png + std::string(40, '\0')}, {CF_DIB, Bitmap(false)}});
  EXPECT_EQ(ClipboardPicture(nullptr).png, png);
  const DecodedPng opaque{2, 1, "\xFF\0\0\xFF\0\0\xFF\xFF"s};
  const DWORD pixels[] = {0x000000FF, 0x00FF0000};
  const std::pair<std::vector<std::pair<UINT, std::string>>, std::optional<DecodedPng>> rows[] = {
      {{{pngFormat, "\x89PNG kaputt"}, {CF_DIB, Bitmap(false)}}, opaque},
      {{{CF_DIBV5, Bitmap(true)}}, DecodedPng{2, 1, "\xFF\0\0\xFF\0\0\xFF\x80"s}},
      {{{CF_TEXT, "C:\\kein Bild.png"s + '\0'}}, std::nullopt},
      {{}, opaque}};
  for (const auto& [formats, picture] : rows) {
    SetClipboard(formats);
    if (formats.empty()) {  // a program's CF_BITMAP, which the system turns into a DIB
      ASSERT_TRUE(OpenClipboard(nullptr));
      SetClipboardData(CF_BITMAP, CreateBitmap(2, 1, 1, 32, pixels));
      CloseClipboard();
    }
    const ClipboardPng read = ClipboardPicture(nullptr);
    EXPECT_EQ(read.error, S_OK);
    EXPECT_EQ(read.png.empty() ? std::nullopt : DecodePng(read.png), picture);
  }
}

// Six seconds are only a guard against a read or search that hangs; an answer at all
// comes within two seconds.
template <typename Call>
std::string WithinGuard(Call call) {
  const ULONGLONG start = GetTickCount64();
  std::string result = call();
  EXPECT_LT(GetTickCount64() - start, 6000u);
  return result;
}

// Another program may hold the clipboard for a moment, or take its time to render a text
// it promised: the read waits for it. A hold that lasts, or an owner that has stopped
// answering, gives no text, and soon.
TEST(ClipboardWin, AHeldOrPromisedClipboardIsWaitedForOnlyWhileItsOwnerGetsOnWithIt) {
  const std::string promised = "versprochen \xE4";
  const struct {
    std::vector<std::string> helper;
    std::string read;
  } rows[] = {{{"hold", "100"}, kGerman},
              {{"hold", "30000"}, ""},
              {{"promise", "1500", promised}, promised},
              {{"promise", "hung", promised}, ""}};
  for (const auto& row : rows) {
    SetClipboardText(kGerman);
    const Helper helper(row.helper);
    EXPECT_EQ(WithinGuard([] { return std::string(ClipboardTextRead(nullptr).Text().ansi); }),
              row.read)
        << row.helper[1];
    EXPECT_EQ(WithinGuard([] { return ClipboardFileName(nullptr); }), row.read) << row.helper[1];
  }
}

const char kPage[] = "http://example.com/a,b";

// The highest browser window decides, also when it has stopped handling messages.
TEST(BrowserWin, AHungBrowserOnTopGivesNoAddressWithoutWaitingForIt) {
  const char explorer[] = "Start - Microsoft Internet Explorer";
  const Helper lower({"window", explorer, "live", "http://unten.example/"});
  const Helper editor({"window", "notiz.txt - Editor", "live", "http://editor.example/"});
  EXPECT_EQ(GetBrowserURL(), "http://unten.example/");
  const Helper hung({"window", explorer, "hung", "http://haengt.example/"});
  EXPECT_EQ(WithinGuard(GetBrowserURL), "");
}

TEST(BrowserWin, ASlowDdeServerGivesNoAddressAtTheBound) {
  const Helper slow({"dde", "Firefox", kPage, "4000"});
  EXPECT_EQ(WithinGuard([] { return GetDdeBrowserURL("Firefox"); }), "");
}

// A window that has just stopped handling messages holds DdeConnect up until the
// system counts it as hung (five seconds); until then each call gives up at its bound.
TEST(BrowserWin, AHungWindowDelaysDdeOnlyUntilItCountsAsHung) {
  const Helper firefox({"dde", "Firefox", kPage});
  const Helper hung({"window", "Editor", "hung"});
  std::string address;
  for (int call = 0; call < 5 && address.empty(); ++call) {
    address = WithinGuard([] { return GetDdeBrowserURL("Firefox"); });
  }
  EXPECT_EQ(address, kPage);
}

}  // namespace
}  // namespace qm
