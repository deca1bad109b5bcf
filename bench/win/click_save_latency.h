#pragma once

#include <windows.h>

namespace qm::bench {

// The save as the user starts it: a click on the tray icon of the real Quillmar2.0.exe,
// started from a copy of the program folder, until the file has its final size; against
// qm_least_save.exe, which does only the job on the same click, measured the same way in
// the same run, the two alternately: 1 KB, 1 MB and 20 MB of text into a new numbered
// file, and 1 KB added to a 5 MB HTML document. Prints the ratios and, for the profile,
// the job alone in this process. Throws when a save goes wrong.
void PrintClickSaveRows(HWND clipboardOwner);

}  // namespace qm::bench
