#pragma once

#include <windows.h>

#include <string>

namespace qm {

// The main program of a program folder as other processes see it: the importer, a second
// start of Quillmar2.0.exe, the uninstaller's tests.

// The resident window of the main program that runs from `folder`, however either path
// is written, or null. A main program started from another copy of the program folder
// does not count: it has its own settings file.
HWND FindMainProgram(const std::wstring& folder);

// Asks the main program to end as "&Beenden" would, so that it gives back its hotkeys,
// its clipboard listener and its tray icon, and waits until its process has ended, at
// most `timeoutMs`. True when it has ended; otherwise the request is withdrawn, so that
// the program goes on running rather than end at some later time.
bool EndMainProgram(HWND resident, DWORD timeoutMs);

// Has the running main program show its settings window in front.
void ShowSettingsOf(HWND resident);

// Hands "Zwischenablage hier speichern" for `folder` to the running main program, which
// saves as soon as it can; true when it took the request.
bool SaveHereBy(HWND resident, const std::wstring& folder);

// Starts the main program of `folder` through the shell, as the user would.
void StartMainProgram(HWND owner, const std::wstring& folder);

}  // namespace qm
