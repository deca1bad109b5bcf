#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace qm {

// The clipboard opened in the name of `owner` for one read, closed again on every
// path. Another program may hold the clipboard for a moment (Wine's clipboard
// manager does so after every change), so opening is retried for about 200 ms
// before the clipboard counts as unavailable.
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

// The parts of the clipboard that one read takes.
struct ClipboardWants {
  bool text = false;         // the text, as the program that copied it gave it
  bool fileName = false;     // the single dropped file, or else the text in the code page
  bool sourceUrl = false;    // the header of "HTML Format", where browsers name the page
  bool html = false;         // "HTML Format" whole: the header and the page's fragment
  bool picture = false;      // "PNG", else the bitmap of CF_DIBV5 or CF_DIB
  bool historyFlag = false;  // "CanIncludeInClipboardHistory"
};

// What one read took out of the clipboard: the blocks as they lay there, so that all
// that takes time (converting, parsing, encoding) is done with the clipboard closed.
// Every block is bounded by its memory, whatever the program that put it there wrote.
struct ClipboardCopy {
  std::string ansiText;     // CF_TEXT, when the text came in the code page
  std::u16string wideText;  // CF_UNICODETEXT, when the text came as UTF-16
  std::string fileName;     // empty also for a list of two or more files
  std::string html;         // "HTML Format", whole or, for the address, up to its header
  std::string png;          // a whole PNG file of the format "PNG"
  std::string dib;          // else the bitmap's block
  std::optional<DWORD> historyFlag;
  bool withheld = false;  // a listed format's owner did not hand its block over
};

// Copies the parts `wants` names out of the clipboard that this thread holds open.
void CopyOpenClipboard(const ClipboardWants& wants, ClipboardCopy& copy);

}  // namespace qm
