#include "save/html_document.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace qm {
namespace {

// The lines, each followed by CR LF.
std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

HtmlDocumentParts PlainParts(std::string title = "Notiz") {
  HtmlDocumentParts parts;
  parts.title = std::move(title);
  parts.colours = {"#000000", "#FFFFFF", "#0000FF", "#FF0000", "#800080"};
  return parts;
}

const std::string kHeader =
    Lines({"<HTML>", "", "<HEAD>", "", "<TITLE>Notiz</TITLE>", "", "</HEAD>", "",
           "<BODY text=\"#000000\" bgcolor=\"#FFFFFF\" link=\"#0000FF\" "
           "alink=\"#FF0000\" vlink=\"#800080\">"});
const std::string kClosing = Lines({"", "", "</BODY>", "</HTML>"});

std::string OldBodyOf(std::string document) { return std::string(OldBody(document)); }

TEST(HtmlDocument, NewDocumentOfOneLine) {
  EXPECT_EQ(HtmlDocument("abc", PlainParts()), kHeader + Lines({"abc<BR>"}) + kClosing);
}

TEST(HtmlDocument, DateAddressAndSeparatorRows) {
  HtmlDocumentParts parts = PlainParts();
  parts.dateTimeText = "06.12.2026 14:05:09";
  parts.address = "http://example.org/?a=1&b=\"2\"";
  parts.separator = "-----";
  const std::string address = "http://example.org/?a=1&amp;b=&quot;2&quot;";
  EXPECT_EQ(HtmlDocument("abc\r\ndef", parts),
            kHeader + Lines({" 06.12.2026 14:05:09<br>", std::string(20, '~'), "<br><br>",
                             "abc<BR>", "def<BR>", "", "", "<br>",
                             "<a href=\"" + address + "\">" + address + "</a><BR>",
                             "<br>-----<br><br>", "</BODY>", "</HTML>"}));
}

TEST(HtmlDocument, ColoursAndTitleAreTheCurrentOnes) {
  HtmlDocumentParts parts = PlainParts("Tom & Jerry");
  parts.colours = {"#111111", "#222222", "#333333", "#444444", "#555555"};
  EXPECT_TRUE(HtmlDocument("abc", parts)
                  .starts_with(Lines({"<HTML>", "", "<HEAD>", "", "<TITLE>Tom &amp; Jerry</TITLE>",
                                      "", "</HEAD>", "",
                                      "<BODY text=\"#111111\" bgcolor=\"#222222\" link=\"#333333\" "
                                      "alink=\"#444444\" vlink=\"#555555\">"})));
}

TEST(HtmlDocument, ExtensionPutsTheOldBodyBelowTheNewHeader) {
  HtmlDocumentParts parts = PlainParts();
  parts.separator = "--";
  std::string first = HtmlDocument(" erster", parts);
  const std::string second = HtmlDocument("zweiter", parts, OldBody(first));
  // The old body loses its leading blank and keeps its line ends; the removed closing
  // tags leave their line ends behind.
  EXPECT_EQ(second,
            kHeader + Lines({"erster<BR>", "", "", "<br>--<br><br>", "", "", "", "zweiter<BR>", "",
                             "", "<br>--<br><br>", "</BODY>", "</HTML>"}));
}

// Its own header and the first closing tags go, whatever title and colours it had.
TEST(OldBody, HeaderWithOtherTitleAndColoursIsStillOurs) {
  HtmlDocumentParts parts = PlainParts("Alte Sammlung 1");
  parts.colours = {"#010203", "#040506", "#070809", "#0A0B0C", "#0D0E0F"};
  EXPECT_EQ(OldBodyOf(HtmlDocument("abc", parts)), Lines({"abc<BR>", "", "", "", ""}));
}

TEST(OldBody, ClosingTagsInAnyCaseOnlyTheFirstOfEach) {
  EXPECT_EQ(OldBodyOf(kHeader + "  a</Body>b</BODY>c</hTmL>d</HTML>  "), "ab</BODY>cd</HTML>");
}

TEST(OldBody, BlanksGoAtBothEndsLineEndsStay) {
  EXPECT_EQ(OldBodyOf(kHeader + "  \r\n a \r\n  "), "\r\n a \r\n");
  EXPECT_EQ(OldBodyOf(kHeader + "   "), "");
  EXPECT_EQ(OldBodyOf(kHeader), "");
}

TEST(OldBody, CopiedClosingTagsNeverCutTheDocument) {
  const HtmlDocumentParts parts = PlainParts();
  std::string document = HtmlDocument("eins </body></html> </BODY>", parts);
  for (const char* text : {"zwei </body>", "drei"}) {
    document = HtmlDocument(text, parts, OldBody(document));
  }
  EXPECT_EQ(document, kHeader + Lines({"eins &lt;/body&gt;&lt;/html&gt; &lt;/BODY&gt;<BR>", "", "",
                                       "", "", "", "zwei &lt;/body&gt;<BR>", "", "", "", "", "",
                                       "drei<BR>", "", "", "</BODY>", "</HTML>"}));
}

// A document of the writer before the escaping holds copied tags as they were and is
// taken as it stands: its copied "</body>" is the first one and goes, the real one
// stays behind in the body, where browsers pass over it.
TEST(OldBody, DocumentOfTheUnescapedWriterIsExtendedAsItIs) {
  const std::string body = Lines({"<b>fett</b> </body> mehr<BR>", "", ""});
  EXPECT_EQ(OldBodyOf(kHeader + body + Lines({"</BODY>", "</HTML>"})),
            Lines({"<b>fett</b>  mehr<BR>", "", "", "</BODY>", ""}));
}

TEST(OldBody, ForeignDocumentIsKeptWhole) {
  const std::string foreign =
      "<html><head><title>Fremd</title><style>p{color:red}</style></head>\n"
      "<body bgcolor=\"red\">\n<p>Hallo</p>\n</body></html>\n";
  EXPECT_EQ(OldBodyOf(foreign),
            "<html><head><title>Fremd</title><style>p{color:red}</style></head>\n"
            "<body bgcolor=\"red\">\n<p>Hallo</p>\n\n");
  EXPECT_EQ(OldBodyOf(" nur Text \r\n"), "nur Text \r\n");
}

TEST(OldBody, HeaderThatDiffersFromOursIsForeign) {
  const std::string lowerCase =
      "<html>\r\n\r\n<head>\r\n\r\n<title>Notiz</title>\r\n\r\n"
      "</head>\r\n\r\n<body>\r\nabc";
  EXPECT_EQ(OldBodyOf(lowerCase), lowerCase);
  const std::string bodyTagNotEndingItsLine =
      Lines({"<HTML>", "", "<HEAD>", "", "<TITLE>Notiz</TITLE>", "", "</HEAD>", ""}) +
      "<BODY><p>abc</p>";
  EXPECT_EQ(OldBodyOf(bodyTagNotEndingItsLine), bodyTagNotEndingItsLine);
  const std::string bodyOfAnotherName = Lines({"<HTML>", "", "<HEAD>", "", "<TITLE>Notiz</TITLE>",
                                               "", "</HEAD>", "", "<BODYGUARD>", "abc"});
  EXPECT_EQ(OldBodyOf(bodyOfAnotherName), bodyOfAnotherName);
}

}  // namespace
}  // namespace qm
