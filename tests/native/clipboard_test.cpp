#include <gtest/gtest.h>

#include "clipboard/address_field.h"
#include "clipboard/browser_titles.h"
#include "clipboard/dde_reply.h"
#include "clipboard/source_url.h"

namespace qm {
namespace {

TEST(BrowserTitles, TheFirstMatchingRowDecidesHowTheAddressIsRead) {
  const BrowserKind edit{AddressReading::EditField, {}};
  const BrowserKind none{};
  const auto dde = [](std::string_view server) { return BrowserKind{AddressReading::Dde, server}; };
  const std::pair<const char*, BrowserKind> rows[] = {
      {"Startseite - Microsoft Internet Explorer", edit}, {" - Microsoft Internet Explorer", edit},
      {"Seite - microsoft internet explorer", none}, {"Microsoft Internet Explorer - Hilfe", none},
      {"Seite - OPERA", edit}, {"opera.txt - Editor", edit}, {"Maxthon 2", edit},
      {"x - greenbrowser - y", edit}, {"Avant Browser", edit}, {"MULTI-BROWSER", edit},
      {"Avant-Browser", none}, {"Opera statt Mozilla Firefox", edit}, {"Netscape, Maxthon", edit},
      {"Seite - Mozilla Firefox", dde("Firefox")}, {"Seite - Mozilla", dde("Mozilla")},
      {"Seite - mozilla", none}, {"Seite - Mozilla firefox", none}, {"Firefox - Hilfe", none},
      {"Netscape - Mozilla Firefox", dde("Firefox")}, {"Seite - Netscape 6", dde("Netscp6")},
      {"NETSCAPE 6.2 - Seite", dde("Netscp6")}, {"Seite - Netscape 7", dde("NETSCAPE")},
      {"netscape Navigator", dde("NETSCAPE")}, {"Netscape - Mozilla", dde("NETSCAPE")},
      {"", none}, {"Quillmar 2.0", none}, {"Firefo", none}, {"Oper", none}};
  for (const auto& [title, kind] : rows) EXPECT_EQ(BrowserKindOfTitle(title), kind) << title;
}

TEST(AddressField, ExactPrefixesMakeAnAddressAndOnlyEditAndMozillaWindowsAreRead) {
  const std::pair<const char*, bool> addresses[] = {
      {"http://a", true}, {"https://example.com/x,y", true}, {"ftp://server/datei", true},
      {"", false}, {"www.example.com", false}, {"HTTP://a", false}, {"Https://a", false},
      {" http://a", false}, {"file:///C:/x.html", false}, {"http:/a", false}};
  for (const auto& [text, address] : addresses) EXPECT_EQ(IsPageAddress(text), address) << text;
  const std::pair<const char*, FieldVisit> classes[] = {
      {"Edit", FieldVisit::ReadOnly}, {"MozillaWindowClass", FieldVisit::ReadThenChildren},
      {"EDIT", FieldVisit::ChildrenOnly}, {"RichEdit20A", FieldVisit::ChildrenOnly},
      {"mozillawindowclass", FieldVisit::ChildrenOnly}, {"", FieldVisit::ChildrenOnly}};
  for (const auto& [name, visit] : classes) EXPECT_EQ(FieldVisitOfClass(name), visit) << name;
}

TEST(DdeReply, TheFirstQuotedFieldIsTheAddressCommasInsideQuotesIncluded) {
  const std::pair<const char*, const char*> rows[] = {
      {R"("http://example.com/","Beispiel","")", "http://example.com/"},
      {R"("http://example.com/a,b,c","Titel, mit Komma","")", "http://example.com/a,b,c"},
      {R"(  "http://a" ,"Titel")", "http://a"}, {R"("http://"x"a/b","Titel")", "http://a/b"},
      {R"(,"http://a","Titel")", ""}, {"http://a,b", ""}, {R"("http://a","b","c","d")", "http://a"},
      {R"("http://a,b)", "http://a,b"}, {R"("http://a,"Titel","")", "http://a,,"}, {"\"", ""}};
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
      {"Version:0.9\r\nSourceURL: http://a/ \r\n", "http://a/"}, {"SourceURL:http://a", "http://a"},
      {head + html, ""}, {head + "SourceURL:\r\n", ""}, {"", ""}, {html, ""},
      {"Version:0.9\r\nkein Kopf\r\nSourceURL:http://falsch/\r\n", ""},
      {"sourceurl:http://a/\r\n", ""}, {"SourceURLs:http://a/\r\n", ""},
      {"SourceURL:https://de.example.org/K\xC3\xB6ln\r\n", "https://de.example.org/K%C3%B6ln"},
      {"SourceURL:http://a/" + std::string(kSourceUrlHeaderLimit, 'x'), ""},
      {"V:1" + limit.substr(0, kSourceUrlHeaderLimit / 4) + "SourceURL:http://a", "http://a"},
      {"Version:0.9" + limit + "SourceURL:http://a/", ""}};
  for (const auto& [data, address] : rows) {
    EXPECT_EQ(SourceUrlOfHtmlFormat(data), address) << data.substr(0, 60);
  }
}

}  // namespace
}  // namespace qm
