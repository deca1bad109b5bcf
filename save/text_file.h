#pragma once

#include "save/save_target.h"

namespace qm {

// Appends the plain-text entry to its file, keeping one encoding per file. A text the
// code page holds goes into an ANSI file, or a new one, exactly as the ANSI program
// wrote it. Anything else makes the file UTF-8 with a byte-order mark: a new file
// begins so, a UTF-8 file takes every later entry in UTF-8, and an ANSI file is turned
// into UTF-8 once, with its old text and the entry, by the crash-safe replace the HTML
// documents use. False after telling the user when the entry could not be written;
// the file is then as it was.
bool AppendTextEntry(const EntryRequest& request, SaveContext& context);

}  // namespace qm
