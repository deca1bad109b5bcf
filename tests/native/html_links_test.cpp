#include "save/html_links.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace qm {
namespace {

std::string Converted(std::string_view line) {
  std::string out;
  AppendConvertedLine(out, line);
  return out;
}

std::string ConvertedLines(std::string_view text) {
  std::string out;
  AppendConvertedLines(out, text);
  return out;
}

// A link as the writer makes it, with `shown` already escaped.
std::string Link(std::string_view shown) {
  return "<a href=\"" + std::string(shown) + "\" target=\"_blank\">" + std::string(shown) + "</a>";
}

TEST(HtmlEscaping, MarkupCharactersBecomeEntities) {
  std::string out;
  AppendEscaped(out, "a & b <i>\"c\"</i> 'd'");
  EXPECT_EQ(out, "a &amp; b &lt;i&gt;&quot;c&quot;&lt;/i&gt; 'd'");
}

TEST(HtmlLineConversion, LinesWithoutLinksKeepTheirText) {
  EXPECT_EQ(Converted(""), "");
  EXPECT_EQ(Converted(" "), " ");
  EXPECT_EQ(Converted("Gr\xFC\xDF" "e aus M\xFCnchen\t!"), "Gr\xFC\xDF" "e aus M\xFCnchen\t!");
  EXPECT_EQ(Converted("</body></html><script>"), "&lt;/body&gt;&lt;/html&gt;&lt;script&gt;");
}

TEST(HtmlLineConversion, OnlyLowerCaseHttpMakesALink) {
  EXPECT_EQ(Converted("HTTP://EXAMPLE.ORG und Https://example.org"),
            "HTTP://EXAMPLE.ORG und Https://example.org");
  // A plain substring search: the link starts at "http", not at the word.
  EXPECT_EQ(Converted("xhttpy z"), "x" + Link("httpy") + " z ");
}

TEST(HtmlLineConversion, LinkAtTheLineEndLeavesOneBlank) {
  EXPECT_EQ(Converted("siehe http://example.org/a"),
            "siehe " + Link("http://example.org/a") + " ");
}

TEST(HtmlLineConversion, PunctuationAfterALinkGoesBackToTheText) {
  EXPECT_EQ(Converted("siehe http://example.org, dann"),
            "siehe " + Link("http://example.org") + ", dann ");
  EXPECT_EQ(Converted("(http://example.org/x)."), "(" + Link("http://example.org/x") + "). ");
  // The slash and everything above it stay with the address.
  EXPECT_EQ(Converted("http://example.org/?"), Link("http://example.org/?") + " ");
  EXPECT_EQ(Converted("http://example.org/."), Link("http://example.org/") + ". ");
  EXPECT_EQ(Converted("http://example.org/\xE4!"), Link("http://example.org/\xE4") + "! ");
}

TEST(HtmlLineConversion, EveryLinkOfALineLeavesOneBlankAtItsEnd) {
  EXPECT_EQ(Converted("http://a.de http://b.de, und http://c.de"),
            Link("http://a.de") + " " + Link("http://b.de") + ", und " + Link("http://c.de") +
                "   ");
  // A word holding "http" twice is one link.
  EXPECT_EQ(Converted("http://a.de/?u=http://b.de"), Link("http://a.de/?u=http://b.de") + " ");
}

TEST(HtmlLineConversion, CopiedMarkupInALinkStaysText) {
  EXPECT_EQ(Converted("http://a.de/?x=1&y=2"), Link("http://a.de/?x=1&amp;y=2") + " ");
  // The quotes that end the word go back to the text; the one inside cannot end the
  // attribute.
  EXPECT_EQ(Converted("\"http://a.de/\"onclick=\"x\""),
            "&quot;" + Link("http://a.de/&quot;onclick=&quot;x") + "&quot; ");
  EXPECT_EQ(Converted("<a>http://a.de</a>"), "&lt;a&gt;" + Link("http://a.de&lt;/a&gt;") + " ");
}

TEST(HtmlLines, EachLineEndsWithABreak) {
  EXPECT_EQ(ConvertedLines("abc"), "abc<BR>\r\n");
  EXPECT_EQ(ConvertedLines("a\r\n\r\n \r\nb"), "a<BR>\r\n<BR>\r\n <BR>\r\nb<BR>\r\n");
}

TEST(HtmlLines, TextEndingInALineBreakGetsOneMoreBreak) {
  EXPECT_EQ(ConvertedLines("abc\r\n"), "abc<BR>\r\n<BR>\r\n");
}

TEST(HtmlLines, OnlyCarriageReturnAndLineFeedTogetherEndALine) {
  EXPECT_EQ(ConvertedLines("a\nb\rc"), "a\nb\rc<BR>\r\n");
  EXPECT_EQ(ConvertedLines("http://a.de\nb"), Link("http://a.de\nb") + " <BR>\r\n");
}

}  // namespace
}  // namespace qm
