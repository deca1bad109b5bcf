// What other programs leave: the clipboard's formats, file lists and holds, and owners
// that render late or never; the browser's address from windows and DDE servers that
// may hang, each bounded.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "clipboard/browser_address_win.h"
#include "clipboard/clipboard_owner_win.h"
#include "clipboard/clipboard_picture_win.h"
#include "clipboard/clipboard_reader_win.h"
#include "clipboard/dde_client_win.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

using namespace std::string_literals;
using namespace test;

const std::string kGerman = "Gr\xFC\xDF aus K\xF6ln\r\n\x80 3";

// One read of the parts `wants` names, by a reader of this thread's own.
ClipboardCopy Read(const ClipboardWants& wants, ClipboardAccess expected = ClipboardAccess::Read) {
  ClipboardReader reader;
  ClipboardCopy copy;
  EXPECT_EQ(reader.Read(wants, copy), expected);
  return copy;
}

std::string FileName() { return Read({.fileName = true}).fileName; }

TEST(ClipboardWin, TextAndOtherFormatsAreToldApart) {
  SetClipboardText(kGerman);
  const ClipboardCopy text = Read({.text = true, .fileName = true});
  EXPECT_EQ(text.ansiText, kGerman);
  EXPECT_EQ(text.fileName, kGerman);
  SetClipboardUnicode(u"\u0141\u00F3d\u017A");
  EXPECT_EQ(Read({.text = true}).wideText, u"\u0141\u00F3d\u017A");
  SetClipboard({{CF_DIB, std::string(48, '\0')}});
  const ClipboardCopy picture = Read({.text = true, .fileName = true, .html = true});
  EXPECT_EQ(picture.ansiText + picture.fileName + picture.html, "");
  // A browser's block is taken whole up to its zero, however the memory is rounded up;
  // for the address alone, no further than its header may go.
  const std::string block = "Version:0.9\r\nSourceURL:https://ex.org/\r\n<p>\xC3\xA4</p>";
  SetClipboard({{RegisterClipboardFormatA("HTML Format"), block + "\0\0zz"s}});
  EXPECT_EQ(Read({.html = true}).html, block);
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
    EXPECT_EQ(FileName(), row.read) << row.read;
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
  EXPECT_EQ(PictureOfCopy(Read({.picture = true})).png, png);
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
    const ClipboardPng read = PictureOfCopy(Read({.picture = true}));
    EXPECT_EQ(read.error, S_OK);
    EXPECT_EQ(read.png.empty() ? std::nullopt : DecodePng(read.png), picture);
  }
}

// Six seconds are only a guard against a search that hangs; an answer at all comes
// within two seconds. A read of the clipboard gets ten: Wine's OpenClipboard asks the
// clipboard's owner first, for up to five seconds, so a busy owner costs that much there
// (on Windows nothing).
template <typename Call>
auto WithinGuard(Call call, ULONGLONG guardMs = 6000) {
  const ULONGLONG start = GetTickCount64();
  auto result = call();
  EXPECT_LT(GetTickCount64() - start, guardMs);
  return result;
}

// Another program may hold the clipboard for a moment, or take its time to render a text
// it promised: the read waits for it. Rendered text is read whether its owner answers or
// not. A hold that lasts, or an owner that hangs while it renders, makes the read give up
// at its deadline, while this thread's messages are handled; a promise its owner does
// not keep counts as held at once. The next read is exact.
TEST(ClipboardWin, AReadWaitsOnlyForWhatItsOwnerStillRendersAndNeverPastItsDeadline) {
  const std::string promised = "versprochen \xE4";
  const struct {
    std::vector<std::string> helper;
    ClipboardAccess access;
    std::string read;
    bool waits;
  } rows[] = {{{"hold", "100"}, ClipboardAccess::Read, kGerman, false},
              {{"hold", "30000"}, ClipboardAccess::Held, "", false},
              {{"busy", promised}, ClipboardAccess::Read, promised, false},
              {{"promise", "1500", promised}, ClipboardAccess::Read, promised, true},
              {{"promise", "hung", promised}, ClipboardAccess::Held, "", true},
              {{"promise", "refuse", promised}, ClipboardAccess::Held, "", false},
              {{"hold", "0"}, ClipboardAccess::Read, kGerman, false}};
  HWND window =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  for (const auto& row : rows) {
    SetClipboardText(kGerman);
    const Helper helper(row.helper);
    ASSERT_TRUE(PostMessageW(window, WM_NULL, 0, 0));
    ClipboardReader reader;
    ClipboardCopy copy;
    EXPECT_EQ(WithinGuard([&] { return reader.Read({.text = true}, copy); }, 10000), row.access)
        << row.helper[1];
    EXPECT_EQ(copy.ansiText, row.read) << row.helper[1];
    MSG left;
    const bool handled = !PeekMessageW(&left, window, 0, 0, PM_REMOVE);
    if (row.waits) {
      EXPECT_TRUE(handled) << row.helper[1] << ": messages must not wait on a read";
    }
  }
  DestroyWindow(window);
}

ClipboardReader* gEndingReader = nullptr;

LRESULT CALLBACK EndTheProgram(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) gEndingReader->GiveUp();
  return DefWindowProcW(window, message, wParam, lParam);
}

// A read that waits gives up as soon as the program is to end.
TEST(ClipboardWin, AWaitingReadGivesUpWhenTheProgramEnds) {
  const Helper hung({"promise", "hung", "nie"});
  ClipboardReader reader;
  gEndingReader = &reader;
  HWND window =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EndTheProgram));
  ASSERT_TRUE(PostMessageW(window, WM_APP, 0, 0));
  ClipboardCopy copy;
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(reader.Read({.text = true}, copy), ClipboardAccess::GivenUp);
  EXPECT_LT(GetTickCount64() - start, ClipboardReader::kDeadlineMs / 2);
  DestroyWindow(window);
}

// Automatic saving tells the programs it leaves alone by the file of the clipboard
// owner's process, which the system tells without asking the owner, even a hung one.
TEST(ClipboardWin, TheOwnersProgramIsToldByItsProcessFileWithoutAskingIt) {
  SetClipboardText(kGerman);
  EXPECT_EQ(ClipboardOwnerProgram(), "");
  const Helper busy({"busy", "fremd"});
  EXPECT_EQ(WithinGuard(ClipboardOwnerProgram), "qm_helper.exe");
}

const char kPage[] = "http://example.com/a,b";

// The highest browser window decides, also when it has stopped handling messages. Its
// page's title (given in the code page) is read in UTF-8.
TEST(BrowserWin, AHungBrowserOnTopGivesNoAddressWithoutWaitingForIt) {
  const char explorer[] =
      "Gr\xFC\xDF"
      "e - Microsoft Internet Explorer";
  const Helper lower({"window", explorer, "live", "http://unten.example/"});
  const Helper editor({"window", "notiz.txt - Editor", "live", "http://editor.example/"});
  EXPECT_EQ(GetBrowserURL(), "http://unten.example/");
  EXPECT_EQ(GetBrowserPageTitle(),
            "Gr\xC3\xBC\xC3\x9F"
            "e");
  // Today's browsers tell their page's title, never their address.
  const Helper chrome({"window", "Seite - Google Chrome", "live", "http://chrome.example/"});
  EXPECT_EQ(GetBrowserPageTitle(), "Seite");
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
