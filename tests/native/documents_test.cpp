#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "save/html_document.h"
#include "save/html_links.h"
#include "save/text_entry.h"

namespace qm {
namespace {

// A link as the writer makes it, with `shown` already escaped.
std::string Link(std::string_view shown) {
  return "<a href=\"" + std::string(shown) + "\" target=\"_blank\">" + std::string(shown) + "</a>";
}

TEST(HtmlLinks, CopiedTextStaysTextAndEveryHttpWordBecomesALinkLeavingOneBlank) {
  const std::pair<const char*, std::string> rows[] = {
      {"", ""}, {"Gr\xFC\xDF" "e aus M\xFCnchen\t!", "Gr\xFC\xDF" "e aus M\xFCnchen\t!"},
      {"a & b <i>\"c\"</i> 'd'", "a &amp; b &lt;i&gt;&quot;c&quot;&lt;/i&gt; 'd'"},
      {"HTTP://EXAMPLE.ORG und Https://example.org", "HTTP://EXAMPLE.ORG und Https://example.org"},
      {"xhttpy z", "x" + Link("httpy") + " z "},
      {"siehe http://example.org/a", "siehe " + Link("http://example.org/a") + " "},
      {"siehe http://example.org, dann", "siehe " + Link("http://example.org") + ", dann "},
      {"(http://example.org/x).", "(" + Link("http://example.org/x") + "). "},
      {"http://example.org/?", Link("http://example.org/?") + " "},
      {"http://example.org/\xE4!", Link("http://example.org/\xE4") + "! "},
      {"http://a.de http://b.de, und http://c.de",
       Link("http://a.de") + " " + Link("http://b.de") + ", und " + Link("http://c.de") + "   "},
      {"http://a.de/?u=http://b.de", Link("http://a.de/?u=http://b.de") + " "},
      {"http://a.de/?x=1&y=2", Link("http://a.de/?x=1&amp;y=2") + " "},
      {"\"http://a.de/\"onclick=\"x\"", "&quot;" + Link("http://a.de/&quot;onclick=&quot;x") + "&quot; "},
      {"<a>http://a.de</a>", "&lt;a&gt;" + Link("http://a.de&lt;/a&gt;") + " "}};
  for (const auto& [line, converted] : rows) {
    std::string out;
    AppendConvertedLine(out, line);
    EXPECT_EQ(out, converted) << line;
  }
}

TEST(HtmlLinks, OnlyCarriageReturnWithLineFeedEndsALineAndATrailingOneAddsAnEmptyLine) {
  const std::pair<const char*, std::string> rows[] = {
      {"abc", "abc<BR>\r\n"}, {"a\r\n\r\n \r\nb", "a<BR>\r\n<BR>\r\n <BR>\r\nb<BR>\r\n"},
      {"abc\r\n", "abc<BR>\r\n<BR>\r\n"}, {"a\nb\rc", "a\nb\rc<BR>\r\n"},
      {"http://a.de\nb", Link("http://a.de\nb") + " <BR>\r\n"}};
  for (const auto& [text, converted] : rows) {
    std::string out;
    AppendConvertedLines(out, text);
    EXPECT_EQ(out, converted) << text;
  }
}

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

HtmlDocumentParts Parts(std::string title = "Notiz") {
  return {std::move(title), {"#000000", "#FFFFFF", "#0000FF", "#FF0000", "#800080"}, {}, {}, {}};
}

const std::string kHeader =
    Lines({"<HTML>", "", "<HEAD>", "", "<TITLE>Notiz</TITLE>", "", "</HEAD>", "",
           "<BODY text=\"#000000\" bgcolor=\"#FFFFFF\" link=\"#0000FF\" alink=\"#FF0000\" vlink=\"#800080\">"});

TEST(HtmlDocument, HeaderEntryRowsAndClosingTagsWithEscapedTitleAndAddress) {
  EXPECT_EQ(HtmlDocument("abc", Parts()), kHeader + Lines({"abc<BR>", "", "", "</BODY>", "</HTML>"}));
  HtmlDocumentParts parts = Parts("Tom & Jerry");
  parts.dateTimeText = "06.12.2026 14:05:09";
  parts.address = "http://example.org/?a=1&b=\"2\"";
  parts.separator = "-----";
  const std::string address = "http://example.org/?a=1&amp;b=&quot;2&quot;";
  std::string header = kHeader;
  header.replace(header.find("Notiz"), 5, "Tom &amp; Jerry");
  EXPECT_EQ(HtmlDocument("abc\r\ndef", parts),
            header + Lines({" 06.12.2026 14:05:09<br>", std::string(20, '~'), "<br><br>", "abc<BR>",
                            "def<BR>", "", "", "<br>", "<a href=\"" + address + "\">" + address + "</a><BR>",
                            "<br>-----<br><br>", "</BODY>", "</HTML>"}));
}

TEST(HtmlDocument, ExtendingKeepsTheOldBodyWhatEverCopiedClosingTagsItHolds) {
  HtmlDocumentParts parts = Parts();
  parts.separator = "--";
  std::string document = HtmlDocument(" eins </body></html>", parts);
  document = HtmlDocument("zwei", parts, OldBody(document));
  EXPECT_EQ(document, kHeader + Lines({"eins &lt;/body&gt;&lt;/html&gt;<BR>", "", "", "<br>--<br><br>",
                                       "", "", "", "zwei<BR>", "", "", "<br>--<br><br>", "</BODY>",
                                       "</HTML>"}));
}

TEST(HtmlDocument, OldBodyDropsOurHeaderAndTheFirstClosingTagsAndKeepsForeignDocumentsWhole) {
  const std::string ours = Lines({"<HTML>", "", "<HEAD>", "", "<TITLE>Notiz</TITLE>", "", "</HEAD>", ""});
  const std::string otherHeader =
      Lines({"<HTML>", "", "<HEAD>", "", "<TITLE>Alt 1</TITLE>", "", "</HEAD>", "",
             "<BODY text=\"#010203\" bgcolor=\"#040506\" link=\"#070809\" alink=\"#0A0B0C\" vlink=\"#0D0E0F\">"});
  const std::string lowerCase = "<html>\r\n\r\n<head>\r\n\r\n<title>Notiz</title>\r\n\r\n</head>\r\n\r\n<body>\r\nabc";
  const std::pair<std::string, std::string> rows[] = {
      {otherHeader + "abc<BR>\r\n\r\n</BODY>\r\n</HTML>\r\n", "abc<BR>\r\n\r\n\r\n\r\n"},
      {kHeader + "  a</Body>b</BODY>c</hTmL>d</HTML>  ", "ab</BODY>cd</HTML>"},
      {kHeader + "  \r\n a \r\n  ", "\r\n a \r\n"}, {kHeader + "   ", ""}, {kHeader, ""},
      {kHeader + "<b>fett</b> </body> mehr<BR>\r\n</BODY>\r\n</HTML>\r\n", "<b>fett</b>  mehr<BR>\r\n</BODY>\r\n\r\n"},
      {"<html><body bgcolor=\"red\">\n<p>Hallo</p>\n</body></html>\n", "<html><body bgcolor=\"red\">\n<p>Hallo</p>\n\n"},
      {" nur Text \r\n", "nur Text \r\n"}, {lowerCase, lowerCase},
      {ours + "<BODY><p>abc</p>", ours + "<BODY><p>abc</p>"},
      {ours + "<BODYGUARD>\r\nabc", ours + "<BODYGUARD>\r\nabc"}};
  for (auto [document, body] : rows) EXPECT_EQ(OldBody(document), body) << document;
}

TEST(TextEntry, DateLineTextAddressAndSeparatorInTheirOrder) {
  const std::string tildes(20, '~');
  EXPECT_EQ(DateTimeText("06.12.2026", "14:05:09", false), "06.12.2026 14:05:09");
  EXPECT_EQ(DateTimeText("06.12.2026", "00:00:00", true), "06.12.2026");
  const struct {
    std::optional<std::string> date, address, separator;
    std::string bytes;
  } rows[] = {{{}, {}, {}, "abc\r\n"},
              {{}, "http://x/", {}, "abc\r\n \r\nhttp://x/\r\n"},
              {{}, "", {}, "abc\r\n \r\n\r\n"},
              {"1.1.2027", {}, "-----", " 1.1.2027\r\n" + tildes + "\r\n \r\nabc\r\n \r\n-----\r\n \r\n"},
              {"1.1.2027", "http://x/", "", " 1.1.2027\r\n" + tildes + "\r\n \r\nabc\r\n \r\nhttp://x/\r\n \r\n\r\n \r\n"}};
  for (const auto& [date, address, separator, bytes] : rows) {
    const std::string text = "abc";
    const TextEntryParts parts{date ? std::optional(DateLine(*date)) : std::nullopt, address, separator};
    const TextEntry entry = BuildTextEntry(text, parts);
    EXPECT_EQ(entry.head + std::string(entry.body) + entry.tail, bytes);
    EXPECT_EQ(entry.body.data(), text.data()) << "the clipboard text is written, not a copy";
  }
}

TEST(TextEntry, SeparatorRepeatsItsUnitUpToALimitAndNoCountGivesAnEmptyLine) {
  const struct {
    const char* unit;
    const char* count;
    std::string line;
  } rows[] = {{"-", "5", "-----"}, {"=*", "3", "=*=*=*"}, {"-", " 2 ", "--"}, {"", "5", ""},
              {"-", "0", ""}, {"-", "-3", ""}, {"-", "abc", ""}, {"-", "", ""}, {"-", "2.5", ""},
              {"-", "Kein Eintrag gefunden!", ""}, {"-", "2000000000", std::string(kMaxSeparatorRepeats, '-')},
              {"-", "99999999999999999999", std::string(kMaxSeparatorRepeats, '-')}};
  for (const auto& [unit, count, line] : rows) EXPECT_EQ(SeparatorLine(unit, count), line) << count;
}

}  // namespace
}  // namespace qm
