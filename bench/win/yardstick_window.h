#pragma once

// The one window of a yardstick program: a hidden top-level window of its own class.
#include <windows.h>

namespace qm::bench {

// Null when the class or the window could not be made.
inline HWND MakeHiddenWindow(HINSTANCE instance, const wchar_t* className, WNDPROC windowProc) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className;
  if (!RegisterClassExW(&windowClass)) return nullptr;
  return CreateWindowExW(0, className, className, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                         nullptr, instance, nullptr);
}

}  // namespace qm::bench
