#include "resident/clipboard_listener_win.h"

namespace qm {

namespace {

bool OwnedByThisProgram(HWND owner) {
  DWORD process = 0;
  return owner && GetWindowThreadProcessId(owner, &process) != 0 &&
         process == GetCurrentProcessId();
}

}  // namespace

void ClipboardListener::Join() {
  if (joined_) return;
  joinedAtSequence_ = GetClipboardSequenceNumber();
  joined_ = AddClipboardFormatListener(window_) != FALSE;
}

void ClipboardListener::Leave() {
  if (!joined_) return;
  RemoveClipboardFormatListener(window_);
  joined_ = false;
}

bool ClipboardListener::IsNewContent() const {
  return joined_ && GetClipboardSequenceNumber() != joinedAtSequence_ &&
         !OwnedByThisProgram(GetClipboardOwner());
}

}  // namespace qm
