#pragma once

#include <windows.h>

#include <string>

namespace qm::bench {

// The picture row of the save bench: a 1920 x 1080 screenshot on the clipboard (CF_DIB)
// saved by a picture action as a complete PNG file, against the least work of the same
// job in one process: CF_DIB read, encoded by the same encoder, written with one
// WriteFile. Prints a table of its own; throws when a save goes wrong.
void PrintPictureSaveRow(const std::string& folder, HWND clipboardOwner);

}  // namespace qm::bench
