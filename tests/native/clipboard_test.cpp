#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "clipboard/browser_titles.h"
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

TEST(SourceUrl, OnlyTheSourceUrlLineInTheFirstPartOfTheHeaderCounts) {
  const std::string head = "Version:0.9\r\nStartHTML:0000000105\r\n";
  const std::string html = "<html><body>\r\nSourceURL:http://falsch/\r\n</body></html>";
  const std::string limit(kSourceUrlHeaderLimit, '\n');
  const std::pair<std::string, std::string> rows[] = {
      {head + "SourceURL:https://example.com/a?b=1,2\r\n" + html, "https://example.com/a?b=1,2"},
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

// what, the block, the names read (ANSI ones widened) or nothing when the list is refused
const std::tuple<const char*, std::string, std::optional<Names>> kDropCases[] = {
    {"two ANSI names", Header(20, false) + std::string("C:\\a\0C:\\b\0\0", 11),
     Names{u"C:\\a", u"C:\\b"}},
    {"a name of 5000 characters", Header(20, false) + kLongName + std::string(2, '\0'),
     Names{{kLongName.begin(), kLongName.end()}}},
    {"one wide name",
     Header(20, true) + Wide(u"C:\\\u0141\u00F3d\u017A.png") + std::string(4, '\0'),
     Names{u"C:\\\u0141\u00F3d\u017A.png"}},
    {"no room for the header", Header(20, false).substr(0, 19), std::nullopt},
    {"names past the end", Header(4000, false) + std::string("C:\\a\0\0", 6), std::nullopt},
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

}  // namespace
}  // namespace qm
