#pragma once

#include <windows.h>

namespace qm {

// The resident window's link in the clipboard-viewer chain. Joining never counts the
// contents already on the clipboard as a change: the system notifies a new member at
// once (under Wine even after the call returned), so a notification is a change only
// when the clipboard's sequence number moved on since joining.
class ClipboardViewer {
 public:
  explicit ClipboardViewer(HWND window) : window_(window) {}

  void Join();
  void Leave();
  bool Joined() const { return joined_; }

  // WM_DRAWCLIPBOARD: true when the contents really changed since the last notice.
  bool IsNewContent();
  // Passes the notification on down the chain.
  void PassOnDraw(WPARAM wParam, LPARAM lParam) const;
  // WM_CHANGECBCHAIN: repairs the chain when our successor leaves, else passes it on.
  void OnChangeChain(WPARAM wParam, LPARAM lParam);

 private:
  HWND window_;
  HWND next_ = nullptr;
  bool joined_ = false;
  DWORD seenSequence_ = 0;
};

}  // namespace qm
