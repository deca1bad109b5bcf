#include "clipboard/source_url.h"

#include <gtest/gtest.h>

#include <string>

namespace qm {
namespace {

// The header a browser writes in front of the copied HTML, with the given lines
// between the offsets and the HTML.
std::string HtmlFormat(const std::string& extraHeaderLines, const std::string& html) {
  return "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000200\r\n"
         "StartFragment:0000000141\r\nEndFragment:0000000164\r\n" +
         extraHeaderLines + html;
}

const std::string kHtml =
    "<html><body>\r\n<!--StartFragment-->Hallo Welt<!--EndFragment-->\r\n</body></html>";

TEST(SourceUrlOfHtmlFormat, TakesTheSourceUrlLineOfTheHeader) {
  EXPECT_EQ(SourceUrlOfHtmlFormat(HtmlFormat("SourceURL:https://example.com/a?b=1,2\r\n", kHtml)),
            "https://example.com/a?b=1,2");
}

TEST(SourceUrlOfHtmlFormat, AcceptsAnyLineEndAndAnyPlaceInTheHeader) {
  EXPECT_EQ(SourceUrlOfHtmlFormat("Version:1.0\nSourceURL:http://a/\nStartHTML:-1\n" + kHtml),
            "http://a/");
  EXPECT_EQ(SourceUrlOfHtmlFormat("SourceURL:http://a/\rVersion:1.0\r" + kHtml), "http://a/");
  EXPECT_EQ(SourceUrlOfHtmlFormat("Version:0.9\r\nSourceURL: http://a/ \r\n"), "http://a/");
  EXPECT_EQ(SourceUrlOfHtmlFormat("Version:0.9\r\nSourceURL:http://a/"), "http://a/");
}

TEST(SourceUrlOfHtmlFormat, NoSourceUrlLineGivesEmpty) {
  EXPECT_EQ(SourceUrlOfHtmlFormat(HtmlFormat("", kHtml)), "");
  EXPECT_EQ(SourceUrlOfHtmlFormat(HtmlFormat("SourceURL:\r\n", kHtml)), "");
  EXPECT_EQ(SourceUrlOfHtmlFormat(""), "");
  EXPECT_EQ(SourceUrlOfHtmlFormat(kHtml), "");
}

TEST(SourceUrlOfHtmlFormat, ASourceUrlInTheHtmlDoesNotCount) {
  EXPECT_EQ(SourceUrlOfHtmlFormat(HtmlFormat("", "<html>\r\nSourceURL:http://falsch/\r\n")), "");
  EXPECT_EQ(SourceUrlOfHtmlFormat("<p>\r\nSourceURL:http://falsch/\r\n"), "");
  EXPECT_EQ(SourceUrlOfHtmlFormat("Version:0.9\r\nkein Kopf\r\nSourceURL:http://falsch/\r\n"), "");
}

TEST(SourceUrlOfHtmlFormat, TheNameIsMatchedExactly) {
  EXPECT_EQ(SourceUrlOfHtmlFormat("sourceurl:http://a/\r\n"), "");
  EXPECT_EQ(SourceUrlOfHtmlFormat("SourceURLs:http://a/\r\n"), "");
  EXPECT_EQ(SourceUrlOfHtmlFormat("Source URL:http://a/\r\n"), "");
}

TEST(SourceUrlOfHtmlFormat, BytesOutsideAsciiArePercentEncoded) {
  EXPECT_EQ(SourceUrlOfHtmlFormat("SourceURL:https://de.example.org/K\xC3\xB6ln\r\n"),
            "https://de.example.org/K%C3%B6ln");
}

TEST(SourceUrlOfHtmlFormat, OnlyTheFirstPartOfAHugeHeaderIsRead) {
  const std::string longAddress = "http://a/" + std::string(kSourceUrlHeaderLimit, 'x');
  EXPECT_EQ(SourceUrlOfHtmlFormat("SourceURL:" + longAddress + "\r\n" + kHtml), "");

  const std::string manyLines(kSourceUrlHeaderLimit / 4, '\n');
  EXPECT_EQ(SourceUrlOfHtmlFormat("Version:0.9" + manyLines + "SourceURL:http://a/\r\n"),
            "http://a/");
  const std::string tooManyLines(kSourceUrlHeaderLimit, '\n');
  EXPECT_EQ(SourceUrlOfHtmlFormat("Version:0.9" + tooManyLines + "SourceURL:http://a/\r\n"), "");
}

}  // namespace
}  // namespace qm
