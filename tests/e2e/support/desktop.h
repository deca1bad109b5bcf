#pragma once

#include <windows.h>

#include <string>

namespace qm::e2e {

// The first top-level window of a process with the class (nullptr: any) and caption
// (nullptr: any); nullptr when there is none.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption);

// The same, but only a visible window, waited for up to `timeoutMs`.
HWND WaitForVisibleWindow(DWORD processId, const wchar_t* className, const wchar_t* caption,
                          DWORD timeoutMs);

// Whether the window still exists and is visible.
bool IsShown(HWND window);

std::wstring WindowText(HWND window);
RECT WindowRect(HWND window);

// A message box of a process (dialog class "#32770"), once it is visible; nullptr when
// none shows up in time.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// Presses one of the box's buttons (IDOK, IDYES, ...).
void AnswerMessageBox(HWND box, int buttonId);

// The save notice of a process: its visible window captioned "Hinweis".
HWND WaitForNotice(DWORD processId, DWORD timeoutMs);
// The texts of the notice's visible child windows, one after the other.
std::wstring NoticeText(HWND notice);

// An open popup menu of a process (class "#32768").
HWND WaitForPopupMenu(DWORD processId, DWORD timeoutMs);

// Pixels for a length in twips at the screen's resolution.
int TwipsToPixels(int twips);

}  // namespace qm::e2e
