#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "clipboard/address_field.h"
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
      {" - Microsoft Internet Explorer", edit},
      {"Seite - microsoft internet explorer", none},
      {"Microsoft Internet Explorer - Hilfe", none},
      {"Seite - OPERA", edit},
      {"opera.txt - Editor", edit},
      {"Maxthon 2", edit},
      {"x - greenbrowser - y", edit},
      {"Avant Browser", edit},
      {"MULTI-BROWSER", edit},
      {"Avant-Browser", none},
      {"Opera statt Mozilla Firefox", edit},
      {"Netscape, Maxthon", edit},
      {"Seite - Mozilla Firefox", dde("Firefox")},
      {"Seite - Mozilla", dde("Mozilla")},
      {"Seite - mozilla", none},
      {"Seite - Mozilla firefox", none},
      {"Firefox - Hilfe", none},
      {"Netscape - Mozilla Firefox", dde("Firefox")},
      {"Seite - Netscape 6", dde("Netscp6")},
      {"NETSCAPE 6.2 - Seite", dde("Netscp6")},
      {"Seite - Netscape 7", dde("NETSCAPE")},
      {"netscape Navigator", dde("NETSCAPE")},
      {"Netscape - Mozilla", dde("NETSCAPE")},
      {"", none},
      {"Quillmar 2.0", none},
      {"Firefo", none},
      {"Oper", none}};
  for (const auto& [title, kind] : rows) EXPECT_EQ(BrowserKindOfTitle(title), kind) << title;
}

TEST(AddressField, ExactPrefixesMakeAnAddressAndOnlyEditAndMozillaWindowsAreRead) {
  const std::pair<const char*, bool> addresses[] = {
      {"http://a", true},           {"https://example.com/x,y", true},
      {"ftp://server/datei", true}, {"", false},
      {"www.example.com", false},   {"HTTP://a", false},
      {"Https://a", false},         {" http://a", false},
      {"file:///C:/x.html", false}, {"http:/a", false}};
  for (const auto& [text, address] : addresses) EXPECT_EQ(IsPageAddress(text), address) << text;
  const std::pair<const char*, FieldVisit> classes[] = {
      {"Edit", FieldVisit::ReadOnly},
      {"MozillaWindowClass", FieldVisit::ReadThenChildren},
      {"EDIT", FieldVisit::ChildrenOnly},
      {"RichEdit20A", FieldVisit::ChildrenOnly},
      {"mozillawindowclass", FieldVisit::ChildrenOnly},
      {"", FieldVisit::ChildrenOnly}};
  for (const auto& [name, visit] : classes) EXPECT_EQ(FieldVisitOfClass(name), visit) << name;
}

TEST(DdeReply, TheFirstQuotedFieldIsTheAddressCommasInsideQuotesIncluded) {
  const std::pair<const char*, const char*> rows[] = {
      {R"("http://example.com/","Beispiel","")", "http://example.com/"},
      {R"("http://example.com/a,b,c","Titel, mit Komma","")", "http://example.com/a,b,c"},
      {R"(  "http://a" ,"Titel")", "http://a"},
      {R"("http://"x"a/b","Titel")", "http://a/b"},
      {R"(,"http://a","Titel")", ""},
      {"http://a,b", ""},
      {R"("http://a","b","c","d")", "http://a"},
      {R"("http://a,b)", "http://a,b"},
      {R"("http://a,"Titel","")", "http://a,,"},
      {"\"", ""}};
  for (const auto& [reply, address] : rows) EXPECT_EQ(DdeReplyAddress(reply), address) << reply;
}

TEST(SourceUrl, OnlyTheSourceUrlLineInTheFirstPartOfTheHeaderCounts) {
  const std::string head = "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000200\r\n";
  const std::string html = "<html><body>\r\nSourceURL:http://falsch/\r\n</body></html>";
  const std::string limit(kSourceUrlHeaderLimit, '\n');
  const std::pair<std::string, std::string> rows[] = {
      {head + "SourceURL:https://example.com/a?b=1,2\r\n" + html, "https://example.com/a?b=1,2"},
      {"Version:1.0\nSourceURL:http://a/\nStartHTML:-1\n" + html, "http://a/"},
      {"SourceURL:http://a/\rVersion:1.0\r" + html, "http://a/"},
      {"Version:0.9\r\nSourceURL: http://a/ \r\n", "http://a/"},
      {"SourceURL:http://a", "http://a"},
      {head + html, ""},
      {head + "SourceURL:\r\n", ""},
      {"", ""},
      {html, ""},
      {"Version:0.9\r\nkein Kopf\r\nSourceURL:http://falsch/\r\n", ""},
      {"sourceurl:http://a/\r\n", ""},
      {"SourceURLs:http://a/\r\n", ""},
      {"SourceURL:https://de.example.org/K\xC3\xB6ln\r\n", "https://de.example.org/K%C3%B6ln"},
      {"SourceURL:http://a/" + std::string(kSourceUrlHeaderLimit, 'x'), ""},
      {"V:1" + limit.substr(0, kSourceUrlHeaderLimit / 4) + "SourceURL:http://a", "http://a"},
      {"Version:0.9" + limit + "SourceURL:http://a/", ""}};
  for (const auto& [data, address] : rows) {
    EXPECT_EQ(SourceUrlOfHtmlFormat(data), address) << data.substr(0, 60);
  }
}

std::string Uint32(uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// DROPFILES: pFiles, pt.x, pt.y, fNC, fWide.
std::string Header(uint32_t namesAt, bool wide) {
  return Uint32(namesAt) + Uint32(0) + Uint32(0) + Uint32(0) + Uint32(wide ? 1 : 0);
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
    {"one ANSI name", Header(20, false) + std::string("C:\\B\xE4r.jpg\0\0", 12),
     std::vector<std::string>{"C:\\B\xE4r.jpg"}},
    {"two names", Header(20, false) + std::string("C:\\a\0C:\\b\0\0", 11),
     std::vector<std::string>{"C:\\a", "C:\\b"}},
    {"a name of 5000 characters", Header(20, false) + kLongName + std::string(2, '\0'),
     std::vector<std::string>{kLongName}},
    {"the list may end with the block", Header(24, false) + "pad!C:\\a" + std::string(1, '\0'),
     std::vector<std::string>{"C:\\a"}},
    {"one wide name",
     Header(20, true) + Wide(u"C:\\\u0141\u00F3d\u017A.png") + std::string(4, '\0'),
     std::vector<std::string>{},
     {u"C:\\\u0141\u00F3d\u017A.png"}},
    {"no room for the header", Header(20, false).substr(0, 19), std::nullopt},
    {"names past the end", Header(4000, false) + std::string("C:\\a\0\0", 6), std::nullopt},
    {"names right at the end", Header(26, false) + std::string("C:\\a\0\0", 6), std::nullopt},
    {"names inside the header", Header(8, false) + std::string("C:\\a\0\0", 6), std::nullopt},
    {"a name without its zero", Header(20, false) + "C:\\a.jpg", std::nullopt},
    {"a wide name cut in half", Header(20, true) + Wide(u"C:\\a") + std::string(1, '\0'),
     std::nullopt},
    {"a wide name without its zero", Header(20, true) + Wide(u"C:\\a.jpg"), std::nullopt},
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
