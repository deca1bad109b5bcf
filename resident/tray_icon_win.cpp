#include "resident/tray_icon_win.h"

#include <algorithm>
#include <utility>

#include "resident/tray_rules.h"
#include "settings/ansi_text.h"
#include "settings/system_reason_win.h"

namespace qm {

namespace {

constexpr int kProgramIcon = 1;

// The program's own icon from its resources at tray size; a program without one (a
// test) shows the system's application icon.
HICON ProgramIcon() {
  const int size = GetSystemMetrics(SM_CXSMICON);
  auto* icon =
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon),
                                    IMAGE_ICON, size, size, LR_SHARED));
  return icon ? icon : LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
}

MessageRequest IconFileError(const std::string& path, DWORD error) {
  return {L"Quillmar 2.0 Fehler",
          L"Das Symbol \"" + WidenAnsi(path) + L"\" konnte nicht geladen werden.\r\n" +
              SystemReason(error) + L"\r\nDas bisherige Symbol bleibt.",
          MessageIcon::Critical};
}

}  // namespace

UINT TaskbarCreatedMessage() { return RegisterWindowMessageW(L"TaskbarCreated"); }

TrayIcon::TrayIcon(HWND window, MessageBoxes& messages)
    : window_(window), messages_(messages), tip_(WidenAnsi(TrayTip(""))), picture_(ProgramIcon()) {}

TrayIcon::~TrayIcon() {
  if (shown_) Notify(NIM_DELETE, 0);
}

NOTIFYICONDATAW TrayIcon::Record(UINT flags) const {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window_;
  record.uID = kTrayIconId;
  record.uFlags = flags;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = picture_;
  const size_t length = std::min(tip_.size(), kTrayTipField - 1);
  std::copy_n(tip_.begin(), length, record.szTip);
  return record;
}

bool TrayIcon::Notify(DWORD message, UINT flags) {
  NOTIFYICONDATAW record = Record(flags);
  return Shell_NotifyIconW(message, &record) != FALSE;
}

// A new icon is added; one the shell still holds (a TaskbarCreated without a restart,
// or a second Add) is brought up to date instead.
bool TrayIcon::Show() {
  constexpr UINT kAll = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  shown_ = Notify(NIM_ADD, kAll) || Notify(NIM_MODIFY, kAll);
  return shown_;
}

bool TrayIcon::Add() {
  wanted_ = true;
  return Show();
}

bool TrayIcon::Remove() {
  wanted_ = false;
  const bool removed = shown_ && Notify(NIM_DELETE, 0);
  shown_ = false;
  return removed;
}

bool TrayIcon::ReAdd() { return wanted_ && Show(); }

void TrayIcon::SetTip(const std::string& tip) {
  tip_ = WidenAnsi(tip);
  if (shown_) Notify(NIM_MODIFY, NIF_TIP);
}

void TrayIcon::SetIcons(const std::string& trayIconPath, const std::string& windowIconPath) {
  if (OwnedIcon picture = LoadIconFile(trayIconPath, SM_CXSMICON))
    SetTrayPicture(std::move(picture));
  if (OwnedIcon big = LoadIconFile(windowIconPath, SM_CXICON)) {
    SetWindowIcon(ICON_BIG, std::move(big));
    // The caption shows the small picture of the same file, not the large one shrunk.
    if (OwnedIcon small = LoadIconFile(windowIconPath, SM_CXSMICON))
      SetWindowIcon(ICON_SMALL, std::move(small));
  }
}

OwnedIcon TrayIcon::LoadIconFile(const std::string& path, int sizeMetric) {
  const int size = GetSystemMetrics(sizeMetric);
  OwnedIcon icon(static_cast<HICON>(
      LoadImageW(nullptr, WidenAnsi(path).c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
  if (!icon) {
    const DWORD error = GetLastError();
    MessageBeep(MB_OK);
    messages_.Show(IconFileError(path, error));
  }
  return icon;
}

// The shell copies the picture it shows, and the window lets go of its old icon on
// WM_SETICON: the icon shown before is destroyed once the new one has taken its place.
void TrayIcon::SetTrayPicture(OwnedIcon picture) {
  picture_ = picture.get();
  if (shown_) Notify(NIM_MODIFY, NIF_ICON);
  loadedPicture_ = std::move(picture);
}

void TrayIcon::SetWindowIcon(WPARAM which, OwnedIcon icon) {
  SendMessageW(window_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon.get()));
  (which == ICON_BIG ? windowBig_ : windowSmall_) = std::move(icon);
}

}  // namespace qm
