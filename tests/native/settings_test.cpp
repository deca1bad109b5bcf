#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "save/first_words.h"
#include "settings/action_cache.h"
#include "settings/ansi_text.h"
#include "settings/current_options.h"
#include "settings/excluded_programs.h"
#include "settings/file_helpers.h"
#include "settings/hotkeys.h"
#include "settings/number_text.h"
#include "settings/utf8_text.h"
#include "tests/native/support/memory_settings.h"
#include "ui/settings_input.h"

namespace qm {
namespace {

using namespace std::string_literals;

constexpr const char* kMissing = "Kein Eintrag gefunden!";

TEST(SettingsNumbers, OnlyDecimalWholeNumbersCountAndHugeOnesStayHuge) {
  const std::pair<const char*, std::optional<long long>> rows[] = {
      {"  42 ", 42}, {"-5", -5},  {"+7", 7},   {" ", {}},    {"-", {}},
      {"1.5", {}},   {"12a", {}}, {"1 2", {}}, {"0x10", {}}, {"\t3", {}}};
  for (const auto& [text, value] : rows) EXPECT_EQ(ParseWholeNumber(text), value) << text;
  constexpr long long kMax = 1'000'000'000'000'000'000LL;
  EXPECT_EQ(ParseWholeNumber("1000000000000000001"), kMax);
  EXPECT_EQ(ParseWholeNumber("-99999999999999999999999"), -kMax);
}

TEST(SaveMethodText, PlainNamesExactlyThenLengthFifteenIsTheFolderMethodElseFirstWords) {
  using enum SaveMethod;
  // Aktion, method, words (of the first-words methods only)
  const std::tuple<const char*, SaveMethod, int> rows[] = {{"bilder", Bilder, 0},
                                                           {"Bilder", WordFile, 1},
                                                           {"extradatei", Numbered, 0},
                                                           {"extradatei9", WordFile, 9},
                                                           {"dateiundordner", WordFile, 1},
                                                           {"dateiundordner0", WordFolder, 1},
                                                           {"abcdefghijklm 7", WordFolder, 7},
                                                           {kMissing, WordFile, 1}};
  for (const auto& [aktion, method, words] : rows) {
    const auto parsed = ParseMethod(aktion);
    EXPECT_EQ(parsed.method, method) << aktion;
    EXPECT_EQ(words ? parsed.words : 0, words) << aktion;
  }
}

// Typed text crosses into the data strictly: a look-alike never stands in for a letter
// the code page lacks, and a value the file would cut is refused.
TEST(SettingsText, TypedTextIsStoredOnlyWhenTheCodePageHoldsItAndTheFileReadsItWhole) {
  // typed, the longest value, what is stored (as UI text) or else a part of the box
  const std::tuple<std::u16string, std::size_t, std::wstring> rows[] = {
      {u"Grüße €", 7, L"Grüße €"},
      {std::u16string(126, u'x'), 126, std::wstring(126, L'x')},
      {u"\u0141\u00F3d\u017A", 126, L"\"\u0141\" (U+0141)"},
      {u"C:\uFF3CTexte", 126, L"U+FF3C"},
      {u"x\U0001F600", 126, L"U+1F600"},
      {std::u16string(116, u'x'), 115, L"höchstens 115 Zeichen"}};
  for (const auto& [typed, longest, shown] : rows) {
    const auto result = StorableText(typed, longest, L"Name");
    const auto* stored = std::get_if<std::string>(&result);
    const std::wstring text = stored ? WidenAnsi(*stored) : std::get<MessageRequest>(result).text;
    EXPECT_TRUE(stored ? text == shown : text.find(shown) != std::wstring::npos) << longest;
  }
}

// Values are code-page bytes (1252 here) except where an editor saved the file in UTF-8.
TEST(SettingsText, AValueAnEditorWroteInUtf8ReadsAsTypedAndEveryOtherValueAsWritten) {
  const std::pair<std::string, std::string> rows[] = {
      {"C:\\Users\\J\xC3\xB6rg\\Notizen \xE2\x82\xAC", "C:\\Users\\J\xF6rg\\Notizen \x80"},
      {"C:\\Users\\J\xF6rg", "C:\\Users\\J\xF6rg"},                      // the code page itself
      {"Notizen", "Notizen"},                                            // ASCII alone
      {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "\xC5\x81\xC3\xB3\x64\xC5\xBA"},  // "Łódź": no Ł in 1252
      {"J\xC3\xB6rg\xC3", "J\xC3\xB6rg\xC3"},                            // cut inside a letter
      {"Ma\xDF\xAB", "Ma\xDF\xAB"},  // "Maß«" reads as UTF-8 of a letter 1252 lacks
      {std::string(124, 'x') + "\xC3\xB6", std::string(124, 'x') + "\xC3\xB6"}};  // maybe cut
  for (const auto& [read, meant] : rows) EXPECT_EQ(ValueInTheCodePage(read), meant) << read;
}

TEST(FolderText, BareDriveMeansItsRootAndAFolderGetsExactlyOneBackslash) {
  const std::pair<const char*, const char*> rows[] = {
      {"d", "d:\\"}, {"C:\\", "C:\\"}, {"C:\\Texte", "C:\\Texte\\"}, {"dd", "dd\\"}};
  for (const auto& [path, prefix] : rows) EXPECT_EQ(FolderPrefix(path), prefix) << path;
}

TEST(Utf8Text, WideAndAnsiTextsBecomeUtf8AndBackAndOnlyWellFormedBytesReadAsUtf8) {
  const std::u16string wide = u"\u0141\u00F3\u0416 \U0001F600\u2192 x\xD83Dy";
  const std::string utf8 = "\xC5\x81\xC3\xB3\xD0\x96 \xF0\x9F\x98\x80\xE2\x86\x92 x\xEF\xBF\xBDy";
  std::string out = "<";
  AppendUtf8(out, wide);
  EXPECT_EQ(out, "<" + utf8);
  EXPECT_EQ(WideOfUtf8(utf8, 5), std::wstring(wide.begin(), wide.begin() + 4));
  EXPECT_EQ(WideOfUtf8(utf8, 6), std::wstring(wide.begin(), wide.begin() + 6));
  EXPECT_EQ(Utf8OfAnsi("Gr\xFC\xDF \x80"), "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC");
  std::string le = "<";
  std::string be;
  AppendUtf16Bytes(le, "A\xC5\x81\xF0\x9F\x98\x80", ByteOrder::LittleEndian);
  AppendUtf16Bytes(be, "A\xC5\x81\xF0\x9F\x98\x80", ByteOrder::BigEndian);
  EXPECT_EQ(le, "<A\0\x41\x01\x3D\xD8\x00\xDE"s);
  EXPECT_EQ(be, "\0A\x01\x41\xD8\x3D\xDE\x00"s);
  EXPECT_EQ(Utf8OfUtf16Bytes(le.substr(1), ByteOrder::LittleEndian), "A\xC5\x81\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8OfUtf16Bytes(be, ByteOrder::BigEndian), "A\xC5\x81\xF0\x9F\x98\x80");
  for (const std::string& broken :
       {be.substr(1), be.substr(0, 6), be.substr(0, 2) + be.substr(6)}) {
    EXPECT_EQ(Utf8OfUtf16Bytes(broken, ByteOrder::BigEndian), std::nullopt);
  }
  EXPECT_TRUE(IsUtf8(utf8));
  for (const char* broken :
       {"Gr\xFC\xDF", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"}) {
    EXPECT_FALSE(IsUtf8(broken)) << broken;
  }
}

// The lines are written back whole, so nothing but the changed values may differ.
TEST(SectionLines, NewValuesTakeTheirKeysPlaceWhateverItsCaseAndTheRestStaysAsItWas) {
  using namespace std::string_literals;
  const std::vector<KeyValue> values = {{"HotkeyC", "G"}, {"Aktiviert", "ja"}};
  const std::pair<std::string, std::string> rows[] = {
      {"Name=  \"A b\" \0 hotkeyc = F5\0Zahl\0"s,
       "Name=  \"A b\" \0HotkeyC=G\0Zahl\0Aktiviert=ja\0"s},
      {""s, "HotkeyC=G\0Aktiviert=ja\0"s}};
  for (const auto& [lines, merged] : rows) EXPECT_EQ(MergedLines(lines, values), merged);
}

// A section read from a file that another program holds comes back empty; a change
// merged into that would wipe the section's other keys once the file is free again.
TEST(SettingsChange, ASectionThatCannotBeReadIsNotWrittenAndTheChangeFailsWhole) {
  // the section that cannot be read, then what the change returns
  const std::pair<const char*, bool> rows[] = {{"", true}, {"Aktion1", false}, {"Aktion2", false}};
  for (const auto& [unreadable, written] : rows) {
    auto settings = test::MemorySettings::WithActions({{1, "Eins (Standard)"}, {2, "Zwei"}});
    settings.unreadableSection = unreadable;
    const auto failure = WriteChange(
        settings, {{"Aktion1", {{"Name", "Eins"}}}, {"Aktion2", {{"Name", "Zwei (Standard)"}}}});
    EXPECT_EQ(!failure, written) << unreadable;
    settings.unreadableSection.clear();  // the other program let go
    EXPECT_EQ(settings.Read("Aktion1", "Name"), written ? "Eins" : "Eins (Standard)");
    EXPECT_EQ(settings.Read("Aktion2", "Name"), written ? "Zwei (Standard)" : "Zwei");
    EXPECT_EQ(settings.Read("Aktion2", "Aktiviert"), "ja") << unreadable;
  }
}

// What the user types becomes the names, each once; the stored list reads back as it was
// written and shows as the field shows it; a process matches whatever the case of its
// name, an unknown one never.
TEST(ExcludedPrograms, TypedNamesAreStoredOneAKeyAndMatchTheirProcessWhateverTheCase) {
  const std::vector<std::string> names =
      ProgramNamesOfField(" KeePass.exe;mstsc.exe , ;keepass.EXE;  Mein Programm.exe ;");
  EXPECT_EQ(names, (std::vector<std::string>{"KeePass.exe", "mstsc.exe", "Mein Programm.exe"}));
  EXPECT_EQ(FieldOfProgramNames(names), "KeePass.exe; mstsc.exe; Mein Programm.exe");
  test::MemorySettings settings;
  EXPECT_FALSE(WriteExcludedPrograms(settings, names));
  EXPECT_EQ(settings.Read("Ausnahmen", "Programm3"), "Mein Programm.exe");
  EXPECT_EQ(ReadExcludedPrograms(settings), names);
  EXPECT_FALSE(WriteExcludedPrograms(settings, {}));
  EXPECT_TRUE(ReadExcludedPrograms(settings).empty());
  const std::pair<const char*, bool> processes[] = {
      {"KEEPASS.EXE", true}, {"mstsc.exe", true}, {"KeePass", false}, {"", false}};
  for (const auto& [process, excluded] : processes) {
    EXPECT_EQ(IsExcludedProgram(names, process), excluded) << process;
  }
}

// A refresh while another program holds the file keeps the actions the user has: what
// it read then are missing entries.
TEST(ActionCache, ExactJaActivatesTheStandardIsTheHighestActiveMarkedActionAndAHeldFileKeepsAll) {
  // "Ja" is not "ja", and a section above 20 is never read
  auto settings = test::MemorySettings::WithActions({{1, "Klein (Standard)"},
                                                     {5, "Fuenf(Standard)"},
                                                     {9, "Neun (Standard)", false},
                                                     {20, "Zwanzig (Standard)"},
                                                     {21, "Importiert (Standard)"}});
  settings.Write("Aktion1", "Aktiviert", "Ja");
  ActionCache cache;
  EXPECT_TRUE(cache.Refresh(settings));
  EXPECT_EQ(cache.Record(1).Name, "");
  EXPECT_EQ(cache.StandardAction(), 20);
  settings.Write("Aktion20", "Aktiviert", "nein");  // deleted: keeps its record
  EXPECT_TRUE(cache.Refresh(settings));
  EXPECT_EQ(cache.Record(20).Name, "Zwanzig (Standard)");
  EXPECT_EQ(cache.StandardAction(), 5);
  settings.unreadableSection = "Aktion5";
  EXPECT_FALSE(cache.Refresh(settings));
  EXPECT_EQ(cache.StandardAction(), 5);
}

TEST(CurrentOptions, ColoursTakeTheWholeColourRangeElseAReadableDefault) {
  const std::pair<const char*, Colour> rows[] = {
      {"0", 0}, {"16777215", 0xFFFFFF}, {" 255 ", 255}, {"16777216", 7}, {"-1", 7}, {"weiss", 7}};
  for (const auto& [text, colour] : rows) EXPECT_EQ(ColourFromText(text, 7), colour) << text;
  const CurrentOptions options = LoadCurrentOptions(test::MemorySettings());
  EXPECT_NE(options.frameHintergrundfarbe, options.frameTextfarbe);
  EXPECT_NE(options.frameSpeichertext, options.frameSpeichertextfarbe);
}

// Every key the programs read is in the delivered file. An action not made yet has no
// section at all: reading it means "not active" and "no hotkey", as intended.
TEST(DeliveredSettings, HoldEveryKeyTheProgramsRead) {
  std::ifstream file(QM_SOURCE_DIR "/assets/einstellungen20.ini", std::ios::binary);
  const auto delivered = test::MemorySettings::FromText({std::istreambuf_iterator<char>(file), {}});
  ASSERT_EQ(delivered.Read("Start", "Splash"), "1") << "the delivered file was not read";
  LoadCurrentOptions(delivered);
  ActionCache().Refresh(delivered);
  for (const int id : AllHotkeyIds()) ReadHotkey(delivered, BindingOf(id));
  // Read by the save engine and the resident window, which run only on Windows.
  delivered.Read("Start", "TempPfad");
  EXPECT_EQ(delivered.Read("Zeichen", "Zeichen"), kDeliveredZeichen);
  delivered.Read("Optionen", "AutomatischSichern");
  // An action that is not active may lack its other keys: nothing uses them.
  const auto misses = delivered.misses;
  for (const auto& [section, key] : misses) {
    EXPECT_TRUE(section.starts_with("Aktion") && delivered.Read(section, "Aktiviert") == "nein")
        << "[" << section << "] " << key << " is missing";
  }
}

}  // namespace
}  // namespace qm
