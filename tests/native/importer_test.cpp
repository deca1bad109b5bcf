#include <gtest/gtest.h>

#include <set>

#include "importer/import_mapping.h"
#include "tests/native/support/memory_settings.h"

namespace qm {
namespace {

// A settings file held in memory, filled from its text, read like the importer reads.
test::MemorySettings IniText(const std::string& text) {
  return test::MemorySettings::FromText(text, kImporterMissingEntry);
}

struct World : ImportWorld {
  std::set<std::string> folders{"C:\\Notizen", "D:\\Texte"};
  std::string desktop = "C:\\Users\\anna\\Desktop";
  bool writesReachFile = true;
  bool FolderExists(const std::string& path) const override { return folders.contains(path); }
  std::string DesktopFolder() const override { return desktop; }
  std::string ProgramFolder() const override { return "E:\\Quillmar 2.0"; }
  bool LastWriteSucceeded() const override { return writesReachFile; }
};

const std::string kOldOptions =
    "[Optionen]\nAutostart=ja\nZugriff=Direkt\nSpeicherzeit=2000\nURL=ja\nTrennzeichen=*\n";
const std::string kOldStart =
    "[Start]\nDateiname=Notiz\nSpeicherpfad=C:\\Notizen\nAktion=DateiundOrdner\nFormat=HTML\nDatum="
    "ja\n";
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
  const std::wstring title = ImportReport(result).title;
  if (title == L"Einstellungen übernommen") return Report::Success;
  return title == L"Einstellungen größtenteils erfolgreich übernommen" ? Report::Mostly
                                                                       : Report::Failure;
}

struct ImportCase {
  const char* behaviour;
  std::string oldFile;
  std::string newFile;
  std::map<std::string, std::string> expected;  // "Section/Key" -> value in the new file
  Report report;
  std::string missingFolders = "\r\n";
  std::string desktop = "C:\\Users\\anna\\Desktop";
  bool writesReachFile = true;
};

const std::string kMissing(kImporterMissingEntry);
const std::string kFar = "X:\\gibt es nicht";

const ImportCase kImportCases[] = {
    {"options unchanged, a missing one as the importer's text, main action in first free slot",
     kOldOptions + kOldStart,
     kTwoActive + "[Aktion3]\nAktiviert=nein\n",
     {{"Optionen/Autostart", "ja"},
      {"Optionen/Trennzeichen", "*"},
      {"Optionen/Wiederholung", kMissing},
      {"Aktion3/Name", "AlteHauptaktion"},
      {"Aktion3/Aktion", "dateiundordner3"},
      {"Aktion3/Speicherpfad", "C:\\Notizen"},
      {"Aktion3/Url", "ja"},
      {"Aktion3/Format", "HTML"},
      {"Aktion3/Aktiviert", "ja"},
      {"Aktion4/Aktiviert", kMissing}},
     Report::Success},
    {"old actions fill the next free slots, inactive ones are skipped, methods converted",
     kOldOptions + kOldStart + OldAction(1, "Ordner", "D:\\Texte", "dateiundordner") +
         OldAction(2, "Aus", "D:\\Texte", "gleichedatei", "nein") +
         OldAction(3, "Worte", "D:\\Texte", "extradatei5"),
     kTwoActive,
     {{"Aktion3/Name", "AlteHauptaktion"},
      {"Aktion4/Name", "Ordner"},
      {"Aktion4/Aktion", "dateiundordner3"},
      {"Aktion4/Dateiname", "d1"},
      {"Aktion4/Url", "nein"},
      {"Aktion5/Name", "Worte"},
      {"Aktion5/Aktion", "extradatei5"},
      {"Aktion6/Aktiviert", kMissing}},
     Report::Success},
    {"a missing folder gets the desktop on c: and a line that puts the folder in column 52",
     kOldOptions + kOldStart + OldAction(1, "Weg", kFar, "gleichedatei"),
     kTwoActive,
     {{"Aktion4/Speicherpfad", "c:\\Users\\anna\\Desktop"}},
     Report::Mostly,
     "\r\nWeg:" + std::string(47, ' ') + kFar + "\r\n"},
    {"a name longer than fifty characters keeps one blank before its folder",
     kOldOptions + kOldStart + OldAction(1, std::string(60, 'N'), kFar, "bilder"),
     kTwoActive,
     {},
     Report::Mostly,
     "\r\n" + std::string(60, 'N') + ": " + kFar + "\r\n"},
    {"an unknown desktop gives the program folder as the substitute",
     kOldOptions + "[Start]\nSpeicherpfad=" + kFar + "\n",
     kTwoActive,
     {{"Aktion3/Speicherpfad", "E:\\Quillmar 2.0"}},
     Report::Mostly,
     "\r\nAlteHauptaktion:" + std::string(35, ' ') + kFar + "\r\n",
     ""},
    {"with all twenty slots active nothing is written beyond section 20",
     kOldOptions + kOldStart + OldAction(1, "Ordner", "D:\\Texte", "bilder"),
     AllTwentyActive(),
     {{"Aktion21/Aktiviert", kMissing}, {"Aktion21/Name", kMissing}, {"Aktion20/Name", "Neu20"}},
     Report::Mostly},
    {"a repeated import writes no action a second time",
     kOldOptions + kOldStart + OldAction(1, "Web", "D:\\Texte", "bilder"),
     kTwoActive + "[Aktion3]\nAktiviert=ja\nName=AlteHauptaktion\n",
     {{"Aktion4/Aktiviert", kMissing}},
     Report::Success},
    {"a write that does not reach the file is reported as a failure",
     kOldOptions + kOldStart,
     kTwoActive,
     {},
     Report::Failure,
     "\r\n",
     "C:\\D",
     false},
};

TEST(Importer, TakesOldSettingsOverIntoFreeSlots) {
  for (const ImportCase& c : kImportCases) {
    SCOPED_TRACE(c.behaviour);
    const auto old = IniText(c.oldFile);
    auto target = IniText(c.newFile);
    World world;
    world.desktop = c.desktop;
    world.writesReachFile = c.writesReachFile;
    const ImportResult result = ImportOldSettings(old, target, world);
    for (const auto& [where, value] : c.expected) {
      const auto slash = where.find('/');
      EXPECT_EQ(target.Read(where.substr(0, slash), where.substr(slash + 1)), value) << where;
    }
    EXPECT_EQ(ReportOf(result), c.report);
    EXPECT_EQ(result.missingFolders, c.missingFolders);
  }
}

TEST(Importer, ReportsActionsLeftOutByName) {
  auto target = IniText(AllTwentyActive());
  ImportResult result = ImportOldSettings(
      IniText(kOldOptions + kOldStart + OldAction(2, "Zu viel", "D:\\Texte", "bilder")), target,
      World());
  EXPECT_NE(ImportReport(result).text.find(L"AlteHauptaktion\r\nZu viel"), std::wstring::npos);
  auto again = IniText(kTwoActive);
  const auto old =
      IniText(kOldOptions + kOldStart + OldAction(1, "Beispiel", "D:\\Texte", "bilder"));
  ImportOldSettings(old, again, World());
  result = ImportOldSettings(old, again, World());
  EXPECT_EQ(result.alreadyPresent, (std::vector<std::string>{"AlteHauptaktion", "Beispiel"}));
  EXPECT_NE(ImportReport(result).text.find(L"\r\nAlteHauptaktion\r\nBeispiel"), std::wstring::npos);
}

TEST(Importer, AcceptsOnlyOldSettingsFiles) {
  const struct {
    std::string pathOrText;
    bool accepted;
  } kNames[] = {{"C:\\Quillmar\\einstellungen.ini", true},
                {"einstellungen.ini", true},
                {"C:\\Quillmar\\Einstellungen.ini", false},
                {"C:\\einstellungen.ini\\x.ini", false}},
    kFiles[] = {{kOldOptions + kOldStart, true},
                {kOldOptions, false},
                {kOldStart, false},
                {"[Optionen]\nBeep=ja\n[Start]\nSplash=1\n", false}};
  for (const auto& name : kNames)
    EXPECT_EQ(IsOldSettingsFileName(name.pathOrText), name.accepted) << name.pathOrText;
  for (const auto& file : kFiles)
    EXPECT_EQ(LooksLikeOldSettings(IniText(file.pathOrText)), file.accepted) << file.pathOrText;
}

}  // namespace
}  // namespace qm
