#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <ostream>
#include <string>

#include "settings/action_record.h"
#include "settings/file_helpers.h"
#include "settings/number_text.h"
#include "settings/settings_store.h"

namespace qm {
namespace {

TEST(ParseWholeNumber, AcceptsDecimalWithBlanksAndSign) {
  EXPECT_EQ(ParseWholeNumber("1500"), 1500);
  EXPECT_EQ(ParseWholeNumber("  42 "), 42);
  EXPECT_EQ(ParseWholeNumber("-5"), -5);
  EXPECT_EQ(ParseWholeNumber("+7"), 7);
  EXPECT_EQ(ParseWholeNumber("007"), 7);
  EXPECT_EQ(ParseWholeNumber("1000000000000000000"), 1'000'000'000'000'000'000LL);
}

TEST(ParseWholeNumber, RefusesEverythingElse) {
  for (const char* text :
       {"", " ", "-", "+", "1.5", "1,5", "12a", "a12", "1 2", "--1", "0x10", "\t3"}) {
    EXPECT_EQ(ParseWholeNumber(text), std::nullopt) << '"' << text << '"';
  }
  EXPECT_EQ(ParseWholeNumber(kMissingEntry), std::nullopt);
}

TEST(ParseWholeNumber, HoldsHugeNumbersAtTheLimit) {
  constexpr long long kLimit = 1'000'000'000'000'000'000LL;
  EXPECT_EQ(ParseWholeNumber("1000000000000000001"), kLimit);
  EXPECT_EQ(ParseWholeNumber("99999999999999999999999"), kLimit);
  EXPECT_EQ(ParseWholeNumber("-99999999999999999999999"), -kLimit);
}

struct MethodCase {
  const char* aktion;
  SaveMethod method;
  int words;
};

class ParseMethodTest : public ::testing::TestWithParam<MethodCase> {};

TEST_P(ParseMethodTest, TellsTheMethodsApart) {
  const MethodChoice choice = ParseMethod(GetParam().aktion);
  EXPECT_EQ(choice.method, GetParam().method);
  if (choice.method == SaveMethod::WordFile || choice.method == SaveMethod::WordFolder) {
    EXPECT_EQ(choice.words, GetParam().words);
  }
}

void PrintTo(const MethodCase& c, std::ostream* out) { *out << '"' << c.aktion << '"'; }

std::string CaseName(const ::testing::TestParamInfo<MethodCase>& info) {
  std::string name = std::to_string(info.index) + "_";
  for (const char* c = info.param.aktion; *c; ++c)
    name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, ParseMethodTest,
    ::testing::Values(MethodCase{"bilder", SaveMethod::Bilder, 0},
                      MethodCase{"extradatei", SaveMethod::Numbered, 0},
                      MethodCase{"gleichedatei", SaveMethod::SameFile, 0},
                      MethodCase{"extradatei3", SaveMethod::WordFile, 3},
                      MethodCase{"extradatei9", SaveMethod::WordFile, 9},
                      MethodCase{"dateiundordner3", SaveMethod::WordFolder, 3},
                      MethodCase{"dateiundordner1", SaveMethod::WordFolder, 1},
                      // The length alone makes the folder method; the digit is the last character.
                      MethodCase{"xxxxxxxxxxxxxx7", SaveMethod::WordFolder, 7}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(DamagedValues, ParseMethodTest,
                         ::testing::Values(MethodCase{"Bilder", SaveMethod::WordFile, 1},
                                           MethodCase{"EXTRADATEI", SaveMethod::WordFile, 1},
                                           MethodCase{"dateiundordner", SaveMethod::WordFile, 1},
                                           MethodCase{"dateiundordner0", SaveMethod::WordFolder, 1},
                                           MethodCase{"extradatei0", SaveMethod::WordFile, 1},
                                           MethodCase{"4extradatei", SaveMethod::WordFile, 1},
                                           MethodCase{"", SaveMethod::WordFile, 1},
                                           MethodCase{"Kein Eintrag gefunden!",
                                                      SaveMethod::WordFile, 1}),
                         CaseName);

TEST(StandardMark, BlankBeforeTheMarkIsPartOfIt) {
  EXPECT_TRUE(IsStandardMarked("Notizen (Standard)"));
  EXPECT_EQ(PlainName("Notizen (Standard)"), "Notizen");
}

TEST(StandardMark, MarkWithoutBlankCostsTheLastLetter) {
  EXPECT_TRUE(IsStandardMarked("Notizen(Standard)"));
  EXPECT_EQ(PlainName("Notizen(Standard)"), "Notize");
}

TEST(StandardMark, OnlyTheExactEndingMarks) {
  for (const char* name : {"Notizen", "Notizen (standard)", "Notizen (Standard) ",
                           "(Standard) Notizen", "Standard)", ""}) {
    EXPECT_FALSE(IsStandardMarked(name)) << name;
  }
}

TEST(StandardMark, ShortNamesGiveAnEmptyPlainName) {
  EXPECT_TRUE(IsStandardMarked("(Standard)"));
  EXPECT_EQ(PlainName("(Standard)"), "");
  EXPECT_EQ(PlainName(""), "");
}

TEST(CompleteDriveRoot, BareDriveMeansItsRoot) {
  EXPECT_EQ(CompleteDriveRoot("d"), "d:\\");
  EXPECT_EQ(CompleteDriveRoot("D:"), "D:\\");
}

TEST(CompleteDriveRoot, OtherPathsStayAsTheyAre) {
  for (const char* path : {"C:\\", "C:\\Texte", "1", "1:", "dd", "d:x", "", "\\\\server\\share"}) {
    EXPECT_EQ(CompleteDriveRoot(path), path);
  }
}

TEST(FolderPrefix, EndsWithExactlyOneBackslash) {
  EXPECT_EQ(FolderPrefix("C:\\"), "C:\\");
  EXPECT_EQ(FolderPrefix("C:\\Texte"), "C:\\Texte\\");
  EXPECT_EQ(FolderPrefix("C:\\Texte\\"), "C:\\Texte\\");
  EXPECT_EQ(FolderPrefix("d"), "d:\\");
  EXPECT_EQ(FolderPrefix("d:"), "d:\\");
}

}  // namespace
}  // namespace qm
