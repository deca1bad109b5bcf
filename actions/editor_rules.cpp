#include "actions/editor_rules.h"

#include <array>

#include "options/hotkey_fields.h"
#include "settings/action_cache.h"
#include "settings/action_record.h"
#include "settings/ascii_text.h"

namespace qm {

namespace {

constexpr std::array<EditorMethod, kMethodEntries> kListOrder{
    EditorMethod::Numbered, EditorMethod::WordFile, EditorMethod::SameFile,
    EditorMethod::WordFolder, EditorMethod::Bilder};

std::string FolderPart(std::string_view folder) {
  // A drive root already ends in its backslash.
  return folder.size() == 3 ? std::string(folder) : std::string(folder) + "\\";
}

MessageRequest Exclamation(const wchar_t* title, const wchar_t* text) {
  return {title, text, MessageIcon::Exclamation, MessageButtons::Ok};
}

}  // namespace

EditorMethod MethodAtEntry(int entry) {
  return entry >= 0 && entry < kMethodEntries ? kListOrder[static_cast<size_t>(entry)]
                                              : EditorMethod::Auswaehlen;
}

const wchar_t* MethodText(EditorMethod method) {
  switch (method) {
    case EditorMethod::Numbered:
      return L"In extra Dateien (autom. Nummerierung)";
    case EditorMethod::WordFile:
      return L"In extra Dateien (Dateiname = erste X Worte)";
    case EditorMethod::SameFile:
      return L"In die gleiche Datei";
    case EditorMethod::WordFolder:
      return L"In Datei und Ordner (Ordnername = erste X Worte)";
    case EditorMethod::Bilder:
      return L"Bilder speichern";
    case EditorMethod::Auswaehlen:
      break;
  }
  return L"Auswählen";
}

StoredMethod MethodOfStored(std::string_view aktion) {
  const MethodChoice choice = ParseMethod(aktion);
  const char words = static_cast<char>('0' + choice.words);
  switch (choice.method) {
    case SaveMethod::Bilder:
      return {EditorMethod::Bilder, '\0'};
    case SaveMethod::Numbered:
      return {EditorMethod::Numbered, '\0'};
    case SaveMethod::SameFile:
      return {EditorMethod::SameFile, '\0'};
    case SaveMethod::WordFolder:
      return {EditorMethod::WordFolder, words};
    case SaveMethod::WordFile:
      break;
  }
  return {EditorMethod::WordFile, words};
}

std::string StoredAktion(EditorMethod method, char words) {
  switch (method) {
    case EditorMethod::Numbered:
      return "extradatei";
    case EditorMethod::WordFile:
      return "extradatei" + std::string(1, words);
    case EditorMethod::SameFile:
      return "gleichedatei";
    case EditorMethod::WordFolder:
      return "dateiundordner" + std::string(1, words);
    case EditorMethod::Bilder:
      return "bilder";
    case EditorMethod::Auswaehlen:
      break;
  }
  return {};
}

bool IsWordMethod(EditorMethod method) {
  return method == EditorMethod::WordFile || method == EditorMethod::WordFolder;
}

std::string TrimmedName(std::string_view typed) { return std::string(Trimmed(typed)); }

std::string SummaryLine(EditorMethod method, std::string_view folder, std::string_view fileName,
                        DocumentFormat format) {
  const std::string ending(DocumentExtension(FormatValue(format)));
  switch (method) {
    case EditorMethod::WordFile:
      return FolderPart(folder) + "***" + ending;
    case EditorMethod::WordFolder:
      return FolderPart(folder) + "...\\" + std::string(fileName) + ending;
    case EditorMethod::Bilder:
      return FolderPart(folder);
    default:
      return FolderPart(folder) + std::string(fileName) + ending;
  }
}

std::optional<MessageRequest> FirstProblem(const EditorInput& input) {
  if (ReadBack(input.name).empty()) {
    return Exclamation(L"Keinen Namen angegeben!",
                       L"Bitten geben Sie einen Namen für diese Zusatzaktion an!");
  }
  if (auto problem = HotkeyProblem(input.hotkeyFields)) return problem;
  if (input.method == EditorMethod::Auswaehlen) {
    return Exclamation(L"Keinen Namen angegeben!", L"Bitten wählen Sie eine Methode aus!");
  }
  if (IsWordMethod(input.method) && input.words.empty()) {
    return Exclamation(
        L"Zahl eingeben!",
        L"Bitte setzen sie eine Zahl ein! Es handelt sich dabei um die Anzahl der Wörter aus "
        L"dem zu speichernden Text, die als Datei- bzw. Ordnername verwendet werden sollen. "
        L"Wählen sie ansonten eine andere Methode.");
  }
  return std::nullopt;
}

SectionChoice ChooseSection(const SettingsStore& settings, std::string_view name) {
  const unsigned heldBefore = settings.ReadsFoundHeld().count;
  SectionChoice choice;
  int firstFree = 0;
  for (int n = 1; n <= kActionCount; ++n) {
    const std::string section = ActionSection(n);
    const bool active = settings.Read(section, "Aktiviert") == "ja";
    const std::string stored = settings.Read(section, "Name");
    if (NameKey(stored) == NameKey(name)) choice = {n, true, active, stored, std::nullopt};
    if (!active && firstFree == 0) firstFree = n;
  }
  if (!choice.named) choice.number = firstFree;
  if (auto held = HeldSince(settings, heldBefore)) return {0, false, false, {}, std::move(held)};
  return choice;
}

std::variant<StoredAction, WriteFailure> ReadStoredAction(const SettingsStore& settings,
                                                          int number) {
  const unsigned heldBefore = settings.ReadsFoundHeld().count;
  StoredAction stored{ReadActionRecord(settings, number), ReadHotkey(settings, BindingOf(number))};
  if (auto held = HeldSince(settings, heldBefore)) return *held;
  return stored;
}

MessageRequest NoFreeSectionMessage() {
  return {L"Keine freie Aktion",
          L"Alle 20 Aktionen sind belegt. Löschen Sie zuerst eine Aktion, um eine neue "
          L"anlegen zu können.",
          MessageIcon::Information, MessageButtons::Ok};
}

MessageRequest OverwriteQuestion(const std::wstring& name) {
  return {L"Aktion überschreiben?",
          L"Es gibt schon eine Aktion mit dem Namen \"" + name +
              L"\".\r\nSoll diese Aktion überschrieben werden?",
          MessageIcon::Question, MessageButtons::YesNo};
}

std::optional<WriteFailure> WriteAction(SettingsStore& settings, int number,
                                        const ActionFields& fields) {
  // Without a key the modifiers mean nothing: the binding is stored as "no hotkey".
  const bool hasKey = !fields.hotkey.c.empty();
  return WriteAll(settings, ActionSection(number),
                  {{"Name", fields.name},
                   {"Dateiname", fields.dateiname},
                   {"Speicherpfad", fields.speicherpfad},
                   {"Aktion", StoredAktion(fields.method, fields.words)},
                   {"Format", std::string(FormatValue(fields.format))},
                   {"Url", fields.url ? "ja" : "nein"},
                   {"Datum", fields.datum ? "ja" : "nein"},
                   {"HotkeyA", hasKey ? fields.hotkey.a : ""},
                   {"HotkeyB", hasKey ? fields.hotkey.b : ""},
                   {"HotkeyC", fields.hotkey.c},
                   {"Aktiviert", "ja"}});
}

std::optional<WriteFailure> DeleteAction(SettingsStore& settings, int number) {
  return WriteAll(settings, ActionSection(number),
                  {{"HotkeyA", ""}, {"HotkeyB", ""}, {"HotkeyC", ""}, {"Aktiviert", "nein"}});
}

}  // namespace qm
