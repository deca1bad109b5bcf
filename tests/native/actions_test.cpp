// The rules of the action editor: the summary line, the order of its checks, the
// section a name is written to and the stored method values.
#include <gtest/gtest.h>

#include <string>

#include "actions/editor_rules.h"
#include "tests/native/support/memory_settings.h"

namespace qm {
namespace {

using M = EditorMethod;
constexpr const char* kNone = "     -";

TEST(SummaryLine, ShowsWhereTheNextSaveWrites) {
  struct Case {
    EditorMethod method;
    const char* folder;
    const char* file;
    bool html;
    const char* expected;
  };
  const Case cases[] = {
      {M::SameFile, "C:\\", "Notiz", false, "C:\\Notiz.txt"},  // a drive root has its backslash
      {M::Numbered, "C:\\Daten", "Notiz", false, "C:\\Daten\\Notiz.txt"},
      {M::Numbered, "C:\\Daten", "Notiz", true, "C:\\Daten\\Notiz.html"},
      {M::Auswaehlen, "D:\\a b", "Name", false, "D:\\a b\\Name.txt"},
      {M::WordFile, "C:\\Daten", "Notiz", false, "C:\\Daten\\***.txt"},
      {M::WordFile, "C:\\", "Notiz", true, "C:\\***.html"},
      {M::WordFolder, "C:\\Daten", "Text", false, "C:\\Daten\\...\\Text.txt"},
      {M::WordFolder, "C:\\", "Text", true, "C:\\...\\Text.html"},
      {M::Bilder, "C:\\Bilder", "egal", true, "C:\\Bilder\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SummaryLine(c.method, c.folder, c.file, c.html), c.expected) << c.expected;
  }
}

TEST(FirstProblem, ReportsTheFirstFailingCheckOnly) {
  struct Case {
    const char* typedName;
    HotkeyText fields;
    EditorMethod method;
    const char* words;
    const wchar_t* expected;  // a phrase of the expected message, nullptr for none
  };
  const Case cases[] = {
      {"", {"Strg", kNone, kNone}, M::Auswaehlen, "", L"Namen für"},
      {"   ", {kNone, kNone, kNone}, M::Numbered, "", L"Namen für"},  // blanks read back empty
      {"Notiz", {"Strg", kNone, kNone}, M::Auswaehlen, "", L"hinteren Teil"},
      {"Notiz", {kNone, "Alt", kNone}, M::WordFile, "", L"hinteren Teil"},
      {"Notiz", {"Strg", "Alt", "N"}, M::Auswaehlen, "", L"Methode aus"},
      {"Notiz", {kNone, kNone, kNone}, M::WordFile, "", L"Zahl ein"},
      {"Notiz", {kNone, kNone, kNone}, M::WordFolder, "", L"Zahl ein"},
      {"Notiz", {kNone, kNone, kNone}, M::Numbered, "", nullptr},    // no number needed
      {"Notiz", {kNone, kNone, "F9"}, M::WordFolder, "3", nullptr},  // a key alone is a hotkey
      {" Notiz ", {"Strg", "Alt", "N"}, M::Bilder, "", nullptr},
  };
  for (const Case& c : cases) {
    const auto problem = FirstProblem({TrimmedName(c.typedName), c.fields, c.method, c.words});
    if (!c.expected) {
      EXPECT_FALSE(problem) << c.typedName;
      continue;
    }
    ASSERT_TRUE(problem) << c.typedName;
    EXPECT_NE(problem->text.find(c.expected), std::wstring::npos) << c.typedName;
  }
}

TEST(TrimmedName, DropsTheBlanksTheSettingsFileWouldDrop) {
  EXPECT_EQ(TrimmedName("  Notizen  "), "Notizen");
  EXPECT_EQ(TrimmedName("Meine Notizen"), "Meine Notizen");
  EXPECT_EQ(TrimmedName("\t \t"), "");
}

// Sections 1 and 2 active, 3 deleted under the name "Alt", 4 and 7 both named
// "Doppelt", 5 never used (no keys at all), the rest free with "nein".
test::MemorySettings Sections() {
  test::MemorySettings settings;
  for (int n = 1; n <= 20; ++n) {
    if (n != 5)
      settings.Write(ActionSection(n), "Aktiviert", n <= 2 || n == 4 || n == 7 ? "ja" : "nein");
  }
  settings.Write("Aktion1", "Name", "Notizen (Standard)");
  settings.Write("Aktion2", "Name", "Ordner");
  settings.Write("Aktion3", "Name", "Alt");
  settings.Write("Aktion4", "Name", "Doppelt");
  settings.Write("Aktion7", "Name", "Doppelt");
  return settings;
}

TEST(ChooseSection, NameFirstThenTheFirstFreeSection) {
  struct Case {
    const char* name;
    SectionChoice expected;
  };
  const Case cases[] = {
      {"Neu", {3, false, false}},  // "nein" is free
      {"Ordner", {2, true, true}},
      {"Alt", {3, true, false}},     // a deleted action comes back in its own section
      {"Doppelt", {7, true, true}},  // the last of several
      {"Notizen (Standard)", {1, true, true}},
  };
  const test::MemorySettings settings = Sections();
  for (const Case& c : cases) {
    const SectionChoice choice = ChooseSection(settings, c.name);
    EXPECT_EQ(choice.number, c.expected.number) << c.name;
    EXPECT_EQ(choice.named, c.expected.named) << c.name;
    EXPECT_EQ(choice.active, c.expected.active) << c.name;
  }
}

TEST(ChooseSection, AnythingButJaIsFree) {
  test::MemorySettings settings;  // Aktion9 holds no Aktiviert at all
  for (int n = 1; n <= 20; ++n) {
    if (n != 9) settings.Write(ActionSection(n), "Aktiviert", n == 12 ? "Nein" : "ja");
  }
  EXPECT_EQ(ChooseSection(settings, "Neu").number, 9);
  settings.Write("Aktion9", "Aktiviert", "ja");
  EXPECT_EQ(ChooseSection(settings, "Neu").number, 12);
  settings.Write("Aktion12", "Aktiviert", "ja");
  EXPECT_EQ(ChooseSection(settings, "Neu").number, 0);  // nothing free
}

TEST(StoredMethod, ValuesAndTheirEditorMethod) {
  struct Case {
    EditorMethod method;
    char words;
    const char* stored;
  };
  const Case cases[] = {
      {M::Numbered, '\0', "extradatei"},   {M::WordFile, '2', "extradatei2"},
      {M::SameFile, '\0', "gleichedatei"}, {M::WordFolder, '3', "dateiundordner3"},
      {M::Bilder, '\0', "bilder"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StoredAktion(c.method, c.words), c.stored);
    const StoredMethod loaded = MethodOfStored(c.stored);
    EXPECT_EQ(loaded.method, c.method) << c.stored;
    EXPECT_EQ(loaded.words, c.words) << c.stored;
  }
  EXPECT_EQ(StoredAktion(M::Auswaehlen, '\0'), "");
}

TEST(WriteAction, AHotkeyWithoutKeyIsStoredAsNone) {
  test::MemorySettings settings;
  ActionFields fields;
  fields.method = M::Numbered;
  fields.hotkey = {"Strg", "Alt", ""};
  WriteAction(settings, 4, fields);
  EXPECT_EQ(settings.Read("Aktion4", "Aktiviert"), "ja");
  for (const char* key : {"HotkeyA", "HotkeyB", "HotkeyC"})
    EXPECT_EQ(settings.Read("Aktion4", key), "");
}

}  // namespace
}  // namespace qm
