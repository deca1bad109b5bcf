#pragma once

#include <windows.h>

#include <string>

namespace qm {

// "Zwischenablage hier speichern" where no main program of this folder runs: one save
// by the Standard action into `folder`, with its boxes and its notice, which it waits
// for; no tray icon, no hotkeys, nothing written to the settings file.
void SaveHereAlone(HINSTANCE instance, const std::wstring& folder);

}  // namespace qm
