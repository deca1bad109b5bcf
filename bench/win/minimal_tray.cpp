// The yardstick of the resident-program bench: the least a tray program can be under
// Wine, a hidden top-level window and one notification-area icon. It stays until it
// gets WM_CLOSE, and removes its icon then.
//   qm_minimal_tray.exe                       never shows its window
//   qm_minimal_tray.exe shown WIDTH HEIGHT    shows it once at that size and hides it,
//                                             as a tray program's settings window is
// Under Wine the first showing of any window costs memory that stays after the window is
// hidden or even destroyed: the second form tells that part from a program's own.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <cwchar>

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

// Shown until it has been painted, then hidden.
bool ShowOnceAtSizeGiven(HWND window) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return false;
  const bool shown = count == 4 && lstrcmpW(arguments[1], L"shown") == 0;
  const int width = shown ? static_cast<int>(std::wcstol(arguments[2], nullptr, 10)) : 0;
  const int height = shown ? static_cast<int>(std::wcstol(arguments[3], nullptr, 10)) : 0;
  LocalFree(arguments);
  if (count == 1) return true;
  if (width <= 0 || height <= 0) return false;
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
  UpdateWindow(window);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  ShowWindow(window, SW_HIDE);
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  HWND window = qm::bench::MakeHiddenWindow(instance, kClassName, WindowProc);
  if (!window) return 1;
  NOTIFYICONDATAW record = IconRecord(window);
  if (!Shell_NotifyIconW(NIM_ADD, &record) || !ShowOnceAtSizeGiven(window)) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
