#include "tests/win/support/hidden_window.h"

#include <gtest/gtest.h>

namespace qm::test {

namespace {

constexpr wchar_t kClassName[] = L"QuillmarTestHiddenWindow";

void RegisterClassOnce() {
  static const ATOM atom = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
  }();
  EXPECT_NE(atom, 0) << "RegisterClassExW failed: " << GetLastError();
}

}  // namespace

HiddenWindow::HiddenWindow() {
  RegisterClassOnce();
  window_ = CreateWindowExW(0, kClassName, L"Quillmar Test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_NE(window_, nullptr) << "CreateWindowExW failed: " << GetLastError();
}

HiddenWindow::~HiddenWindow() {
  if (window_) DestroyWindow(window_);
}

}  // namespace qm::test
