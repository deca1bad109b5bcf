#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "clipboard/copied_text.h"
#include "save/speichern.h"
#include "settings/action_record.h"

namespace qm {

// Where one text save goes and how the notice reports it.
struct SaveTarget {
  std::wstring path;
  bool withFolder = false;  // the folder method: "Text und Ordner wurden gespeichert!"
};

// Fixes file (and for the folder method, folder) of one text save by the action's
// method, with the collision warnings; creates the folder of the folder method.
// Names made of the first words keep every letter of the text. Nothing when the folder
// could not be created (the user has been told).
std::optional<SaveTarget> ChooseTarget(const ActionRecord& action, const MethodChoice& method,
                                       const CopiedText& clipboardText, SaveContext& context);

// What one save writes, once its target has been fixed.
struct EntryRequest {
  const ActionRecord& action;
  const MethodChoice& method;
  std::string_view dateTimeText;    // the run's date and time
  const CopiedText& clipboardText;  // the run's one clipboard read
  // Of the same read: "HTML Format" whole for a Markdown note, else its header where the
  // page address is asked for.
  std::string_view clipboardHtml;
  const std::wstring& path;  // folder + file name + extension
};

// The FileState of the target for a method that extends a file; -1 for one that only
// makes new files, whatever is there: its file is created afresh, so a file that another
// program put under the chosen name meanwhile is never replaced.
int ExtendedFileState(const EntryRequest& request, SaveContext& context);

// The address of the page the text was copied from, as the copy names it; else, for
// programs that name none, that of the browser window in front. Another read of the
// clipboard could meet the next copy already.
std::string SourceAddress(const EntryRequest& request, SaveContext& context);

}  // namespace qm
