#include "tests/e2e/support/desktop.h"

#include <gtest/gtest.h>

#include "tests/e2e/support/wait.h"

namespace qm::e2e {

namespace {

struct WindowQuery {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* caption;
  bool visibleOnly;
  HWND found = nullptr;
};

bool Matches(HWND window, const WindowQuery& query) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != query.processId) return false;
  if (query.visibleOnly && !IsWindowVisible(window)) return false;
  wchar_t className[256] = {};
  if (query.className &&
      (!GetClassNameW(window, className, 256) || lstrcmpW(className, query.className) != 0)) {
    return false;
  }
  return !query.caption || WindowText(window) == query.caption;
}

BOOL CALLBACK CheckWindow(HWND window, LPARAM queryAddress) {
  auto& query = *reinterpret_cast<WindowQuery*>(queryAddress);
  if (!Matches(window, query)) return TRUE;
  query.found = window;
  return FALSE;
}

HWND Find(WindowQuery query) {
  EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

BOOL CALLBACK AppendShownChildText(HWND child, LPARAM textAddress) {
  if (IsWindowVisible(child)) *reinterpret_cast<std::wstring*>(textAddress) += WindowText(child);
  return TRUE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption) {
  return Find({processId, className, caption, false});
}

HWND WaitForVisibleWindow(DWORD processId, const wchar_t* className, const wchar_t* caption,
                          DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = Find({processId, className, caption, true});
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

bool IsShown(HWND window) { return IsWindow(window) && IsWindowVisible(window); }

// WM_GETTEXT with a fixed buffer honours the time-out even when the window hangs.
std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, 2000, &copied)) {
    return {};
  }
  return std::wstring(text, copied);
}

RECT WindowRect(HWND window) {
  RECT rect{};
  EXPECT_TRUE(GetWindowRect(window, &rect)) << GetLastError();
  return rect;
}

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
  return WaitForVisibleWindow(processId, L"#32770", nullptr, timeoutMs);
}

void AnswerMessageBox(HWND box, int buttonId) {
  HWND button = GetDlgItem(box, buttonId);
  ASSERT_NE(button, nullptr) << "the box has no button " << buttonId;
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result))
      << GetLastError();
}

HWND WaitForNotice(DWORD processId, DWORD timeoutMs) {
  return WaitForVisibleWindow(processId, nullptr, L"Hinweis", timeoutMs);
}

std::wstring NoticeText(HWND notice) {
  std::wstring text;
  EnumChildWindows(notice, AppendShownChildText, reinterpret_cast<LPARAM>(&text));
  return text;
}

HWND WaitForPopupMenu(DWORD processId, DWORD timeoutMs) {
  return WaitForVisibleWindow(processId, L"#32768", nullptr, timeoutMs);
}

int TwipsToPixels(int twips) {
  HDC screen = GetDC(nullptr);
  EXPECT_NE(screen, nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return MulDiv(twips, dpi, 1440);
}

}  // namespace qm::e2e
