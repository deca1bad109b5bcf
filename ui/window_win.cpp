#include "ui/window_win.h"

#include <array>

#include "ui/message_guard_win.h"

namespace qm {

namespace {

// More cached display contexts than the program's windows ever hold at one time, so
// that taking this many at once takes every one the cache has.
constexpr size_t kCachedDisplayContexts = 16;

}  // namespace

void LetGoOfCachedDrawingSurfaces(HWND window) {
  std::array<HDC, kCachedDisplayContexts> taken{};
  for (HDC& context : taken) context = GetDCEx(window, nullptr, DCX_CACHE);
  for (HDC context : taken) {
    if (context) ReleaseDC(window, context);
  }
}

void LetGoOfDrawingSurfaces(HWND hiddenWindow) {
  if (!IsWindow(hiddenWindow) || IsWindowVisible(hiddenWindow)) return;
  if (SetWindowPos(hiddenWindow, nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)) {
    LetGoOfCachedDrawingSurfaces(hiddenWindow);
  }
}

Window::~Window() {
  if (!window_) return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

bool Window::Create(HINSTANCE instance, const WindowSpec& spec) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = spec.icon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = spec.background;
  windowClass.lpszClassName = spec.className;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }
  // The window procedure binds the window to this object from WM_NCCREATE on.
  return CreateWindowExW(spec.exStyle, spec.className, spec.caption, spec.style, spec.x, spec.y,
                         spec.width, spec.height, nullptr, nullptr, instance, this) != nullptr;
}

void Window::Destroy() {
  if (window_) DestroyWindow(window_);
}

LRESULT Window::DefaultAnswer(UINT message, WPARAM wParam, LPARAM lParam) const {
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    AnswerGuarded(
        message, [&] { self->OnDestroyed(); }, [] {});
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return AnswerGuarded(
      message, [&] { return self->HandleMessage(message, wParam, lParam); },
      [&] { return DefWindowProcW(window, message, wParam, lParam); });
}

}  // namespace qm
