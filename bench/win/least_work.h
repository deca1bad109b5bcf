#pragma once

// The least work of each save job, the yardstick of the save bench: what a program must
// do at the very least to put the clipboard's text into a file without holding the
// clipboard while it writes (on a slow disk, other programs could not copy meanwhile).
// The bench runs it in its own process and, as qm_least_save.exe, from a click like the
// one that starts a save.
#include <windows.h>

#include <string>

namespace qm::bench {

// A new file `path` holding the clipboard's CF_TEXT, copied out of the clipboard and
// written with one WriteFile. False when a step failed.
bool LeastTextSave(HWND clipboardOwner, const std::wstring& path);

// The document `path` extended by the clipboard's CF_TEXT with a crash-safe replace: the
// document read, written with the text into a temporary file beside it, flushed, and
// moved over it. False when a step failed.
bool LeastDocumentExtension(HWND clipboardOwner, const std::wstring& path);

}  // namespace qm::bench
