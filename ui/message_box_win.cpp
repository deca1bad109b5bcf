#include "ui/message_box_win.h"

namespace qm {

namespace {

UINT IconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation:
      return MB_ICONEXCLAMATION;
    case MessageIcon::Critical:
      return MB_ICONERROR;
    case MessageIcon::Question:
      return MB_ICONQUESTION;
    case MessageIcon::Information:
      break;
  }
  return MB_ICONINFORMATION;
}

}  // namespace

void WinMessageBoxes::Show(const MessageRequest& request) {
  // A tray program has no window in front: the box must come to the foreground itself.
  UINT flags = MB_OK | MB_SETFOREGROUND | IconFlag(request.icon);
  if (request.systemModal) flags |= MB_SYSTEMMODAL;
  MessageBoxW(owner_, request.text.c_str(), request.title.c_str(), flags);
}

}  // namespace qm
