// The rules of the action editor: the summary line, the order of its checks and the
// section a name is written to.
#include <gtest/gtest.h>

#include <string>

#include "actions/editor_rules.h"
#include "tests/native/support/memory_settings.h"

namespace qm {
namespace {

using M = EditorMethod;
constexpr const char* kNone = "     -";

TEST(SummaryLine, ShowsWhereTheNextSaveWrites) {
  using F = DocumentFormat;
  struct Case {
    EditorMethod method;
    const char* folder;
    const char* file;
    DocumentFormat format;
    const char* expected;
  };
  const Case cases[] = {
      {M::SameFile, "C:\\", "Notiz", F::Text, "C:\\Notiz.txt"},  // a drive root has its backslash
      {M::Numbered, "C:\\Daten", "Notiz", F::Text, "C:\\Daten\\Notiz.txt"},
      {M::Numbered, "C:\\Daten", "Notiz", F::Html, "C:\\Daten\\Notiz.html"},
      {M::WordFile, "C:\\Daten", "Notiz", F::Text, "C:\\Daten\\***.txt"},
      {M::WordFile, "C:\\Daten", "Notiz", F::Markdown, "C:\\Daten\\***.md"},
      {M::WordFolder, "C:\\Daten", "Text", F::Markdown, "C:\\Daten\\...\\Text.md"},
      {M::Bilder, "C:\\Bilder", "egal", F::Html, "C:\\Bilder\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SummaryLine(c.method, c.folder, c.file, c.format), c.expected) << c.expected;
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
      {"", {"Strg", kNone, kNone}, M::Auswaehlen, "", L"Namen für"},           // the name first
      {"Notiz", {"Strg", kNone, kNone}, M::Auswaehlen, "", L"hinteren Teil"},  // before the method
      {"Notiz", {kNone, "Alt", kNone}, M::Numbered, "", L"hinteren Teil"},     // either modifier
      {"Notiz", {"Strg", "Alt", "N"}, M::Auswaehlen, "", L"Methode aus"},
      {"Notiz", {kNone, kNone, kNone}, M::WordFile, "", L"Zahl ein"},
      {"Notiz", {kNone, kNone, kNone}, M::Numbered, "", nullptr},        // no number needed
      {"Notiz", {kNone, kNone, "F9"}, M::WordFolder, "3", nullptr},      // a function key alone is
      {"Notiz", {kNone, kNone, "N"}, M::Auswaehlen, "", L"allein"},      // a letter alone is not
      {" \"\" ", {kNone, kNone, kNone}, M::Numbered, "", L"Namen für"},  // reads back empty
      {" Notiz ", {"Strg", "Alt", "N"}, M::Bilder, "", nullptr},
  };
  for (const Case& c : cases) {
    const auto problem = FirstProblem({c.typedName, c.fields, c.method, c.words});
    ASSERT_EQ(problem.has_value(), c.expected != nullptr) << c.typedName;
    if (problem) {
      EXPECT_NE(problem->text.find(c.expected), std::wstring::npos) << c.typedName;
    }
  }
}

TEST(ChooseSection, NameFirstThenTheFirstSectionThatIsNotJa) {
  test::MemorySettings settings;
  for (int n = 1; n <= 20; ++n) {
    if (n != 5) settings.Write(ActionSection(n), "Aktiviert", n == 3 ? "Nein" : "ja");
  }
  for (const auto& [n, name] : {std::pair{1, "Notizen (Standard)"},
                                {2, "Ordner"},
                                {3, "Alt"},
                                {4, "Doppelt"},
                                {7, "Doppelt"}}) {
    settings.Write(ActionSection(n), "Name", name);
  }
  struct Case {
    const char* name;
    SectionChoice expected;
  };
  const Case cases[] = {
      {"Neu", {3, false, false, "", {}}},  // "Nein" is free
      {"Ordner", {2, true, true, "Ordner", {}}},
      {"\"Ordner\"", {2, true, true, "Ordner", {}}},  // the quotes do not read back
      {"Notizen", {1, true, true, "Notizen (Standard)", {}}},
      {"Alt", {3, true, false, "Alt", {}}},         // a deleted action comes back
      {"Doppelt", {7, true, true, "Doppelt", {}}},  // the last of several
  };
  for (const Case& c : cases) {
    const SectionChoice choice = ChooseSection(settings, c.name);
    EXPECT_EQ(choice.number, c.expected.number) << c.name;
    EXPECT_EQ(choice.named, c.expected.named) << c.name;
    EXPECT_EQ(choice.active, c.expected.active) << c.name;
    EXPECT_EQ(choice.storedName, c.expected.storedName) << c.name;
  }
  settings.Write("Aktion3", "Aktiviert", "ja");
  EXPECT_EQ(ChooseSection(settings, "Neu").number, 5);  // no "Aktiviert" at all is free too
  settings.Write("Aktion5", "Aktiviert", "ja");
  EXPECT_EQ(ChooseSection(settings, "Neu").number, 0);  // nothing free
  // Held by another program, action 2 would read as free and be overwritten unasked.
  settings.Write("Aktion5", "Aktiviert", "nein");
  settings.unreadableSection = "Aktion2";
  const SectionChoice held = ChooseSection(settings, "Ordner");
  EXPECT_EQ(held.number, 0);
  EXPECT_TRUE(held.unread);
}

// An action is shown for editing only as the file holds it: read while another program
// held the file, it would show missing entries, which "Übernehmen" writes back.
TEST(ReadStoredAction, GivesTheActionAsStoredOrTheFailureOfTheFileHeld) {
  test::MemorySettings settings;
  WriteAction(settings, 4,
              {.name = "Vier",
               .dateiname = "Notiz",
               .speicherpfad = "D:\\Texte",
               .method = EditorMethod::SameFile,
               .hotkey = {"Strg", "Alt", "V"}});
  const auto stored = std::get<StoredAction>(ReadStoredAction(settings, 4));
  EXPECT_EQ(stored.record.Name, "Vier");
  EXPECT_EQ(stored.record.Speicherpfad, "D:\\Texte");
  EXPECT_EQ(stored.hotkey.c, "V");
  settings.unreadableSection = "Aktion4";
  EXPECT_TRUE(std::holds_alternative<WriteFailure>(ReadStoredAction(settings, 4)));
}

}  // namespace
}  // namespace qm
