#pragma once

#include "save/save_target.h"

namespace qm {

// Writes the copy as a Markdown note at `path`: the page passage converted from the
// clipboard's "HTML Format", or the copied text itself where there is none. A new note
// begins with its front matter; the same-file method, and the folder method when its
// "1" file is taken, add a later entry to a note that is not empty. The note is UTF-8
// without a byte-order mark and is replaced in one step, so a failure leaves it as it
// was: the user is told and the result is false.
bool WriteMarkdownNote(const EntryRequest& request, SaveContext& context);

}  // namespace qm
