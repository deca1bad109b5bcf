#pragma once

#include <string>
#include <string_view>

#include "clipboard/copied_text.h"
#include "save/speichern.h"
#include "settings/action_record.h"

namespace qm {

// What one save writes, once its target has been fixed.
struct EntryRequest {
  const ActionRecord& action;
  const MethodChoice& method;
  std::string_view dateTimeText;   // the run's date and time
  const CopiedText& clipboardText;  // the run's one clipboard read
  const std::string& path;         // folder + file name + ".html"
};

// Writes the clipboard text as the HTML document at `path`. The same-file method, and
// the folder method when its "1" file is taken, extend a document that is not empty;
// otherwise a new document takes the path. The document is replaced in one step, so a
// failure leaves it as it was: the user is told and the result is false.
bool WriteDocument(const EntryRequest& request, SaveContext& context);

}  // namespace qm
