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
    case MessageIcon::None:
      return 0;
    case MessageIcon::Information:
      break;
  }
  return MB_ICONINFORMATION;
}

UINT ButtonFlags(MessageButtons buttons) {
  return buttons == MessageButtons::YesNo ? MB_YESNO | MB_DEFBUTTON2 : MB_OK;
}

}  // namespace

int ShowMessageBox(HWND owner, const MessageRequest& request) {
  // A tray program has no window in front: the box must come to the foreground itself.
  UINT flags = ButtonFlags(request.buttons) | MB_SETFOREGROUND | IconFlag(request.icon);
  if (request.systemModal) flags |= MB_SYSTEMMODAL;
  return MessageBoxW(owner, request.text.c_str(), request.title.c_str(), flags);
}

void WinMessageBoxes::Show(const MessageRequest& request) { ShowMessageBox(owner_, request); }

bool WinMessageBoxes::Ask(const MessageRequest& request) {
  return ShowMessageBox(owner_, request) == IDYES;
}

}  // namespace qm
