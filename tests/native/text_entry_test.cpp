#include "save/text_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace qm {
namespace {

const std::string kTildes(20, '~');

std::string Bytes(const TextEntry& entry) {
  return entry.head + std::string(entry.body) + entry.tail;
}

TEST(DateTimeText, DateBlankTimeExceptAtMidnight) {
  EXPECT_EQ(DateTimeText("06.12.2026", "14:05:09", false), "06.12.2026 14:05:09");
  EXPECT_EQ(DateTimeText("06.12.2026", "00:00:00", true), "06.12.2026");
}

TEST(DateLine, BlankDateLineBreakAndTwentyTildes) {
  EXPECT_EQ(DateLine("06.12.2026 14:05:09"), " 06.12.2026 14:05:09\r\n" + kTildes);
}

TEST(SeparatorLine, RepeatsTheUnit) {
  EXPECT_EQ(SeparatorLine("-", "5"), "-----");
  EXPECT_EQ(SeparatorLine("=*", "3"), "=*=*=*");
  EXPECT_EQ(SeparatorLine("-", " 2 "), "--");
  EXPECT_EQ(SeparatorLine("", "5"), "");
}

TEST(SeparatorLine, NoCountGivesAnEmptyLine) {
  for (const char* count : {"0", "-3", "abc", "", "2.5", "Kein Eintrag gefunden!"}) {
    EXPECT_EQ(SeparatorLine("-", count), "") << count;
  }
}

TEST(SeparatorLine, HugeCountIsCapped) {
  EXPECT_EQ(SeparatorLine("-", "2000000000"), std::string(kMaxSeparatorRepeats, '-'));
  EXPECT_EQ(SeparatorLine("ab", "1000000000000000000").size(), 2 * kMaxSeparatorRepeats);
  EXPECT_EQ(SeparatorLine("-", "99999999999999999999").size(), kMaxSeparatorRepeats);
}

TEST(BuildTextEntry, SameFileWithDate) {
  TextEntryParts parts;
  parts.dateLine = DateLine("06.12.2026 14:05:09");
  parts.separator = SeparatorLine("-", "5");
  EXPECT_EQ(Bytes(BuildTextEntry("abc", parts)),
            " 06.12.2026 14:05:09\r\n" + kTildes + "\r\n \r\nabc\r\n \r\n-----\r\n \r\n");
}

TEST(BuildTextEntry, PlainTextOnly) { EXPECT_EQ(Bytes(BuildTextEntry("abc", {})), "abc\r\n"); }

TEST(BuildTextEntry, AddressFollowsTheText) {
  TextEntryParts parts;
  parts.address = "http://example.org/";
  EXPECT_EQ(Bytes(BuildTextEntry("abc", parts)), "abc\r\n \r\nhttp://example.org/\r\n");
  parts.address = "";
  EXPECT_EQ(Bytes(BuildTextEntry("abc", parts)), "abc\r\n \r\n\r\n");
}

TEST(BuildTextEntry, AllPartsInOrder) {
  TextEntryParts parts{DateLine("1.1.2027"), "http://x/", ""};
  EXPECT_EQ(Bytes(BuildTextEntry("abc", parts)),
            " 1.1.2027\r\n" + kTildes + "\r\n \r\nabc\r\n \r\nhttp://x/\r\n \r\n\r\n \r\n");
}

TEST(BuildTextEntry, TextIsWrittenAsTheClipboardHoldsIt) {
  const std::string text = "  erste Zeile\r\nzweite\n\tdritte\r\n";
  const TextEntry entry = BuildTextEntry(text, {});
  EXPECT_EQ(entry.body.data(), text.data()) << "the body is the clipboard text itself, not a copy";
  EXPECT_EQ(Bytes(entry), text + "\r\n");
}

}  // namespace
}  // namespace qm
