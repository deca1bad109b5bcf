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
  void Close();

 private:
  bool open_ = false;
};

// The clipboard's text, read once: from its CF_UNICODETEXT when that is what the program
// that copied it gave, converted at once, else from its CF_TEXT, which is used where the
// clipboard holds it, without a copy; the clipboard then stays open until LetGo. Empty
// when there is none.
class ClipboardTextRead {
 public:
  explicit ClipboardTextRead(HWND owner);
  ~ClipboardTextRead() { LetGo(false); }
  ClipboardTextRead(const ClipboardTextRead&) = delete;
  ClipboardTextRead& operator=(const ClipboardTextRead&) = delete;

  // Valid until LetGo(false), which empties it.
  const CopiedText& Text() const { return text_; }
  // Closes the clipboard. `keepText` keeps the text, copied now where it lay in the
  // clipboard.
  void LetGo(bool keepText);

 private:
  ClipboardSession session_;
  HANDLE lockedText_ = nullptr;
  KeptText kept_;
  CopiedText text_;
};

// Which of CF_TEXT (1) and CF_HDROP (15) the clipboard lists first; 0 for neither.
int ClipboardFormat(HWND owner);

// The single file of a file-drop list, or the clipboard text, or an empty text (also
// for a list of two or more files).
std::string ClipboardFileName(HWND owner);

// The address of the page the clipboard's text was copied from: the SourceURL line that
// browsers write into the registered format "HTML Format". Empty when the clipboard has
// no such format or line.
std::string ClipboardSourceUrl(HWND owner);

// The clipboard's "HTML Format" block whole, as a copy of its bytes up to its first
// zero; empty when the clipboard has none.
std::string ClipboardHtmlFormat(HWND owner);

}  // namespace qm
