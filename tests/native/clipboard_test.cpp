#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "clipboard/browser_titles.h"
#include "clipboard/dde_reply.h"
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
      {"Seite - Mozilla firefox", none},
      {"NETSCAPE 6.2 - Seite", dde("Netscp6")},
      {"Netscape - Mozilla", dde("NETSCAPE")},
      {"Seite - Mozilla", dde("Mozilla")}};
  for (const auto& [title, kind] : rows) EXPECT_EQ(BrowserKindOfTitle(title), kind) << title;
}

TEST(DdeReply, TheFirstQuotedFieldIsTheAddressCommasInsideQuotesIncluded) {
  const std::pair<const char*, const char*> rows[] = {
      {R"(  "http://a/b,c" ,"Titel, mit Komma","")", "http://a/b,c"},
      {R"("http://"x"a/b","Titel")", "http://a/b"},
      {R"("http://a,b)", "http://a,b"}};
  for (const auto& [reply, address] : rows) EXPECT_EQ(DdeReplyAddress(reply), address) << reply;
}

TEST(SourceUrl, OnlyTheSourceUrlLineInTheFirstPartOfTheHeaderCounts) {
  const std::string head = "Version:0.9\r\nStartHTML:0000000105\r\n";
  const std::string html = "<html><body>\r\nSourceURL:http://falsch/\r\n</body></html>";
  const std::string limit(kSourceUrlHeaderLimit, '\n');
  const std::pair<std::string, std::string> rows[] = {
      {head + "SourceURL:https://example.com/a?b=1,2\r\n" + html, "https://example.com/a?b=1,2"},
      {"SourceURL: http://a/ \rVersion:1.0\n" + html, "http://a/"},
      {"Version:0.9\r\nkein Kopf\r\nSourceURL:http://falsch/\r\n", ""},
      {"SourceURL:https://de.example.org/K\xC3\xB6ln\r\n", "https://de.example.org/K%C3%B6ln"},
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

struct DropCase {
  const char* what;
  std::string block;
  std::optional<std::vector<std::string>> ansiNames;  // nothing: the list is refused
  std::vector<std::u16string> wideNames = {};
};

const DropCase kCases[] = {
    {"two ANSI names", Header(20, false) + std::string("C:\\B\xE4r.jpg\0C:\\b\0\0", 17),
     std::vector<std::string>{"C:\\B\xE4r.jpg", "C:\\b"}},
    {"a name of 5000 characters", Header(20, false) + kLongName + std::string(2, '\0'),
     std::vector<std::string>{kLongName}},
    {"one wide name",
     Header(20, true) + Wide(u"C:\\\u0141\u00F3d\u017A.png") + std::string(4, '\0'),
     std::vector<std::string>{},
     {u"C:\\\u0141\u00F3d\u017A.png"}},
    {"no room for the header", Header(20, false).substr(0, 19), std::nullopt},
    {"names past the end", Header(4000, false) + std::string("C:\\a\0\0", 6), std::nullopt},
    {"names inside the header", Header(8, false) + std::string("C:\\a\0\0", 6), std::nullopt},
    {"a name without its zero", Header(20, false) + "C:\\a.jpg", std::nullopt},
    {"a wide name cut in half", Header(20, true) + Wide(u"C:\\a") + std::string(1, '\0'),
     std::nullopt},
};

TEST(DropList, OnlyAListWhoseEveryNameLiesInsideItsBlockIsRead) {
  for (const DropCase& row : kCases) {
    const auto list = ParseDropList(row.block);
    ASSERT_EQ(list.has_value(), row.ansiNames.has_value()) << row.what;
    if (!list) continue;
    EXPECT_EQ(list->wide, !row.wideNames.empty()) << row.what;
    EXPECT_EQ(list->ansiNames, *row.ansiNames) << row.what;
    EXPECT_EQ(list->wideNames, row.wideNames) << row.what;
  }
}

}  // namespace
}  // namespace qm
