#include "importer/import_mapping.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>

#include "settings/action_cache.h"
#include "settings/action_record.h"
#include "settings/ansi_text.h"
#include "settings/ascii_text.h"
#include "ui/settings_input.h"

namespace qm {

namespace {

// The option keys that 1.5x and 2.0 share, in the order they are taken over.
constexpr std::array<std::string_view, 19> kOptionKeys = {"Autostart",
                                                          "Wiederholung",
                                                          "Trennzeichen",
                                                          "Zugriff",
                                                          "Hintergrund",
                                                          "Vlink",
                                                          "Alink",
                                                          "Textfarbe",
                                                          "Links",
                                                          "HexHintergrund",
                                                          "HexLinks",
                                                          "HexVlink",
                                                          "HexAlink",
                                                          "HexTextfarbe",
                                                          "SpeicherpositionX",
                                                          "SpeicherpositionY",
                                                          "Speichertextfarbe",
                                                          "Speicherfarbe",
                                                          "Speicherzeit"};
constexpr std::string_view kMainActionName = "AlteHauptaktion";
constexpr int kOldActionCount = 10;
// A name and its folder in the missing-folder list: the folder starts in column 52
// unless the name is longer, and never touches the name.
constexpr std::size_t kNameColumn = 50;

struct OldAction {
  std::string name, dateiname, speicherpfad, aktion, format, url, datum;
};

bool SectionPresent(const SettingsStore& file, std::string_view section,
                    std::initializer_list<std::string_view> keys) {
  return std::any_of(keys.begin(), keys.end(), [&](std::string_view key) {
    return file.Read(section, key) != kImporterMissingEntry;
  });
}

// 1.5x stored the folder method without its word count; 2.0 needs one, three words.
std::string ConvertedMethod(const std::string& aktion) {
  return AsciiLowered(aktion) == "dateiundordner" ? "dateiundordner3" : aktion;
}

std::string SubstitutePath(const ImportWorld& world) {
  std::string desktop = world.DesktopFolder();
  if (desktop.empty()) return world.ProgramFolder();
  desktop[0] = 'c';
  return desktop;
}

std::string MissingFolderLine(const std::string& name, const std::string& folder) {
  const std::size_t blanks = name.size() < kNameColumn ? kNameColumn - name.size() : 1;
  return name + ":" + std::string(blanks, ' ') + folder + "\r\n";
}

// The first slot that is neither active in the file nor filled by this import.
std::optional<int> FreeSlot(const SettingsStore& target, const std::vector<int>& filled) {
  for (int k = 1; k <= kActionCount; ++k) {
    if (std::find(filled.begin(), filled.end(), k) != filled.end()) continue;
    if (target.Read(ActionSection(k), "Aktiviert") != "ja") return k;
  }
  return std::nullopt;
}

std::vector<std::string> ActiveNameKeys(const SettingsStore& target) {
  std::vector<std::string> keys;
  for (int k = 1; k <= kActionCount; ++k) {
    if (target.Read(ActionSection(k), "Aktiviert") != "ja") continue;
    keys.push_back(NameKey(target.Read(ActionSection(k), "Name")));
  }
  return keys;
}

class Importer {
 public:
  Importer(const SettingsStore& old, SettingsStore& target, const ImportWorld& world)
      : old_(old),
        target_(target),
        world_(world),
        oldHeldBefore_(old.ReadsFoundHeld().count),
        targetHeldBefore_(target.ReadsFoundHeld().count),
        taken_(ActiveNameKeys(target)) {}

  // The whole import is one change of the file: when a part of it does not reach the
  // file, none of it stays there.
  ImportResult Run() {
    result_.missingFolders = "\r\n";
    SectionValues options{"Optionen", {}};
    for (std::string_view key : kOptionKeys)
      options.values.push_back({key, old_.Read("Optionen", key)});
    change_.push_back(std::move(options));
    Take(OldAction{std::string(kMainActionName), old_.Read("Start", "Dateiname"),
                   old_.Read("Start", "Speicherpfad"), old_.Read("Start", "Aktion"),
                   old_.Read("Start", "Format"), old_.Read("Optionen", "URL"),
                   old_.Read("Start", "Datum")});
    for (int m = 1; m <= kOldActionCount; ++m) {
      const std::string section = ActionSection(m);
      if (old_.Read(section, "Aktiviert") != "ja") continue;
      Take(OldAction{old_.Read(section, "Name"), old_.Read(section, "Dateiname"),
                     old_.Read(section, "Speicherpfad"), old_.Read(section, "Aktion"),
                     old_.Read(section, "Format"), old_.Read(section, "URL"),
                     old_.Read(section, "Datum")});
    }
    result_.unread = HeldSince(old_, oldHeldBefore_);
    if (!result_.unread) result_.unread = HeldSince(target_, targetHeldBefore_);
    if (!result_.unread) result_.failure = WriteChange(target_, change_);
    return result_;
  }

 private:
  void Take(OldAction action) {
    if (action.name.size() > kLongestName) {
      action.name.resize(kLongestName);
      result_.shortened.push_back(action.name);
    }
    const std::string key = NameKey(action.name);
    if (std::find(taken_.begin(), taken_.end(), key) != taken_.end()) {
      result_.alreadyPresent.push_back(action.name);
      return;
    }
    const std::optional<int> slot = FreeSlot(target_, filled_);
    if (!slot) {
      result_.withoutSlot.push_back(action.name);
      return;
    }
    std::string folder = action.speicherpfad;
    if (!world_.FolderExists(folder)) {
      result_.missingFolders += MissingFolderLine(action.name, action.speicherpfad);
      folder = SubstitutePath(world_);
    }
    change_.push_back({ActionSection(*slot),
                       {{"Name", action.name},
                        {"Dateiname", action.dateiname},
                        {"Speicherpfad", folder},
                        {"Aktion", ConvertedMethod(action.aktion)},
                        {"Format", action.format},
                        {"Url", action.url},
                        {"Datum", action.datum},
                        {"Aktiviert", "ja"}}});
    filled_.push_back(*slot);
    taken_.push_back(key);
  }

  const SettingsStore& old_;
  SettingsStore& target_;
  const ImportWorld& world_;
  const unsigned oldHeldBefore_;
  const unsigned targetHeldBefore_;
  std::vector<std::string> taken_;  // the name keys of the active actions
  std::vector<int> filled_;         // the slots this import fills
  std::vector<SectionValues> change_;
  ImportResult result_;
};

std::wstring NameLines(const std::vector<std::string>& names) {
  std::wstring lines;
  for (const std::string& name : names) lines += L"\r\n" + WidenAnsi(name);
  return lines;
}

// The two extra paragraphs of a report: actions left out, and actions already there.
std::wstring LeftOutParagraphs(const ImportResult& result) {
  std::wstring text;
  if (!result.withoutSlot.empty()) {
    text += L"\r\n\r\nKein freier Platz unter den 20 Aktionen, nicht übernommen:" +
            NameLines(result.withoutSlot);
  }
  if (!result.alreadyPresent.empty()) {
    text += L"\r\n\r\nSchon vorhanden, nicht noch einmal übernommen:" +
            NameLines(result.alreadyPresent);
  }
  if (!result.shortened.empty()) {
    text += L"\r\n\r\nNamen, auf " + std::to_wstring(kLongestName) + L" Zeichen gekürzt:" +
            NameLines(result.shortened);
  }
  return text;
}

}  // namespace

bool IsOldSettingsFileName(std::string_view path) {
  const std::size_t slash = path.find_last_of('\\');
  return path.substr(slash == std::string_view::npos ? 0 : slash + 1) == "einstellungen.ini";
}

std::optional<MessageRequest> OldSettingsRefusal(const SettingsStore& old) {
  const unsigned heldBefore = old.ReadsFoundHeld().count;
  const bool looksOld =
      SectionPresent(old, "Optionen", {"Autostart", "Zugriff", "Speicherzeit", "URL"}) &&
      SectionPresent(old, "Start", {"Dateiname", "Speicherpfad", "Aktion"});
  ImportResult unread;
  unread.unread = HeldSince(old, heldBefore);
  if (unread.unread) return ImportReport(unread);
  if (looksOld) return std::nullopt;
  return MessageRequest{L"Keine Einstellungen von Quillmar 1.5x",
                        L"In dieser Datei fehlen die Abschnitte [Optionen] oder [Start] "
                        L"einer Einstellungsdatei von Quillmar 1.5x.\r\n"
                        L"Es wurde nichts übernommen.",
                        MessageIcon::Exclamation};
}

ImportResult ImportOldSettings(const SettingsStore& old, SettingsStore& target,
                               const ImportWorld& world) {
  return Importer(old, target, world).Run();
}

MessageRequest ImportReport(const ImportResult& result) {
  constexpr std::wstring_view kRestart =
      L"\r\n\r\nQuillmar 2.0 wird jetzt automatisch wieder gestartet.";
  if (result.Failed()) {
    return {
        L"Einstellungen nicht übernommen",
        L"Die Übernahme der alten Einstellungen war leider NICHT erfolgreich!\r\n"
        L"Vermutlich müssen Sie die Einstellungen manuell übernehmen.\r\n\r\n" +
            (result.failure ? WriteFailureText(*result.failure) : ReadFailureText(*result.unread)),
        MessageIcon::Exclamation};
  }
  const bool foldersMissing = result.missingFolders.size() > 2;
  if (!foldersMissing && result.withoutSlot.empty()) {
    return {L"Einstellungen übernommen",
            L"Ihre Einstellungen konnten erfolgreich übernommen werden.\r\n"
            L"Es ist trotzdem ratsam dies noch mal zu überprüfen." +
                LeftOutParagraphs(result) + std::wstring(kRestart),
            MessageIcon::Information};
  }
  std::wstring text = L"Ihre Einstellungen konnten größtenteils erfolgreich übernommen werden. ";
  if (foldersMissing) {
    text +=
        L"\r\nDie folgenden Speicherorte der angegebenen Aktionen existieren jedoch nicht:\r\n" +
        WidenAnsi(result.missingFolders) +
        L"\r\nNotieren Sie sich diese und übertragen Sie sie manuell. Es ist ratsam auch\r\n"
        L"die anderen Aktionen noch mal zu überprüfen.";
  }
  return {L"Einstellungen größtenteils erfolgreich übernommen",
          text + LeftOutParagraphs(result) + std::wstring(kRestart), MessageIcon::Information};
}

}  // namespace qm
