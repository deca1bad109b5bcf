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

int ShowMessageBox(HWND owner, const MessageRequest& request) {
  // A tray program has no window in front: the box must come to the foreground itself.
  UINT flags = MB_SETFOREGROUND | IconFlag(request.icon);
  flags |= request.buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
  if (request.systemModal) flags |= MB_SYSTEMMODAL;
  return MessageBoxW(owner, request.text.c_str(), request.title.c_str(), flags);
}

void WinMessageBoxes::Show(const MessageRequest& request) { ShowMessageBox(owner_, request); }

}  // namespace qm
