#pragma once

#include <windows.h>

namespace qm {

// The resident window as a listener of clipboard changes (WM_CLIPBOARDUPDATE). The
// system tells each listener itself: unlike the clipboard-viewer chain, nothing is passed on,
// so a program that breaks the chain or hangs in it can neither silence automatic
// saving nor hold this program up, and ending this program leaves the chain as it is.
class ClipboardListener {
 public:
  explicit ClipboardListener(HWND window) : window_(window) {}

  void Join();
  void Leave();

  // WM_CLIPBOARDUPDATE: true for a change since joining that another program made. Each
  // notice is one change, also when two changes came before their notices were handled
  // (the same text copied twice saves twice); only the contents already there when
  // joining never count, which the clipboard's sequence number tells. A change of this
  // program's own (a copy in an edit field of the settings window) is no copy to save.
  bool IsNewContent() const;

 private:
  HWND window_;
  bool joined_ = false;
  DWORD joinedAtSequence_ = 0;
};

}  // namespace qm
