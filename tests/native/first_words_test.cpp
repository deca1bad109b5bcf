#include "save/first_words.h"

#include <gtest/gtest.h>

#include <string>

#include "save/strip_out.h"

namespace qm {
namespace {

TEST(StripOut, RemovesEveryOccurrenceOfEachCharacter) {
  EXPECT_EQ(StripOut("Hallo, Welt! Wie?", ",!?"), "Hallo Welt Wie");
  EXPECT_EQ(StripOut("a:b:c", "::"), "abc");
  EXPECT_EQ(StripOut(":::", ":"), "");
}

TEST(StripOut, ComparesExactly) {
  EXPECT_EQ(StripOut("aAaA", "a"), "AA");
  EXPECT_EQ(StripOut("B\xE4r B\xC4r", "\xE4"), "Br B\xC4r");  // ä goes, Ä stays
}

TEST(StripOut, EmptyWhatOrFromLeavesTheText) {
  EXPECT_EQ(StripOut("Hallo", ""), "Hallo");
  EXPECT_EQ(StripOut("", "abc"), "");
}

std::string Name(std::string_view text, int words, std::string_view zeichen = "") {
  return FirstWordsName(text, words, zeichen);
}

TEST(FirstWordsName, TakesTheFirstWords) {
  EXPECT_EQ(Name("Hallo Welt und mehr", 2), "Hallo Welt");
  EXPECT_EQ(Name("Hallo Welt und mehr", 1), "Hallo");
  EXPECT_EQ(Name("Hallo Welt und mehr ", 4), "Hallo Welt und mehr");
}

TEST(FirstWordsName, FewerBlanksThanWordsGiveTheWholeText) {
  EXPECT_EQ(Name("Hallo Welt", 2), "Hallo Welt");
  EXPECT_EQ(Name("Hallo", 9), "Hallo");
}

TEST(FirstWordsName, OnlyBlanksInTheFirstHundredCharactersCount) {
  const std::string word99(99, 'x');
  EXPECT_EQ(Name(word99 + " danach", 1), word99);
  const std::string word100(100, 'x');
  EXPECT_EQ(Name(word100 + " danach", 1), word100 + " danach");
}

TEST(FirstWordsName, SkipsLeadingBlanksAndControlCharacters) {
  EXPECT_EQ(Name("  \r\nHallo Welt", 1), "Hallo");
  EXPECT_EQ(Name("\t\t\x01Hallo Welt", 1), "Hallo");
}

TEST(FirstWordsName, LineBreaksEndWords) {
  EXPECT_EQ(Name("Hallo\r\nWelt und mehr", 2), "Hallo Welt");
  EXPECT_EQ(Name("Hallo\nWelt", 1), "Hallo");
  EXPECT_EQ(Name("Hal\rlo Welt", 1), "Hallo");
}

TEST(FirstWordsName, TwoBlanksInARowAreTwoWordEnds) { EXPECT_EQ(Name("a  b c", 2), "a"); }

TEST(FirstWordsName, RemovesZeichenBeforeTrailingBlanks) {
  EXPECT_EQ(Name("Was? Wer: ich", 2, "?:"), "Was Wer");
  EXPECT_EQ(Name("Ja ! mehr", 2, "!"), "Ja");
  EXPECT_EQ(Name("a/b\\c d", 1, "\\/"), "abc");
}

TEST(FirstWordsName, TextOfOnlyBlanksAndControlsGivesAnEmptyName) {
  EXPECT_EQ(Name(" \r\n\t\x02  ", 1), "");
  EXPECT_EQ(Name("", 3), "");
}

TEST(FirstWordsName, HugeTextIsNamedByItsStart) {
  const std::string start = "Hallo Welt und mehr ";
  std::string huge = start;
  huge.resize(50u << 20, 'x');
  EXPECT_EQ(Name(huge, 2), Name(huge.substr(0, 1024), 2));
  EXPECT_EQ(Name(huge, 2), "Hallo Welt");
}

TEST(FirstWordsName, HugeTextWithoutBlanksGivesABoundedName) {
  const std::string huge(50u << 20, 'x');
  EXPECT_LE(Name(huge, 1).size(), kNameWindow);
}

}  // namespace
}  // namespace qm
