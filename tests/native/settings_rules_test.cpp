#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

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

TEST(ParseMethod, TellsTheStoredMethodsApartAndTakesDamagedValuesForOneWordFiles) {
  struct Case {
    const char* aktion;
    SaveMethod method;
    int words;  // compared for the two first-words methods only
  };
  const Case cases[] = {
      {"bilder", SaveMethod::Bilder, 0},
      {"extradatei", SaveMethod::Numbered, 0},
      {"gleichedatei", SaveMethod::SameFile, 0},
      {"extradatei3", SaveMethod::WordFile, 3},
      {"extradatei9", SaveMethod::WordFile, 9},
      {"dateiundordner3", SaveMethod::WordFolder, 3},
      {"dateiundordner1", SaveMethod::WordFolder, 1},
      // The length alone makes the folder method; the digit is the last character.
      {"xxxxxxxxxxxxxx7", SaveMethod::WordFolder, 7},
      // Damaged values.
      {"Bilder", SaveMethod::WordFile, 1},
      {"EXTRADATEI", SaveMethod::WordFile, 1},
      {"dateiundordner", SaveMethod::WordFile, 1},
      {"dateiundordner0", SaveMethod::WordFolder, 1},
      {"extradatei0", SaveMethod::WordFile, 1},
      {"4extradatei", SaveMethod::WordFile, 1},
      {"", SaveMethod::WordFile, 1},
      {"Kein Eintrag gefunden!", SaveMethod::WordFile, 1}};
  for (const auto& [aktion, method, words] : cases) {
    const MethodChoice choice = ParseMethod(aktion);
    EXPECT_EQ(choice.method, method) << '"' << aktion << '"';
    if (method == SaveMethod::WordFile || method == SaveMethod::WordFolder) {
      EXPECT_EQ(choice.words, words) << '"' << aktion << '"';
    }
  }
}

TEST(StandardMark, MarkedNamesLoseTheMarkWithTheBlankBeforeIt) {
  const std::pair<const char*, const char*> marked[] = {
      {"Notizen (Standard)", "Notizen"},
      {"Notizen(Standard)", "Notize"},  // without the blank the mark costs the last letter
      {"(Standard)", ""}};
  for (const auto& [name, plain] : marked) {
    EXPECT_TRUE(IsStandardMarked(name)) << name;
    EXPECT_EQ(PlainName(name), plain) << name;
  }
  EXPECT_EQ(PlainName(""), "");
}

TEST(StandardMark, OnlyTheExactEndingMarks) {
  for (const char* name : {"Notizen", "Notizen (standard)", "Notizen (Standard) ",
                           "(Standard) Notizen", "Standard)", ""}) {
    EXPECT_FALSE(IsStandardMarked(name)) << name;
  }
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
