#pragma once

#include <windows.h>

#include <string>

namespace qm::bench {

// The Markdown rows of the save bench: a passage copied in a browser (10 KB and 1 MB of
// paragraphs with links, its text beside its "HTML Format"), saved as a new Markdown note
// against the same save as Text. Prints a table of its own; throws when a save goes wrong.
void PrintMarkdownSaveRow(const std::string& folder, HWND clipboardOwner);

}  // namespace qm::bench
