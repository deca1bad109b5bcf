#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <tuple>

#include "clipboard/copied_text.h"
#include "save/file_encoding.h"
#include "save/html_document.h"
#include "save/html_links.h"
#include "save/text_entry.h"
#include "settings/utf8_text.h"

namespace qm {
namespace {

using namespace std::string_literals;

// A link as the writer makes it, with `shown` already escaped.
std::string Link(std::string_view shown) {
  return "<a href=\"" + std::string(shown) + "\" target=\"_blank\">" + std::string(shown) + "</a>";
}

// That copied text is escaped and each line ends with one break is the fuzz target
// html_line's promise; here: where links begin and end.
TEST(HtmlLinks, EveryHttpWordBecomesALinkUpToItsEndAndOnlyCrLfEndsALine) {
  // each converted line ends with "<BR>\r\n"
  const std::pair<const char*, std::string> rows[] = {
      {"HTTP://A.DE und Https://a.de", "HTTP://A.DE und Https://a.de"},
      {"xhttpy z", "x" + Link("httpy") + " z "},
      {"http://a.de http://b.de, und http://c.de",
       Link("http://a.de") + " " + Link("http://b.de") + ", und " + Link("http://c.de") + "   "},
      {"http://a.de/?x=1&y=2", Link("http://a.de/?x=1&amp;y=2") + " "},
      {"\"http://a.de/\"onclick=\"x\"",
       "&quot;" + Link("http://a.de/&quot;onclick=&quot;x") + "&quot; "},
      {"<a>http://a.de</a>", "&lt;a&gt;" + Link("http://a.de&lt;/a&gt;") + " "},
      {"http://a.de\nb", Link("http://a.de\nb") + " "}};
  for (const auto& [text, converted] : rows) {
    std::string out;
    AppendConvertedLines(out, text);
    EXPECT_EQ(out, converted + "<BR>\r\n") << text;
  }
}

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

const std::string kTop =
    Lines({"<HTML>", "", "<HEAD>", "", "<TITLE>Notiz</TITLE>", "", "</HEAD>", ""});
const std::string kHeader =
    kTop + Lines({"<BODY text=\"#000000\" bgcolor=\"#FFFFFF\" link=\"#0000FF\" alink=\"#FF0000\" "
                  "vlink=\"#800080\">"});
const HtmlColours kColours{"#000000", "#FFFFFF", "#0000FF", "#FF0000", "#800080"};

TEST(HtmlDocument, HeaderEntryRowsAndClosingTagsWithEscapedTitleAndAddress) {
  const HtmlDocumentParts parts{
      "T & J?", kColours, "6.12.2026 14:05", "http://a/?a=1&b=\"2\"", "-", {{5, U'\u0141'}}};
  const std::string a = "http://a/?a=1&amp;b=&quot;2&quot;";
  EXPECT_EQ(HtmlDocument("abc\r\ndef", parts).Whole(),
            std::string(kHeader).replace(kHeader.find("Notiz"), 5, "T &amp; J&#321;") +
                Lines({" 6.12.2026 14:05<br>", std::string(20, '~'), "<br><br>", "abc<BR>",
                       "def<BR>", "", "", "<br>", "<a href=\"" + a + "\">" + a + "</a><BR>",
                       "<br>-<br><br>", "</BODY>", "</HTML>"}));
}

// That copied closing tags cannot cut an extended document is the fuzz target old_body's
// promise; the bytes of an extension on real files the save test's HTML row pins.
TEST(HtmlDocument, OldBodyDropsOurHeaderAndTheFirstClosingTagsAndKeepsForeignDocumentsWhole) {
  std::string other = kHeader;  // ours with another title and other colours
  other.replace(other.find("Notiz"), 5, "Alt 1").replace(other.find("#0000FF"), 7, "#070809");
  const std::pair<std::string, std::string> rows[] = {
      {other + "abc<BR>\r\n\r\n</BODY>\r\n</HTML>\r\n", "abc<BR>\r\n\r\n\r\n\r\n"},
      {kHeader + "  a</ht</Body>ml>b</BODY>c</hTmL>  ", "ab</BODY>c</hTmL>"},
      {"x</HTML>y</BODY>z</html>", "xyz</html>"},
      {kHeader + "  \r\n a \r\n  ", "\r\n a \r\n"},
      {"<html><body bgcolor=\"red\">\n<p>Hallo</p>\n</body></html>\n",
       "<html><body bgcolor=\"red\">\n<p>Hallo</p>\n\n"},
      {kTop + "<BODYGUARD>\r\nabc", kTop + "<BODYGUARD>\r\nabc"}};
  for (auto [document, body] : rows) EXPECT_EQ(OldBody(document), body) << document;
}

TEST(HtmlDocument, OnlyAMetaInTheFirstKilobyteDeclaresUtf8) {
  const std::pair<std::string, bool> rows[] = {
      {"<html><head><meta charset=\"UTF-8\"></head>", true},
      {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf8\">", true},
      {"<meta charset = 'utf-8'>", true},
      {"<meta name=\"x\"><meta charset=utf-8>", true},
      {"<meta charset=\"windows-1252\"><p>charset=utf-8</p>", false},
      {"<p>Die Seite ist in charset=utf-8</p>", false},
      {"<meta charset=\"iso-8859-1\"><meta name=\"x\" content=\"utf-8\">", false},
      {std::string(1020, ' ') + "<meta charset=\"utf-8\">", false},
      {"<meta charset=\"utf-8\"", true}};
  for (const auto& [document, declares] : rows) {
    EXPECT_EQ(DeclaresUtf8(document), declares) << document;
  }
}

TEST(TextEntry, DateTextAndASeparatorOfItsUnitRepeatedUpToALimit) {
  EXPECT_EQ(DateTimeText("06.12.2026", "14:05:09", false), "06.12.2026 14:05:09");
  EXPECT_EQ(DateTimeText("06.12.2026", "00:00:00", true), "06.12.2026");
  const std::string most(kMaxSeparatorRepeats, '-');
  const std::pair<const char*, std::string> rows[] = {
      {" 2 ", "--"},        {"0", ""},
      {"-3", ""},           {"2.5", ""},
      {"2000000000", most}, {"99999999999999999999", most}};
  for (const auto& [count, line] : rows) EXPECT_EQ(SeparatorLine("-", count), line) << count;
  EXPECT_EQ(SeparatorLine("=*", "3"), "=*=*=*");
  EXPECT_EQ(SeparatorLine("", "5"), "");
}

// What the recognition tells of a file read in pieces of at most `piece` bytes, and how
// many bytes it took.
std::pair<FileEncoding, size_t> Recognised(std::string_view file, size_t piece) {
  EncodingRecognition recognition(file.size());
  size_t read = 0;
  while (!recognition.Known()) {
    const std::span<char> room = recognition.Room();
    const size_t count = std::min({room.size(), piece, file.size() - read});
    std::copy_n(file.data() + read, count, room.data());
    read += count;
    recognition.Filled(count);
  }
  return {*recognition.Known(), read};
}

TEST(FileEncoding, AMarkDecidesElseWellFormedUtf8BeyondAsciiElseTheCodePageAtAnyPieceSize) {
  using enum FileEncoding;
  const std::string ascii(200000, 'x');
  const std::pair<std::string, FileEncoding> rows[] = {
      {"", None},
      {"abc\r\n", Ansi},
      {"K\xE4se", Ansi},
      {"Gr\xC3\xBC\xC3\x9F", Utf8},
      {ascii + "\xC3\xBC", Utf8},
      {"Gr\xC3\xBCK\xE4se", Ansi},  // UTF-8 that an ANSI entry was appended to
      {"Gr\xC3\xBC\xC3", Ansi},     // cut within the last character
      {ascii + "\xE4x", Ansi},
      {"\xEF\xBB\xBF", Utf8Bom},
      {"\xEF\xBB\xBFK\xE4se", Utf8Bom},  // the mark is taken at its word
      {"\xFF\xFE"s + "A\0"s, Utf16Le},
      {"\xFE\xFF\0A"s, Utf16Be},
      {"\xFF\xFE"s + "A", Unknown},  // no whole units
      {"\xFF\xFE\0\0"s, Unknown}};   // UTF-32
  for (const auto& [file, encoding] : rows) {
    for (const size_t piece : {size_t{1}, size_t{3}, file.size() + 1}) {
      EXPECT_EQ(Recognised(file, piece).first, encoding) << file.substr(0, 12) << " " << piece;
    }
  }
  // A file with a mark, or one that is not UTF-8, is not read on to its end.
  EXPECT_LT(Recognised("\xEF\xBB\xBF" + ascii, ascii.size()).second, ascii.size());
  EXPECT_LT(Recognised("K\xE4se" + ascii, ascii.size()).second, ascii.size());
}

TEST(CharacterReferences, CharactersTheCodePageLacksAreWrittenAsReferences) {
  // copied as UTF-16; its code-page 1252 form with stand-ins; the document lines
  const std::tuple<std::u16string, std::string, std::string> rows[] = {
      {u"\u0141 Krak\u00F3w \u2192 \u20ACz?", "? Krak\xF3w ? \x80z?",
       "&#321; Krak\xF3w &#8594; \x80z?<BR>\r\n"},
      {u"a\U0001F600b", "a?b", "a&#128512;b<BR>\r\n"},
      {u"x\xD83Dy\xDE00", "x?y?", "x&#65533;y&#65533;<BR>\r\n"},
      {u"\u0416&\u0416 http://\u043F.ru/\u0416, \u0416\r\n\u0416", "?&? http://?.ru/?, ?\r\n?",
       "&#1046;&amp;&#1046; " + Link("http://&#1087;.ru/&#1046;") +
           ", &#1046; <BR>\r\n&#1046;<BR>\r\n"}};
  for (const auto& [utf16, ansi, html] : rows) {
    std::string utf8;
    AppendUtf8(utf8, utf16);
    const StandIns copied = AnsiWithStandIns(utf8);
    EXPECT_EQ(copied.ansi, ansi);
    std::string converted;
    AppendConvertedLines(converted, copied.ansi, copied.foreign);
    EXPECT_EQ(converted, html) << ansi;
  }
}

}  // namespace
}  // namespace qm
