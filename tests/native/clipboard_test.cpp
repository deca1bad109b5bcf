#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "clipboard/browser_titles.h"
#include "clipboard/copied_picture.h"
#include "clipboard/drop_list.h"
#include "clipboard/source_url.h"

namespace qm {
namespace {

TEST(BrowserTitles, TheFirstMatchingRowDecidesHowTheAddressIsRead) {
  const BrowserKind edit{AddressReading::EditField, {}};
  const BrowserKind none{};
  const auto dde = [](std::string_view server) { return BrowserKind{AddressReading::Dde, server}; };
  const std::pair<const char*, BrowserKind> rows[] = {
      {"Startseite - Microsoft Internet Explorer", edit},
      {"Microsoft Internet Explorer - Hilfe", none},
      {"Seite - OPERA", edit},
      {"Opera statt Mozilla Firefox", edit},
      {"Netscape - Mozilla Firefox", dde("Firefox")},
      {"NETSCAPE 6.2 - Seite", dde("Netscp6")},
      {"Seite - Mozilla", dde("Mozilla")}};
  for (const auto& [title, kind] : rows) EXPECT_EQ(BrowserKindOfTitle(title), kind) << title;
}

TEST(BrowserTitles, ThePageTitleLosesTheBrowserNameAtTheEnd) {
  const std::pair<const char*, std::optional<std::string_view>> rows[] = {
      {"Startseite - Microsoft Internet Explorer", "Startseite"},
      {"Krak\xC3\xB3w \xE2\x80\x93 Wikipedia \xE2\x80\x94 Mozilla Firefox",
       "Krak\xC3\xB3w \xE2\x80\x93 Wikipedia"},
      {"Seite - Mozilla Firefox", "Seite"},
      {"Seite \xE2\x80\x93 Firefox", "Seite"},
      {"\303\234ber Mozilla - Mozilla", "\303\234ber Mozilla"},  // octal: a hex escape runs on
      {"Mozilla Firefox", ""},
      {"Seite - Google Chrome", "Seite"},
      {"Seite - Pers\303\266nlich \xE2\x80\x93 Microsoft\xE2\x80\x8B Edge",
       "Seite - Pers\303\266nlich"},
      {"Seite - Opera", "Seite"},
      {"Google Chrome Hilfe - Editor", std::nullopt},
      {"Firefox-Tipps - Netscape", std::nullopt}};
  for (const auto& [title, page] : rows) EXPECT_EQ(PageTitleOfBrowserTitle(title), page) << title;
}

// That a header's SourceURL line gives its address is the fuzz target source_url's promise.
TEST(SourceUrl, OnlyTheSourceUrlLineInTheFirstPartOfTheHeaderCounts) {
  const std::string limit(kSourceUrlHeaderLimit, '\n');
  const std::pair<std::string, std::string> rows[] = {
      {"Version:0.9\r\nkein Kopf\r\nSourceURL:http://falsch/\r\n", ""},
      {"V:1" + limit.substr(0, kSourceUrlHeaderLimit / 4) + "SourceURL:http://a", "http://a"},
      {"Version:0.9" + limit + "SourceURL:http://a/", ""}};
  for (const auto& [data, address] : rows) {
    EXPECT_EQ(SourceUrlOfHtmlFormat(data), address) << data.substr(0, 60);
  }
}

// A DROPFILES header (pFiles, pt.x, pt.y, fNC, fWide), little-endian.
std::string Header(uint32_t namesAt, bool wide) {
  std::string bytes;
  for (const uint32_t field : {namesAt, 0u, 0u, 0u, wide ? 1u : 0u}) {
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((field >> (8 * i)) & 0xFF);
  }
  return bytes;
}

std::string Wide(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text)
    bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return bytes;
}

const std::string kLongName = "C:\\" + std::string(4996, 'a') + ".j";
using Names = std::vector<std::u16string>;

// what, the block, the names read (ANSI ones widened) or nothing when the list is refused.
// A header or names that run past the block are the fuzz target drop_list's to find.
const std::tuple<const char*, std::string, std::optional<Names>> kDropCases[] = {
    {"two ANSI names", Header(20, false) + std::string("C:\\a\0C:\\b\0\0", 11),
     Names{u"C:\\a", u"C:\\b"}},
    {"a name of 5000 characters", Header(20, false) + kLongName + std::string(2, '\0'),
     Names{{kLongName.begin(), kLongName.end()}}},
    {"one wide name",
     Header(20, true) + Wide(u"C:\\\u0141\u00F3d\u017A.png") + std::string(4, '\0'),
     Names{u"C:\\\u0141\u00F3d\u017A.png"}},
    {"names inside the header", Header(8, false) + std::string("C:\\a\0\0", 6), std::nullopt},
    {"a name without its zero", Header(20, false) + "C:\\a.jpg", std::nullopt},
    {"a wide name cut in half", Header(20, true) + Wide(u"C:\\a") + std::string(1, '\0'),
     std::nullopt}};

TEST(DropList, OnlyAListWhoseEveryNameLiesInsideItsBlockIsRead) {
  for (const auto& [what, block, names] : kDropCases) {
    const auto list = ParseDropList(block);
    ASSERT_EQ(list.has_value(), names.has_value()) << what;
    if (!list) continue;
    Names read = list->wideNames;
    for (const std::string& name : list->ansiNames) read.emplace_back(name.begin(), name.end());
    EXPECT_EQ(read, *names) << what;
  }
}

std::string Bytes(std::initializer_list<unsigned> values) { return {values.begin(), values.end()}; }

std::string Le(uint32_t value, int size = 4) {
  std::string bytes;
  for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
  return bytes;
}

// A DIB header of `size` bytes; the masks (of BI_BITFIELDS) follow its first 40 bytes,
// inside a longer header or after a short one.
std::string Dib(uint32_t size, int32_t width, int32_t height, uint32_t bits,
                uint32_t compression = 0, uint32_t colours = 0, std::vector<uint32_t> masks = {}) {
  std::string header = Le(size) + Le(static_cast<uint32_t>(width)) +
                       Le(static_cast<uint32_t>(height)) + Le(1, 2) + Le(bits, 2) +
                       Le(compression) + std::string(12, '\0') + Le(colours) + Le(0);
  for (uint32_t mask : masks) header += Le(mask);
  return header + std::string(header.size() < size ? size - header.size() : 0, '\0');
}

// Width x height, BGR or BGRA, and the rows one after the other, as the encoder gets them.
std::optional<std::string> RowsOf(std::string_view block) {
  const auto picture = DibPicture::Read(block);
  if (!picture) return std::nullopt;
  std::string rows = std::to_string(picture->Width()) + "x" + std::to_string(picture->Height()) +
                     (picture->Alpha() ? " BGRA " : " BGR ");
  for (uint32_t y = 0; y < picture->Height(); ++y) {
    rows.resize(rows.size() + picture->RowBytes());
    picture->Row(y, rows.data() + rows.size() - picture->RowBytes());
  }
  return rows;
}

const std::vector<uint32_t> kBgra = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};

// what, the block, its rows (top row first) or nothing when the block is refused. A header
// or colour table past the block is the fuzz target copied_picture's to find; the rows
// past it pin the refusal itself.
const std::tuple<const char*, std::string, std::optional<std::string>> kDibCases[] = {
    {"32 bits, bottom-up, the fourth byte unused",
     Dib(40, 2, 2, 32) + Bytes({1, 2, 3, 9, 4, 5, 6, 9, 7, 8, 9, 9, 10, 11, 12, 9}),
     "2x2 BGR " + Bytes({7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6})},
    {"V5, top-down, alpha", Dib(124, 2, -1, 32, 3, 0, kBgra) + Bytes({1, 2, 3, 128, 4, 5, 6, 0}),
     "2x1 BGRA " + Bytes({1, 2, 3, 128, 4, 5, 6, 0})},
    {"V5, alpha 0 everywhere", Dib(124, 1, 1, 32, 3, 0, kBgra) + Bytes({1, 2, 3, 0}),
     "1x1 BGR " + Bytes({1, 2, 3})},
    {"24 bits, padded rows", Dib(40, 1, 2, 24) + Bytes({1, 2, 3, 0, 4, 5, 6, 0}),
     "1x2 BGR " + Bytes({4, 5, 6, 1, 2, 3})},
    {"16 bits 5-6-5",
     Dib(40, 2, 1, 16, 3, 0, {0xF800, 0x7E0, 0x1F}) + Le(0x0841, 2) + Le(0xF800, 2),
     "2x1 BGR " + Bytes({8, 8, 8, 0, 0, 255})},
    {"8 bits, an index past the two colours",
     Dib(40, 3, 1, 8, 0, 2) + Bytes({10, 20, 30, 0, 40, 50, 60, 0, 1, 0, 5, 0}),
     "3x1 BGR " + Bytes({40, 50, 60, 10, 20, 30, 0, 0, 0})},
    {"1 bit, core header",
     Le(12) + Le(3, 2) + Le(1, 2) + Le(1, 2) + Le(1, 2) +
         Bytes({0, 0, 0, 255, 255, 255, 0xA0, 0, 0, 0}),
     "3x1 BGR " + Bytes({255, 255, 255, 0, 0, 0, 255, 255, 255})},
    {"rows past the block", Dib(40, 2, 2, 32) + std::string(12, '\0'), std::nullopt},
    {"absurd width", Dib(40, 70000, 1, 1) + std::string(9000, '\0'), std::nullopt},
    {"the lowest height", Dib(40, 1, INT32_MIN, 24) + std::string(4, '\0'), std::nullopt},
    {"run-length encoded", Dib(40, 1, 1, 8, 1) + std::string(1028, '\0'), std::nullopt},
    {"masks that overlap", Dib(40, 1, 1, 16, 3, 0, {0xF800, 0xFE0, 0x1F}) + Le(0), std::nullopt}};

TEST(Dib, OnlyABitmapWhoseHeaderTableAndRowsFitItsBlockIsReadAndItsColoursKept) {
  for (const auto& [what, block, rows] : kDibCases) EXPECT_EQ(RowsOf(block), rows) << what;
}

TEST(Png, AWholePngIsTakenWithoutWhatFollowsItInTheBlock) {
  const auto chunk = [](std::string type, std::string data) {
    return Bytes({0, 0, 0, static_cast<unsigned>(data.size())}) + type + data + Le(0);
  };
  const std::string start = "\x89PNG\r\n\x1A\n" + chunk("IHDR", std::string(13, '\1'));
  const std::string png = start + chunk("IDAT", "xyz") + chunk("IEND", "");
  for (const auto& [block, length] : {std::pair{png + std::string(9, '\0'), png.size()},
                                      {png.substr(0, png.size() - 1), size_t{0}},
                                      {start + chunk("IEND", ""), size_t{0}},
                                      {"GIF89a" + png.substr(6), size_t{0}}}) {
    EXPECT_EQ(PngLength(block), length);
  }
}

}  // namespace
}  // namespace qm
