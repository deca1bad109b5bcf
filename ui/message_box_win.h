#pragma once

#include <windows.h>

#include "ui/message_box.h"

namespace qm {

class WinMessageBoxes : public MessageBoxes {
 public:
  explicit WinMessageBoxes(HWND owner) : owner_(owner) {}
  void Show(const MessageRequest& request) override;
  bool Ask(const MessageRequest& request) override;

 private:
  HWND owner_;
};

}  // namespace qm
