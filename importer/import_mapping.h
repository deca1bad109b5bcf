#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"
#include "ui/message_box.h"

namespace qm {

// The importer reads both files with its own missing-entry text, so an option the old
// file lacks arrives in the new file as exactly this text.
inline constexpr std::string_view kImporterMissingEntry = "Kein Eintrag gefunden";

// What the import needs from the system besides the two files.
class ImportWorld {
 public:
  virtual ~ImportWorld() = default;
  virtual bool FolderExists(const std::string& path) const = 0;
  // The desktop folder without a trailing backslash, empty when it is unknown.
  virtual std::string DesktopFolder() const = 0;
  virtual std::string ProgramFolder() const = 0;
};

struct ImportResult {
  // The write that did not reach the new file; then nothing of the import stays in it.
  std::optional<WriteFailure> failure;
  // A file that another program held while it was read: what was read then is not the
  // file's, so nothing was written.
  std::optional<WriteFailure> unread;
  std::string missingFolders;               // CR LF, then one line per action whose folder is gone
  std::vector<std::string> withoutSlot;     // names left out: all twenty slots active
  std::vector<std::string> alreadyPresent;  // names already active, in the file or imported
  std::vector<std::string> shortened;       // names cut to the editor's longest name

  // Nothing was taken over: the importer stays open for another try.
  bool Failed() const { return failure || unread; }
};

// The only test of a chosen file: its name after the last backslash is exactly
// "einstellungen.ini", as 1.5x wrote it.
bool IsOldSettingsFileName(std::string_view path);

// Why the chosen file is not imported at all, told before anything is written: it has
// not both an `Optionen` and a `Start` section, as a 1.5x settings file has (another ini
// file, a damaged one), or another program held it while it was read.
std::optional<MessageRequest> OldSettingsRefusal(const SettingsStore& old);

// Takes the options, the old main action and the old actions 1 to 10 over into the
// new file, each action into a free slot among 1 to 20 under a name that no active
// action has (names compare as NameKey does).
ImportResult ImportOldSettings(const SettingsStore& old, SettingsStore& target,
                               const ImportWorld& world);

// The closing report: success, mostly success (folders missing or actions left out)
// or failure, which names the file and the system's reason.
MessageRequest ImportReport(const ImportResult& result);

}  // namespace qm
