#pragma once

#include "save/save_target.h"

namespace qm {

// Writes the clipboard text as the HTML document at `path`. The same-file method, and
// the folder method when its "1" file is taken, extend a document that is not empty;
// otherwise a new document takes the path. The document is replaced in one step, so a
// failure leaves it as it was: the user is told and the result is false. The document
// is ANSI whatever it holds: characters the code page lacks, in the text and in its
// title (a name made of the first words), are written as character references.
bool WriteDocument(const EntryRequest& request, SaveContext& context);

}  // namespace qm
