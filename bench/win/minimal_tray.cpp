// The yardstick of the resident-program bench: the least a tray program can be under
// Wine, a hidden top-level window and one notification-area icon. It stays until it
// gets WM_CLOSE, and removes its icon then.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include "bench/win/yardstick_window.h"

namespace {

constexpr wchar_t kClassName[] = L"QuillmarMinimalTray";
constexpr UINT kIconId = 1;
constexpr UINT kCallback = WM_USER + 1;

NOTIFYICONDATAW IconRecord(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = kIconId;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kCallback;
  record.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
  lstrcpynW(record.szTip, L"Minimal", ARRAYSIZE(record.szTip));
  return record;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    NOTIFYICONDATAW record = IconRecord(window);
    Shell_NotifyIconW(NIM_DELETE, &record);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  HWND window = qm::bench::MakeHiddenWindow(instance, kClassName, WindowProc);
  if (!window) return 1;
  NOTIFYICONDATAW record = IconRecord(window);
  if (!Shell_NotifyIconW(NIM_ADD, &record)) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
