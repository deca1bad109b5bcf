#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "settings/action_record.h"
#include "settings/hotkeys.h"
#include "settings/settings_store.h"
#include "ui/message_box.h"

namespace qm {

// The choices of the editor's method field, in list order: the initial "Auswählen",
// which stores nothing, then the five methods. The value is the entry's index.
enum class EditorMethod { Auswaehlen, Numbered, WordFile, SameFile, WordFolder, Bilder };

inline constexpr int kMethodEntries = 5;
EditorMethod MethodAtEntry(int entry);  // 0 to 4, list order
const wchar_t* MethodText(EditorMethod method);

// The method a stored value "Aktion" selects when an action is opened, and the word
// count digit it carries ('\0' for the methods without one).
struct StoredMethod {
  EditorMethod method;
  char words;
};
StoredMethod MethodOfStored(std::string_view aktion);

// The value "Aktion" of a method; the word methods take their digit.
std::string StoredAktion(EditorMethod method, char words);

bool IsWordMethod(EditorMethod method);

// The longest folder it stores: a folder of the full length may have been cut.
inline constexpr std::size_t kLongestFolder = kLongestSettingValue - 1;

// The name as it will read back: the settings file trims blanks around a value.
std::string TrimmedName(std::string_view typed);

// "Ihre Einstellungen:": the path an action's next save writes to. A drive root
// ("C:\") takes the name directly, any other folder gets a backslash between; the
// first-words methods show "***" for the words, the folder method "...\" for the
// folder, "Bilder speichern" only the folder.
std::string SummaryLine(EditorMethod method, std::string_view folder, std::string_view fileName,
                        DocumentFormat format);

// What "&Übernehmen" checks, in this order; the first failing check is reported.
struct EditorInput {
  std::string name;  // trimmed
  HotkeyText hotkeyFields;
  EditorMethod method;
  std::string words;
};
std::optional<MessageRequest> FirstProblem(const EditorInput& input);

// The section a new action named `name` is written to: the last section whose name
// is the same action's (NameKey), active or not; else the first free one (Aktiviert
// not "ja"); 0 when every section is taken.
struct SectionChoice {
  int number = 0;
  bool named = false;      // a section of this name exists
  bool active = false;     // ... and holds an active action
  std::string storedName;  // ... under this name, standard mark included
  // Another program held the settings file while it was read: no section is chosen.
  std::optional<WriteFailure> unread;
};
SectionChoice ChooseSection(const SettingsStore& settings, std::string_view name);

// Messages of the section choice.
MessageRequest NoFreeSectionMessage();
MessageRequest OverwriteQuestion(const std::wstring& name);

// A stored action as the editor shows it for editing.
struct StoredAction {
  ActionRecord record;
  HotkeyText hotkey;
};
// Nothing, and the failure, when another program held the settings file while it was
// read: the editor would show missing entries, and "Übernehmen" would write them over the
// user's action.
std::variant<StoredAction, WriteFailure> ReadStoredAction(const SettingsStore& settings,
                                                          int number);

// One action as the editor writes it into "Aktion<n>".
struct ActionFields {
  std::string name;
  std::string dateiname;
  std::string speicherpfad;
  EditorMethod method = EditorMethod::Auswaehlen;
  char words = '\0';
  DocumentFormat format = DocumentFormat::Text;
  bool url = false;
  bool datum = false;
  HotkeyText hotkey;  // stored parts: empty for none
};
// Writes the section; "Aktiviert" comes last, so a write that fails halfway never
// makes a half-written section an active action.
std::optional<WriteFailure> WriteAction(SettingsStore& settings, int number,
                                        const ActionFields& fields);

// "&Löschen" of the list page: the section's hotkey is emptied first, so that a
// deleted action never keeps a hotkey, then it is deactivated.
std::optional<WriteFailure> DeleteAction(SettingsStore& settings, int number);

}  // namespace qm
