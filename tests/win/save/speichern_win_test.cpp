// Speichern on real folders: the real file adapter, action 1 from a real settings file;
// clipboard, address and clock are fixed by the test, message boxes and notices recorded.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "save/access.h"
#include "save/save_adapters_win.h"
#include "save/speichern.h"
#include "settings/ansi_text.h"
#include "settings/settings_file_win.h"
#include "tests/support/save_recorders.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

using test::FolderEntries;
using test::ReadFileBytes;
using test::WriteFileBytes;

struct FixedSources : SaveSources {
  std::string ClipboardText() override { return text; }
  std::string ClipboardFileName() override { return fileName; }
  std::string BrowserAddress() override { return "http://quelle.example/?a=1&b=2"; }
  std::string NowText() override { return "07.12.2026 10:00:00"; }
  bool AutomaticSavingOn() override { return automatic; }
  std::string text;
  std::string fileName;
  bool automatic = false;
};

// The document the writer makes around `body`, titled after the file.
std::string Html(const std::string& title, const std::string& body) {
  return "<HTML>\r\n\r\n<HEAD>\r\n\r\n<TITLE>" + title +
         "</TITLE>\r\n\r\n</HEAD>\r\n\r\n<BODY text=\"#000000\" bgcolor=\"#FFFFFF\" "
         "link=\"#0000FF\" alink=\"#FF0000\" vlink=\"#800080\">\r\n" +
         body + "</BODY>\r\n</HTML>\r\n";
}

enum class Mode { ByHand, Automatic, AutomaticSuppressed };

class SaveWin : public ::testing::Test {
 protected:
  SaveWin() { EXPECT_TRUE(CreateDirectoryA(target.c_str(), nullptr)); }

  void Use(const std::string& aktion, const std::string& format = "Text", bool dateAndAddress = false,
           const std::string& path = "") {
    const std::string flag = dateAndAddress ? "ja" : "nein";
    const std::pair<const char*, std::string> keys[] = {
        {"Aktiviert", "ja"}, {"Name", "Test"}, {"Dateiname", "Notiz"},
        {"Speicherpfad", path.empty() ? target : path}, {"Aktion", aktion}, {"Format", format},
        {"URL", flag}, {"Datum", flag}};
    for (const auto& [key, value] : keys) settings.Write(ActionSection(1), key, value);
    actions.Refresh(settings);
  }

  void SetMode(Mode mode) {
    sources.automatic = mode != Mode::ByHand;
    options.chkMessagesUnterdrücken = mode == Mode::AutomaticSuppressed;
  }

  void Save(const std::string& text) {
    sources.text = text;
    if (!text.empty()) sources.fileName = text;
    SaveContext context{actions, options, settings, files, sources, messages, signals};
    Speichern(1, context);
  }

  // Every file below the target as "name" or "folder\name", sorted.
  std::vector<std::string> Files() const {
    std::vector<std::string> all;
    for (const std::string& name : FolderEntries(target)) {
      const auto inner = FolderEntries(target + "\\" + name);
      if (inner.empty()) all.push_back(name);
      for (const std::string& file : inner) all.push_back(name + "\\" + file);
    }
    return all;
  }

  std::string Saved(const std::string& name) const { return ReadFileBytes(target + "\\" + name); }

  test::ScratchFolder folder;
  const std::string target = folder / "Ziel";
  const test::ProgramSettingsFile settingsFile{
      "[Start]\r\nTempPfad=" + folder.Path() + "\r\n[Zeichen]\r\nZeichen=\\/:*?\"<>|\r\n[Optionen]\r\n"
      "Trennzeichen=-\r\nWiederholung=5\r\nSpeicherzeit=1500\r\nHexTextfarbe=#000000\r\n"
      "HexHintergrund=#FFFFFF\r\nHexLinks=#0000FF\r\nHexAlink=#FF0000\r\nHexVlink=#800080\r\n"};
  ProfileSettings settings;
  ActionCache actions;
  CurrentOptions options = LoadCurrentOptions(settings);
  WinSaveFiles files;
  FixedSources sources;
  test::RecordingMessageBoxes messages;
  test::RecordingSignals signals;
};

struct MethodCase {
  const char* name;
  const char* aktion;
  const char* format;
  std::vector<std::string> texts;
  std::vector<std::pair<std::string, std::string>> files;  // all files afterwards
  std::optional<std::string> existing = std::nullopt;      // Notiz.html before the saves
  bool dateAndAddress = false;
  size_t warnings = 0;
};

class SaveMethods : public SaveWin, public ::testing::WithParamInterface<MethodCase> {};

TEST_P(SaveMethods, WriteExactlyTheseFiles) {
  const MethodCase& row = GetParam();
  Use(row.aktion, row.format, row.dateAndAddress);
  if (row.existing) WriteFileBytes(target + "\\Notiz.html", *row.existing);
  for (const std::string& text : row.texts) Save(text);
  std::vector<std::string> names;
  for (const auto& [name, bytes] : row.files) {
    names.push_back(name);
    EXPECT_EQ(Saved(name), bytes) << name;
  }
  EXPECT_EQ(Files(), names);
  EXPECT_EQ(messages.shown.size(), row.warnings);
  EXPECT_EQ(signals.notices.size(), row.texts.size());
}

const std::string kSep = " \r\n-----\r\n \r\n";
const std::string kHtmlSep = "<br>-----<br><br>\r\n";
INSTANTIATE_TEST_SUITE_P(
    Table, SaveMethods,
    ::testing::Values(
        MethodCase{"numbered", "extradatei", "Text", {"eins", "zwei\r\nZeilen", "\xE4"},
                   {{"Notiz.txt", "eins\r\n"}, {"Notiz1.txt", "zwei\r\nZeilen\r\n"}, {"Notiz2.txt", "\xE4\r\n"}}},
        MethodCase{"first_words", "extradatei2", "Text", {"Hallo Welt eins", "Gr\xFC\xDF Gott zwei"},
                   {{"Gr\xFC\xDF Gott.txt", "Gr\xFC\xDF Gott zwei\r\n"}, {"Hallo Welt.txt", "Hallo Welt eins\r\n"}}},
        MethodCase{"same_file", "gleichedatei", "Text", {"eins", "zwei"},
                   {{"Notiz.txt", "eins\r\n" + kSep + "zwei\r\n" + kSep}}},
        MethodCase{"same_file_dated", "gleichedatei", "Text", {"eins"},
                   {{"Notiz.txt", " 07.12.2026 10:00:00\r\n~~~~~~~~~~~~~~~~~~~~\r\n \r\neins\r\n \r\n"
                                  "http://quelle.example/?a=1&b=2\r\n" + kSep}},
                   std::nullopt, true},
        MethodCase{"folder", "dateiundordner2", "Text", {"Hallo Welt eins", "Hallo Welt zwei", "Hallo Welt drei"},
                   {{"Hallo Welt\\Notiz.txt", "Hallo Welt eins\r\n"},
                    {"Hallo Welt\\Notiz1.txt", "Hallo Welt zwei\r\nHallo Welt drei\r\n"}},
                   std::nullopt, false, 2},
        MethodCase{"html_new", "extradatei", "HTML", {"Zeile\r\n<b>fett</b> & \"Zitat\" http://example.org/s"},
                   {{"Notiz.html", Html("Notiz", "Zeile<BR>\r\n&lt;b&gt;fett&lt;/b&gt; &amp; &quot;Zitat&quot; "
                                                 "<a href=\"http://example.org/s\" target=\"_blank\">"
                                                 "http://example.org/s</a> <BR>\r\n\r\n\r\n")}}},
        MethodCase{"html_own", "gleichedatei", "HTML", {"eins", "zwei & drei"},
                   {{"Notiz.html", Html("Notiz", "eins<BR>\r\n\r\n\r\n" + kHtmlSep + "\r\n\r\n\r\n"
                                                 "zwei &amp; drei<BR>\r\n\r\n\r\n" + kHtmlSep)}}},
        MethodCase{"html_empty", "gleichedatei", "HTML", {"eins"},
                   {{"Notiz.html", Html("Notiz", "eins<BR>\r\n\r\n\r\n" + kHtmlSep)}}, ""},
        MethodCase{"html_foreign", "gleichedatei", "HTML", {"eins"},
                   {{"Notiz.html", Html("Notiz", "<html><BODY><p>alt</p>\r\neins<BR>\r\n\r\n\r\n" + kHtmlSep)}},
                   "<html><BODY><p>alt</p></body></HTML>"},
        MethodCase{"html_folder", "dateiundordner2", "HTML", {"Hallo Welt eins", "Hallo Welt zwei", "Hallo Welt drei"},
                   {{"Hallo Welt\\Notiz.html", Html("Notiz", "Hallo Welt eins<BR>\r\n\r\n\r\n")},
                    {"Hallo Welt\\Notiz1.html", Html("Notiz1", "Hallo Welt zwei<BR>\r\n\r\n\r\n\r\n\r\n\r\n"
                                                               "Hallo Welt drei<BR>\r\n\r\n\r\n")}},
                   std::nullopt, false, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct WarningCase {
  const char* name;
  const char* aktion;
  std::vector<std::string> texts;
  MessageRequest warning;
  std::vector<std::string> files;
};

class SaveWarnings : public SaveWin,
                     public ::testing::WithParamInterface<std::tuple<WarningCase, Mode>> {};

TEST_P(SaveWarnings, AreShownUnlessSuppressedInAutomaticModeAndTheSaveGoesOn) {
  const auto& [row, mode] = GetParam();
  SetMode(mode);
  Use(row.aktion);
  for (const std::string& text : row.texts) Save(text);
  const size_t expected = mode == Mode::AutomaticSuppressed ? 0 : 1;
  EXPECT_EQ(messages.shown, std::vector<MessageRequest>(expected, row.warning));
  EXPECT_EQ(Files(), row.files);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveWarnings,
    ::testing::Combine(
        ::testing::Values(
            WarningCase{"name_taken", "extradatei2", {"Hallo Welt eins", "Hallo Welt zwei"},
                        {L"Datei existiert schon", L"Eine Datei mit dem gleichen Namen \"Hallo Welt.txt\" "
                         L"existiert schon. Der Text wird als \"Hallo Welt1.txt\" gespeichert.",
                         MessageIcon::Information},
                        {"Hallo Welt.txt", "Hallo Welt1.txt"}},
            WarningCase{"folder_taken", "dateiundordner2", {"Hallo Welt eins", "Hallo Welt zwei"},
                        {L"Quillmar 2.0", L"Ein Verzeichnis mit dem selben Namen existiert schon.\r\nIhr Text "
                         L"in der Zwischenablage hat dieselben 2 Anfangsworte wird daher als Notiz1 im "
                         L"gleichen Verzeichnis gespeichert.", MessageIcon::Information},
                        {"Hallo Welt\\Notiz.txt", "Hallo Welt\\Notiz1.txt"}},
            WarningCase{"no_image", "bilder", {"C:\\fehlt\\kein Bild.jpg"},
                        {L"Keine Bilddatei", L"Die Zwischenablage enthält keine passende Bilddatei.\r\n"
                         L"Es wird daher nichts gespeichert.", MessageIcon::Information},
                        {}}),
        ::testing::Values(Mode::ByHand, Mode::Automatic, Mode::AutomaticSuppressed)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "_" + std::to_string(static_cast<int>(std::get<1>(info.param)));
    });

struct FailureCase {
  const char* name;
  const char* aktion;
  const char* format;
  const char* text;
  const wchar_t* title;
  const wchar_t* textPart;
  const char* existing = nullptr;  // this file, held open with `share` during the save
  DWORD share = FILE_SHARE_READ;
};

class SaveFailures : public SaveWin, public ::testing::WithParamInterface<FailureCase> {};

// Failures are reported even when automatic mode suppresses warnings, and leave every
// file as it was.
TEST_P(SaveFailures, AreReportedAndChangeNothing) {
  const FailureCase& row = GetParam();
  SetMode(Mode::AutomaticSuppressed);
  Use(row.aktion, row.format, false, std::string(row.name) == "missing_folder" ? folder / "fehlt" : "");
  const std::string old = "<p>alt</p>\r\n";
  std::optional<test::FileLock> lock;
  if (row.existing) {
    WriteFileBytes(target + "\\" + row.existing, old);
    lock.emplace(target + "\\" + row.existing, row.share);
  }
  if (row.aktion == std::string("bilder")) sources.fileName = target + "\\" + row.existing;
  Save(row.text);
  lock.reset();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, row.title);
  EXPECT_NE(messages.shown[0].text.find(row.textPart), std::wstring::npos) << messages.shown[0].text.c_str();
  EXPECT_TRUE(signals.order.empty());
  if (row.existing) {
    EXPECT_EQ(Files(), std::vector<std::string>{row.existing});
    EXPECT_EQ(Saved(row.existing), old);
  } else {
    EXPECT_TRUE(Files().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveFailures,
    ::testing::Values(
        FailureCase{"missing_folder", "extradatei", "Text", "Text", L"Speicherort nicht vorhanden!", L"nicht existiert"},
        FailureCase{"empty_clipboard", "extradatei", "Text", "", L"Zwischenablage leer", L"nichts gespeichert"},
        FailureCase{"locked_append", "gleichedatei", "Text", "Text", L"Speichern fehlgeschlagen",
                    L"unverändert", "Notiz.txt"},
        FailureCase{"locked_read", "gleichedatei", "HTML", "Text", L"Speichern fehlgeschlagen",
                    L"nicht gelesen werden", "Notiz.html", 0},
        FailureCase{"locked_replace", "gleichedatei", "HTML", "Text", L"Speichern fehlgeschlagen",
                    L"nicht in die Datei", "Notiz.html"},
        FailureCase{"locked_image", "bilder", "Text", "", L"Speichern fehlgeschlagen", L"konnte nicht als",
                    "Foto.jpg", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveWin, ImagesAreCopiedUnderTheirNameAndNumberedWhenTaken) {
  Use("bilder");
  const std::string photo = folder / "Foto 1.jpg";
  WriteFileBytes(photo, std::string("\xFF\xD8\0jpg", 6));
  Save(photo);
  Save("file:///" + photo);
  EXPECT_EQ(Files(), (std::vector<std::string>{"Foto 1.jpg", "Foto 11.jpg"}));
  EXPECT_EQ(Saved("Foto 11.jpg"), ReadFileBytes(photo));
  EXPECT_EQ(signals.notices, std::vector<NoticeRequest>(2, {L"Bild wurde gespeichert!", 12, 320, 1500}));
}

// Hostile first words, without the Zeichen list: the name cleaning alone keeps names
// usable, so each text lands in one new entry of the target that reads back whole.
TEST_F(SaveWin, HostileFirstWordsStillGiveOneUsableEntryForBothNameMethods) {
  settings.Write("Zeichen", "Zeichen", "");
  for (const char* aktion : {"extradatei9", "dateiundordner9"}) {
    Use(aktion);
    for (const std::string& text : {std::string("CON"), std::string("aux.txt nul"), std::string("a:b*c?\"<>|"),
                                    std::string("..\\..\\x"), std::string("COM1 . "), std::string(300, 'w'),
                                    std::string("\r\n\r\n\n")}) {
      SCOPED_TRACE(std::string(aktion) + ": " + text);
      const auto before = FolderEntries(target);
      Save(text);
      const auto after = FolderEntries(target);
      ASSERT_EQ(after.size(), before.size() + 1);
      const std::string added = *std::mismatch(before.begin(), before.end(), after.begin()).second;
      const std::string file = aktion[0] == 'e' ? added : added + "\\Notiz.txt";
      EXPECT_LE(target.size() + 1 + file.size(), 259u);
      EXPECT_EQ(Saved(file), text + "\r\n");
    }
  }
  EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"Ziel"}));
  EXPECT_TRUE(messages.shown.empty());
}

struct RecordingShell : ShellOpener {
  std::optional<std::wstring> Open(const std::string& path, const std::string&) override {
    opened.push_back(path);
    return std::nullopt;
  }
  std::vector<std::string> opened;
};

TEST_F(SaveWin, AccessOpensTheSavedFileOrItsFolderOrSaysWhy) {
  const std::wstring noFile = L"Kein Zugriff möglich, da eine entsprechende Datei noch nicht existiert.";
  const std::wstring noFolder = L"Kein Zugriff möglich, da der Speicherort \"" + WidenAnsi(folder / "fehlt") +
                                L"\" nicht existiert.";
  const struct {
    const char* aktion;
    bool direct;
    bool fileSaved;
    std::string opened;  // empty when nothing opens
    std::wstring hint;
    std::string path = "";
  } rows[] = {{"gleichedatei", true, true, target + "\\Notiz.txt", L""},
              {"gleichedatei", true, false, "", noFile},
              {"gleichedatei", false, true, target + "\\", L""},
              {"extradatei2", true, true, target + "\\", L""},
              {"bilder", true, false, target + "\\", L""},
              {"gleichedatei", false, false, "", noFolder, folder / "fehlt"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.aktion) + (row.direct ? " direkt" : " Verzeichnis"));
    Use(row.aktion, "Text", false, row.path);
    DeleteFileA((target + "\\Notiz.txt").c_str());
    if (row.fileSaved) WriteFileBytes(target + "\\Notiz.txt", "x");
    options.optDirekt = row.direct;
    messages.shown.clear();
    RecordingShell shell;
    AccessContext context{actions, options, files, messages, shell};
    Menüklick2(0, context);
    EXPECT_EQ(shell.opened, row.opened.empty() ? std::vector<std::string>{} : std::vector<std::string>{row.opened});
    EXPECT_EQ(messages.shown.empty() ? L"" : messages.shown[0].text, row.hint);
  }
}

}  // namespace
}  // namespace qm
