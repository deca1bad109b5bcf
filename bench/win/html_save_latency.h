#pragma once

#include <windows.h>

#include <string>

namespace qm::bench {

// The HTML rows of the save bench: a new 10 MB document with 100,000 links, and a
// short text added to a 5 MB document, each against one WriteFile of the bytes the
// save wrote. Prints a table of its own; throws when a save goes wrong.
void PrintHtmlSaveRows(const std::string& folder, HWND clipboardOwner);

}  // namespace qm::bench
