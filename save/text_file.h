#pragma once

#include "save/save_target.h"

namespace qm {

// Appends the plain-text entry to its file, keeping one encoding per file. A new file,
// or an ANSI one, takes a text the code page holds exactly as the ANSI program wrote it;
// a new file takes any other text as UTF-8 with a byte-order mark, and an ANSI file is
// then turned into UTF-8 once, with its old text and the entry, by the crash-safe
// replace the HTML documents use. A file in UTF-8 (with or without the mark) or in
// UTF-16 takes every entry in its own encoding; one whose encoding cannot be told is
// left alone. False after telling the user when the entry was not written; the file is
// then as it was.
bool AppendTextEntry(const EntryRequest& request, SaveContext& context);

}  // namespace qm
