#include "ui/modeless_dialogs_win.h"

#include <algorithm>
#include <vector>

namespace qm {

namespace {

std::vector<HWND>& Dialogs() {
  static std::vector<HWND> dialogs;
  return dialogs;
}

}  // namespace

void EnrolDialog(HWND dialog) { Dialogs().push_back(dialog); }

void WithdrawDialog(HWND dialog) { std::erase(Dialogs(), dialog); }

std::vector<HWND> EnrolledDialogs() { return Dialogs(); }

bool RouteToDialog(MSG& message) {
  // A copy: the message may close a dialog, which withdraws it from the list.
  for (HWND dialog : EnrolledDialogs()) {
    if ((dialog == message.hwnd || IsChild(dialog, message.hwnd)) &&
        IsDialogMessageW(dialog, &message)) {
      return true;
    }
  }
  return false;
}

}  // namespace qm
