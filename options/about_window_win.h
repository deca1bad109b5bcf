#pragma once

#include <windows.h>

#include <string>

#include "ui/dialog_win.h"
#include "ui/screen_units_win.h"

namespace qm {

// frmInfo: the red elliptic about window with the maker's mail and web address.
// Modeless, created for each use; it is dragged by its background.
class AboutWindow : public Dialog {
 public:
  explicit AboutWindow(HINSTANCE instance) : instance_(instance) {}

  void Open(HWND owner);

  // Opens a new mail to `address` in the user's mail program.
  void SendMail(const std::string& address, const std::string& subject);
  // Opens a web address in the user's browser; the shell's answer.
  INT_PTR StartURL(const std::string& address);

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Form_Load();
  INT_PTR Colour(HDC dc, HWND control);
  bool IsLink(HWND control) const;

  HINSTANCE instance_;
  OwnedBrush red_;
  OwnedFont productFont_;
  OwnedFont linkFont_;
};

}  // namespace qm
