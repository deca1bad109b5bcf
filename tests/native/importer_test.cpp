#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "importer/import_mapping.h"
#include "tests/native/support/memory_settings.h"

namespace qm {
namespace {

// A settings file held in memory, filled from its text, read like the importer reads.
test::MemorySettings IniText(const std::string& text) {
  return test::MemorySettings::FromText(text, kImporterMissingEntry);
}

struct World : ImportWorld {
  std::string desktop = "C:\\Users\\anna\\Desktop";
  bool FolderExists(const std::string& path) const override { return !path.starts_with("X:"); }
  std::string DesktopFolder() const override { return desktop; }
  std::string ProgramFolder() const override { return "E:\\Quillmar 2.0"; }
};

const std::string kOldOptions = "[Optionen]\nAutostart=ja\nURL=ja\n";
const std::string kOldStart = "[Start]\nSpeicherpfad=C:\\Notizen\nAktion=DateiundOrdner\n";
const std::string kTwoActive =
    "[Aktion1]\nAktiviert=ja\nName=Beispiel\n[Aktion2]\nAktiviert=ja\nName=Web (Standard)\n";

std::string OldAction(int m, const std::string& name, const std::string& folder,
                      const std::string& method, const std::string& active = "ja") {
  return "[Aktion" + std::to_string(m) + "]\nAktiviert=" + active + "\nName=" + name +
         "\nDateiname=d" + std::to_string(m) + "\nSpeicherpfad=" + folder + "\nAktion=" + method +
         "\nFormat=Text\nURL=nein\nDatum=ja\n";
}

std::string AllTwentyActive() {
  std::string text;
  for (int k = 1; k <= 20; ++k)
    text += OldAction(k, "Neu" + std::to_string(k), "D:\\Texte", "bilder");
  return text;
}

enum class Report { Success, Mostly, Failure };

Report ReportOf(const ImportResult& result) {
  const MessageRequest report = ImportReport(result);
  if (report.icon == MessageIcon::Exclamation) return Report::Failure;
  return report.title.find(L"größtenteils") != std::wstring::npos ? Report::Mostly
                                                                  : Report::Success;
}

struct ImportCase {
  const char* behaviour;
  std::string oldFile;
  std::string newFile = kTwoActive;
  bool twice = false;
  std::map<std::string, std::string> expected = {};  // "Section/Key" -> value in the new file
  Report report = Report::Success;
  std::string missingFolders = "\r\n";
  std::vector<std::wstring> listed = {};  // parts of the report: names it lists, a reason
  std::string desktop = "C:\\Users\\anna\\Desktop";
  std::string refusedSection = {};
  std::string unreadableOldSection = {};  // held by another program as it is read
  std::string unreadableNewSection = {};
};

const std::string kMissing(kImporterMissingEntry);
const std::string kFar = "X:\\gibt es nicht";

const ImportCase kImportCases[] = {
    {.behaviour = "options, main action and active old actions fill the free slots, once only",
     .oldFile = kOldOptions + kOldStart + OldAction(1, "Ordner", "D:\\Texte", "dateiundordner") +
                OldAction(2, "Aus", "D:\\Texte", "gleichedatei", "nein") +
                OldAction(3, "Worte", "D:\\Texte", "extradatei5") +
                OldAction(4, "Web", "D:\\Texte", "bilder"),
     .newFile = kTwoActive + "[Aktion3]\nAktiviert=nein\n",
     .twice = true,
     .expected = {{"Optionen/Wiederholung", kMissing},
                  {"Aktion3/Aktion", "dateiundordner3"},
                  {"Aktion3/Speicherpfad", "C:\\Notizen"},
                  {"Aktion3/Url", "ja"},
                  {"Aktion4/Name", "Ordner"},
                  {"Aktion6/Aktiviert", kMissing}},
     .listed = {L"AlteHauptaktion\r\nOrdner\r\nWorte\r\nWeb"}},
    {.behaviour = "missing folders: the desktop on c:, the folder in column 52 or one blank on",
     .oldFile = kOldOptions + kOldStart + OldAction(1, "Weg", kFar, "gleichedatei") +
                OldAction(2, std::string(60, 'N'), kFar, "bilder"),
     .expected = {{"Aktion4/Speicherpfad", "c:\\Users\\anna\\Desktop"}},
     .report = Report::Mostly,
     .missingFolders = "\r\nWeg:" + std::string(47, ' ') + kFar + "\r\n" + std::string(60, 'N') +
                       ": " + kFar + "\r\n"},
    {.behaviour = "an unknown desktop gives the program folder",
     .oldFile = kOldOptions + "[Start]\nSpeicherpfad=" + kFar + "\n",
     .expected = {{"Aktion3/Speicherpfad", "E:\\Quillmar 2.0"}},
     .report = Report::Mostly,
     .missingFolders = "\r\nAlteHauptaktion:" + std::string(35, ' ') + kFar + "\r\n",
     .desktop = ""},
    {.behaviour = "with all twenty slots active nothing is written beyond section 20",
     .oldFile = kOldOptions + kOldStart + OldAction(2, "Zu viel", "D:\\Texte", "bilder"),
     .newFile = AllTwentyActive(),
     .expected = {{"Aktion21/Aktiviert", kMissing}, {"Aktion20/Name", "Neu20"}},
     .report = Report::Mostly,
     .listed = {L"AlteHauptaktion\r\nZu viel"}},
    {.behaviour = "a name is taken once, also when the old file repeats it, and cut to 115",
     .oldFile = kOldOptions + kOldStart + OldAction(1, "Doppelt", "D:\\Texte", "bilder") +
                OldAction(2, " Doppelt", "D:\\Texte", "bilder") +
                OldAction(3, "AlteHauptaktion", "D:\\Texte", "bilder") +
                OldAction(4, std::string(120, 'L'), "D:\\Texte", "bilder"),
     .expected = {{"Aktion3/Name", "AlteHauptaktion"},
                  {"Aktion4/Name", "Doppelt"},
                  {"Aktion5/Name", std::string(115, 'L')},
                  {"Aktion6/Aktiviert", kMissing}},
     .listed = {L"Doppelt\r\nAlteHauptaktion", L"gekürzt:\r\n" + std::wstring(115, L'L')}},
    {.behaviour = "a write that does not reach the file ends the import as not done, all of it",
     .oldFile = kOldOptions + kOldStart + OldAction(1, "Eins", "D:\\Texte", "bilder"),
     .expected = {{"Aktion3/Name", kMissing}, {"Optionen/Autostart", kMissing}},
     .report = Report::Failure,
     .listed = {L"C:\\Q\\einstellungen20.ini", L"Zugriff verweigert"},
     .refusedSection = "Aktion4"},
    {.behaviour = "an old file held by another program while it is read writes nothing",
     .oldFile = kOldOptions + kOldStart + OldAction(1, "Eins", "D:\\Texte", "bilder"),
     .expected = {{"Aktion3/Name", kMissing}, {"Optionen/Autostart", kMissing}},
     .report = Report::Failure,
     .listed = {L"konnte nicht gelesen werden:\r\nZugriff verweigert"},
     .unreadableOldSection = "Aktion1"},
    {.behaviour = "so does a new file held while its actions are read",
     .oldFile = kOldOptions + kOldStart,
     .expected = {{"Aktion3/Name", kMissing}, {"Optionen/Autostart", kMissing}},
     .report = Report::Failure,
     .listed = {L"C:\\Q\\einstellungen20.ini\" konnte nicht gelesen werden"},
     .unreadableNewSection = "Aktion2"},
};

TEST(Importer, TakesOldSettingsOverIntoFreeSlots) {
  for (const ImportCase& c : kImportCases) {
    SCOPED_TRACE(c.behaviour);
    auto old = IniText(c.oldFile);
    auto target = IniText(c.newFile);
    World world;
    world.desktop = c.desktop;
    old.unreadableSection = c.unreadableOldSection;
    target.refusedSection = c.refusedSection;
    target.unreadableSection = c.unreadableNewSection;
    ImportResult result = ImportOldSettings(old, target, world);
    if (c.twice) result = ImportOldSettings(old, target, world);
    for (const auto& [where, value] : c.expected) {
      const auto slash = where.find('/');
      EXPECT_EQ(target.Read(where.substr(0, slash), where.substr(slash + 1)), value) << where;
    }
    EXPECT_EQ(ReportOf(result), c.report);
    EXPECT_EQ(result.missingFolders, c.missingFolders);
    for (const std::wstring& part : c.listed) {
      EXPECT_NE(ImportReport(result).text.find(part), std::wstring::npos) << part.c_str();
    }
  }
}

// A damaged or foreign file is refused before anything is written, and so is one that
// another program held while it was read, which is not taken for a foreign one.
TEST(Importer, AcceptsOnlyOldSettingsFiles) {
  EXPECT_TRUE(IsOldSettingsFileName("C:\\Quillmar\\einstellungen.ini"));
  EXPECT_FALSE(IsOldSettingsFileName("C:\\einstellungen.ini\\Einstellungen.ini"));
  // the file, the section held while it is read, and the title of the refusal, if any
  const std::tuple<std::string, const char*, std::wstring> rows[] = {
      {kOldOptions + kOldStart, "", L""},
      {kOldOptions, "", L"Keine Einstellungen von Quillmar 1.5x"},
      {kOldStart, "", L"Keine Einstellungen von Quillmar 1.5x"},
      {"[Optionen]\nBeep=ja\n[Start]\nSplash=1\n", "", L"Keine Einstellungen von Quillmar 1.5x"},
      {kOldOptions + kOldStart, "Start", L"Einstellungen nicht übernommen"}};
  for (const auto& [text, held, title] : rows) {
    auto old = IniText(text);
    old.unreadableSection = held;
    const auto refusal = OldSettingsRefusal(old);
    EXPECT_EQ(refusal ? refusal->title : L"", title) << text;
  }
}

}  // namespace
}  // namespace qm
