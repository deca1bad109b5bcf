#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "resident/hotkeys.h"
#include "settings/action_cache.h"
#include "settings/current_options.h"
#include "settings/file_helpers.h"
#include "settings/number_text.h"
#include "tests/native/support/memory_settings.h"

namespace qm {
namespace {

constexpr const char* kMissing = "Kein Eintrag gefunden!";

TEST(SettingsNumbers, OnlyDecimalWholeNumbersCountAndHugeOnesStayHuge) {
  constexpr long long kLimit = 1'000'000'000'000'000'000LL;
  const struct {
    const char* text;
    std::optional<long long> value;
  } rows[] = {{"1500", 1500}, {"  42 ", 42}, {"-5", -5}, {"+7", 7}, {"007", 7},
              {"1000000000000000001", kLimit}, {"99999999999999999999999", kLimit},
              {"-99999999999999999999999", -kLimit}, {"", {}}, {" ", {}}, {"-", {}},
              {"1.5", {}}, {"1,5", {}}, {"12a", {}}, {"1 2", {}}, {"--1", {}}, {"0x10", {}},
              {"\t3", {}}, {kMissing, {}}};
  for (const auto& [text, value] : rows) EXPECT_EQ(ParseWholeNumber(text), value) << '"' << text << '"';
}

TEST(SaveMethodText, PlainNamesExactlyThenLengthFifteenIsTheFolderMethodElseFirstWords) {
  const struct {
    const char* aktion;
    SaveMethod method;
    int words;  // compared for the two first-words methods only
  } rows[] = {{"bilder", SaveMethod::Bilder, 0}, {"extradatei", SaveMethod::Numbered, 0},
              {"gleichedatei", SaveMethod::SameFile, 0}, {"extradatei9", SaveMethod::WordFile, 9},
              {"dateiundordner3", SaveMethod::WordFolder, 3},
              {"xxxxxxxxxxxxxx7", SaveMethod::WordFolder, 7},
              {"dateiundordner0", SaveMethod::WordFolder, 1}, {"Bilder", SaveMethod::WordFile, 1},
              {"EXTRADATEI", SaveMethod::WordFile, 1}, {"dateiundordner", SaveMethod::WordFile, 1},
              {"extradatei0", SaveMethod::WordFile, 1}, {"4extradatei", SaveMethod::WordFile, 1},
              {"", SaveMethod::WordFile, 1}, {kMissing, SaveMethod::WordFile, 1}};
  for (const auto& [aktion, method, words] : rows) {
    const MethodChoice choice = ParseMethod(aktion);
    EXPECT_EQ(choice.method, method) << '"' << aktion << '"';
    if (words) {
      EXPECT_EQ(choice.words, words) << '"' << aktion << '"';
    }
  }
}

TEST(SaveMethodText, OnlyFormatHtmlWritesHtml) {
  for (const auto& [format, extension] : {std::pair{"HTML", ".html"}, {"Text", ".txt"},
                                          {"html", ".txt"}, {kMissing, ".txt"}}) {
    EXPECT_EQ(DocumentExtension(format), extension) << format;
  }
}

TEST(StandardMark, OnlyTheExactEndingMarksAndThePlainNameDropsElevenCharacters) {
  const struct {
    const char* name;
    bool marked;
    const char* plain;
  } rows[] = {{"Notizen (Standard)", true, "Notizen"}, {"Notizen(Standard)", true, "Notize"},
              {"(Standard)", true, ""}, {"Notizen", false, ""}, {"Notizen (standard)", false, ""},
              {"Notizen (Standard) ", false, ""}, {"(Standard) Notizen", false, ""},
              {"Standard)", false, ""}, {"", false, ""}};
  for (const auto& [name, marked, plain] : rows) {
    EXPECT_EQ(IsStandardMarked(name), marked) << name;
    if (marked) {
      EXPECT_EQ(PlainName(name), plain) << name;
    }
  }
}

TEST(FolderText, BareDriveMeansItsRootAndAFolderGetsExactlyOneBackslash) {
  const struct {
    const char* path;
    const char* completed;
    const char* prefix;
  } rows[] = {{"d", "d:\\", "d:\\"}, {"D:", "D:\\", "D:\\"}, {"C:\\", "C:\\", "C:\\"},
              {"C:\\Texte", "C:\\Texte", "C:\\Texte\\"}, {"C:\\Texte\\", "C:\\Texte\\", "C:\\Texte\\"},
              {"1:", "1:", "1:\\"}, {"dd", "dd", "dd\\"}, {"d:x", "d:x", "d:x\\"}};
  for (const auto& [path, completed, prefix] : rows) {
    EXPECT_EQ(CompleteDriveRoot(path), completed) << path;
    EXPECT_EQ(FolderPrefix(path), prefix) << path;
  }
}

void PutAction(SettingsStore& settings, int number, const char* name, const char* aktiviert = "ja") {
  settings.Write(ActionSection(number), "Aktiviert", aktiviert);
  settings.Write(ActionSection(number), "Name", name);
}

TEST(ActionCache, OnlyExactJaActivatesAndTheStandardIsTheHighestActiveMarkedAction) {
  test::MemorySettings settings;
  PutAction(settings, 1, "Klein (Standard)", "Ja");
  PutAction(settings, 2, "Zwei (Standard)");
  PutAction(settings, 5, "Fuenf(Standard)");
  PutAction(settings, 9, "Neun (Standard)", "nein");
  PutAction(settings, 20, "Zwanzig (Standard)");
  PutAction(settings, 21, "Importiert (Standard)");  // sections above 20 are never read
  ActionCache cache;
  cache.Refresh(settings);
  EXPECT_EQ(cache.Record(1).Name, "");
  EXPECT_EQ(cache.StandardAction(), 20);
  PutAction(settings, 20, "Zwanzig (Standard)", "nein");
  cache.Refresh(settings);
  EXPECT_EQ(cache.StandardAction(), 5);
  for (int n : {0, -1, 21}) EXPECT_EQ(cache.Record(n).Name, "") << n;
}

TEST(ActionCache, ADeactivatedSlotKeepsItsRecordButIsNoStandard) {
  test::MemorySettings settings;
  ActionCache cache;
  PutAction(settings, 7, "Alt (Standard)");
  cache.Refresh(settings);
  PutAction(settings, 7, "Neu", "nein");
  cache.Refresh(settings);
  EXPECT_EQ(cache.Record(7).Name, "Alt (Standard)");
  EXPECT_EQ(cache.StandardAction(), 0);
}

TEST(CurrentOptions, SwitchesTakeOnlyTheirExactValue) {
  const struct {
    const char* key;
    const char* value;  // nullptr: the key is missing
    bool CurrentOptions::*flag;
    bool set;
  } rows[] = {{"NachrichtenASichern", "nein", &CurrentOptions::chkMessagesUnterdrücken, true},
              {"NachrichtenASichern", "Nein", &CurrentOptions::chkMessagesUnterdrücken, false},
              {"NachrichtenASichern", nullptr, &CurrentOptions::chkMessagesUnterdrücken, false},
              {"SpeicherhinweisASichern", "nein", &CurrentOptions::chkSpeicherhinweis, true},
              {"SpeicherhinweisASichern", "NEIN", &CurrentOptions::chkSpeicherhinweis, false},
              {"Beep", "ja", &CurrentOptions::chkBeep, true},
              {"Beep", "Ja", &CurrentOptions::chkBeep, false},
              {"Autostart", "ja", &CurrentOptions::chkAutostart, true},
              {"Autostart", "", &CurrentOptions::chkAutostart, false},
              {"Zugriff", "Direkt", &CurrentOptions::optDirekt, true},
              {"Zugriff", "direkt", &CurrentOptions::optDirekt, false},
              {"Zugriff", nullptr, &CurrentOptions::optDirekt, false}};
  for (const auto& [key, value, flag, set] : rows) {
    test::MemorySettings settings;
    if (value) settings.Write("Optionen", key, value);
    EXPECT_EQ(LoadCurrentOptions(settings).*flag, set) << key << "=" << (value ? value : "(missing)");
  }
}

TEST(CurrentOptions, BrokenColoursFallBackToReadableDefaults) {
  const CurrentOptions missing = LoadCurrentOptions(test::MemorySettings());
  EXPECT_NE(missing.frameHintergrundfarbe, missing.frameTextfarbe);
  EXPECT_NE(missing.frameSpeichertext, missing.frameSpeichertextfarbe);
  for (const char* damaged : {"weiss", "-1", "16777216", "1.5", ""}) {
    test::MemorySettings settings;
    settings.Write("Optionen", "Hintergrund", damaged);
    settings.Write("Optionen", "Speichertextfarbe", damaged);
    const CurrentOptions options = LoadCurrentOptions(settings);
    EXPECT_EQ(options.frameHintergrundfarbe, missing.frameHintergrundfarbe) << damaged;
    EXPECT_EQ(options.frameSpeichertextfarbe, missing.frameSpeichertextfarbe) << damaged;
  }
}

TEST(CurrentOptions, ColourTextTakesTheWholeColourRangeAndNothingElse) {
  for (const auto& [text, colour] : {std::pair{"0", 0u}, {"16777215", 0xFFFFFFu}, {" 255 ", 255u},
                                     {"16777216", 7u}, {"-255", 7u}, {kMissing, 7u}}) {
    EXPECT_EQ(ColourFromText(text, 7), colour) << text;
  }
}

TEST(CurrentOptions, WarningsAreHiddenOnlyWhenSavingAutomaticallyWithSuppression) {
  for (const auto& [automatic, suppressed, shown] :
       {std::tuple{false, false, true}, {true, false, true}, {false, true, true}, {true, true, false}}) {
    CurrentOptions options;
    options.chkMessagesUnterdrücken = suppressed;
    EXPECT_EQ(WarningShown(automatic, options), shown) << automatic << suppressed;
  }
}

// Every key the programs read is in the delivered file. An action not made yet has no
// section at all: reading it means "not active" and "no hotkey", as intended.
TEST(DeliveredSettings, HoldEveryKeyTheProgramsRead) {
  const auto delivered = test::MemorySettings::FromIni(QM_SOURCE_DIR "/assets/einstellungen20.ini");
  ASSERT_TRUE(delivered.HasSection("Optionen")) << "the delivered file was not read";
  LoadCurrentOptions(delivered);
  ActionCache().Refresh(delivered);
  for (const int id : AllHotkeyIds()) ReadHotkey(delivered, BindingOf(id));
  // Read by the save engine and the resident window, which run only on Windows.
  for (const auto& [section, key] : {std::pair{"Zeichen", "Zeichen"}, {"Start", "TempPfad"},
                                     {"Start", "Splash"}, {"Optionen", "AutomatischSichern"}}) {
    delivered.Read(section, key);
  }
  for (const auto& [section, key] : delivered.misses) {
    EXPECT_TRUE(section.starts_with("Aktion") && !delivered.HasSection(section))
        << "[" << section << "] " << key << " is missing";
  }
}

}  // namespace
}  // namespace qm
