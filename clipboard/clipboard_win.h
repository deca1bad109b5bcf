#pragma once

#include <windows.h>

#include <string>

#include "clipboard/copied_text.h"

namespace qm {

// The clipboard opened in the name of `owner` for one read, closed again on every
// path. Another program may hold the clipboard for a moment (Wine's clipboard
// manager does so after every change), so opening is retried for about 200 ms
// before the clipboard counts as unavailable. So does a clipboard whose owner has
// stopped answering: it could never render what it promised.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner);
  ~ClipboardSession();
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_ = false;
};

// The clipboard's text, from its CF_UNICODETEXT when that is what the program that
// copied it gave, else from its CF_TEXT; empty when there is none.
CopiedText ClipboardText(HWND owner);

// Which of CF_TEXT (1) and CF_HDROP (15) the clipboard lists first; 0 for neither.
int ClipboardFormat(HWND owner);

// The single file of a file-drop list, or the clipboard text, or an empty text (also
// for a list of two or more files).
std::string ClipboardFileName(HWND owner);

// The address of the page the clipboard's text was copied from: the SourceURL line that
// browsers write into the registered format "HTML Format". Empty when the clipboard has
// no such format or line.
std::string ClipboardSourceUrl(HWND owner);

}  // namespace qm
