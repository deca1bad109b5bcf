#pragma once

#include <windows.h>

#include <memory>

#include "clipboard/clipboard_access.h"
#include "clipboard/clipboard_win.h"

namespace qm {

// The one way the program reads the clipboard. A format that its owner promised
// (delayed rendering) is asked of that owner when it is read, and neither Windows nor
// Wine says beforehand whether a format still has to be rendered; an owner that hangs
// would hold the reading thread for as long as it hangs. So the read runs on a thread
// of the reader's own, and the program's thread waits for it at most kDeadlineMs,
// handling its messages meanwhile as it does during a message box. (Wine's own
// OpenClipboard asks the owner for up to five seconds first, where Windows asks nothing:
// the deadline leaves a busy owner's rendered text time to arrive under Wine too.) A read that
// misses its deadline is left to its thread, which lets go of the clipboard and ends once the owner
// answers or is gone; the next read gets a thread of its own.
//
// The reading thread opens the clipboard with a hidden window of its own. Under Wine, a
// clipboard opened without a window is no hold against anyone, so the formats of one
// read could come from two copies; one opened with another thread's window costs a
// tenth of a millisecond more on every read.
class ClipboardReader {
 public:
  static constexpr DWORD kDeadlineMs = 8000;

  ClipboardReader() = default;
  ~ClipboardReader();
  ClipboardReader(const ClipboardReader&) = delete;
  ClipboardReader& operator=(const ClipboardReader&) = delete;

  // Copies the parts `wants` names into `copy`, the clipboard closed again before this
  // returns. Only on Read is `copy` filled.
  ClipboardAccess Read(const ClipboardWants& wants, ClipboardCopy& copy);
  // The program is to end: the read that waits now gives up at once.
  void GiveUp();

  struct Worker;

 private:
  bool givenUp_ = false;
  bool reading_ = false;
  std::shared_ptr<Worker> worker_;
};

}  // namespace qm
