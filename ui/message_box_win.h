#pragma once

#include <windows.h>

#include "ui/message_box.h"

namespace qm {

// Shows the box and returns the button pressed (IDOK, IDYES, IDNO).
int ShowMessageBox(HWND owner, const MessageRequest& request);

class WinMessageBoxes : public MessageBoxes {
 public:
  explicit WinMessageBoxes(HWND owner) : owner_(owner) {}
  void Show(const MessageRequest& request) override;
  bool Ask(const MessageRequest& request) override;

 private:
  HWND owner_;
};

}  // namespace qm
