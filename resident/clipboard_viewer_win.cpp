#include "resident/clipboard_viewer_win.h"

namespace qm {

void ClipboardViewer::Join() {
  if (joined_) return;
  seenSequence_ = GetClipboardSequenceNumber();
  // SetClipboardViewer returns NULL both for "no successor" and for failure; the last
  // error tells them apart.
  SetLastError(ERROR_SUCCESS);
  next_ = SetClipboardViewer(window_);
  joined_ = next_ != nullptr || GetLastError() == ERROR_SUCCESS;
}

void ClipboardViewer::Leave() {
  if (!joined_) return;
  ChangeClipboardChain(window_, next_);
  next_ = nullptr;
  joined_ = false;
}

bool ClipboardViewer::IsNewContent() {
  const DWORD sequence = GetClipboardSequenceNumber();
  if (sequence == seenSequence_) return false;
  seenSequence_ = sequence;
  return true;
}

void ClipboardViewer::PassOnDraw(WPARAM wParam, LPARAM lParam) const {
  if (next_) SendMessageW(next_, WM_DRAWCLIPBOARD, wParam, lParam);
}

void ClipboardViewer::OnChangeChain(WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<HWND>(wParam) == next_) {
    next_ = reinterpret_cast<HWND>(lParam);
  } else if (next_) {
    SendMessageW(next_, WM_CHANGECBCHAIN, wParam, lParam);
  }
}

}  // namespace qm
