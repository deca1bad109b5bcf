#pragma once

#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <string>

#include "ui/message_box.h"
#include "ui/owned_handles_win.h"

namespace qm {

// The registered message that the shell broadcasts when the taskbar has been created
// anew (Explorer restarted): every tray icon must then be added again.
UINT TaskbarCreatedMessage();

// The resident window's notify icon (id 125, callback 1025) and the window's own
// icon, which follows the Standard action's method. Changes modify the icon in place,
// so it never leaves the tray between two pictures. Destroy it after the window: it
// owns the icons that the window shows.
class TrayIcon {
 public:
  TrayIcon(HWND window, MessageBoxes& messages);
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Puts the icon into the tray with the current picture and tip.
  bool Add();
  // Takes it out again; it stays out until the next Add.
  bool Remove();
  // On TaskbarCreated: the new taskbar has no icon of ours, so add it again if it is
  // meant to be shown.
  bool ReAdd();

  // The whole tip text (ANSI, as the action names are stored).
  void SetTip(const std::string& tip);

  // Loads the tray picture and the window icon from their files. A file that cannot
  // be loaded keeps the icon shown before and is reported in an error box.
  void SetIcons(const std::string& trayIconPath, const std::string& windowIconPath);

  HICON TrayPicture() const { return picture_; }

 private:
  NOTIFYICONDATAW Record(UINT flags) const;
  bool Show();
  bool Notify(DWORD message, UINT flags);
  OwnedIcon LoadIconFile(const std::string& path, int sizeMetric);
  void SetTrayPicture(OwnedIcon picture);
  void SetWindowIcon(WPARAM which, OwnedIcon icon);

  HWND window_;
  MessageBoxes& messages_;
  std::wstring tip_;
  HICON picture_;  // the program's own icon until the first picture file is loaded
  OwnedIcon loadedPicture_;
  OwnedIcon windowBig_;
  OwnedIcon windowSmall_;
  bool wanted_ = false;  // between Add and Remove
  bool shown_ = false;   // the shell holds the icon
};

}  // namespace qm
