#include "tests/e2e/support/tray.h"

#include <shellapi.h>

#include "tests/e2e/support/desktop.h"
#include "tests/e2e/support/user_input.h"
#include "tests/e2e/support/wait.h"

namespace qm::e2e {

namespace {

constexpr DWORD kTooltipTimeoutMs = 5000;

bool HasClass(HWND window, const wchar_t* className) {
  wchar_t name[256] = {};
  return GetClassNameW(window, name, 256) && lstrcmpW(name, className) == 0;
}

BOOL CALLBACK CollectIcon(HWND window, LPARAM iconsAddress) {
  if (HasClass(window, L"__winex11_tray_icon") && IsWindowVisible(window)) {
    reinterpret_cast<std::vector<HWND>*>(iconsAddress)->push_back(window);
  }
  return TRUE;
}

BOOL CALLBACK FindShownTooltip(HWND window, LPARAM foundAddress) {
  if (!HasClass(window, L"tooltips_class32") || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(foundAddress) = window;
  return FALSE;
}

HWND ShownTooltip() {
  HWND found = nullptr;
  EnumWindows(FindShownTooltip, reinterpret_cast<LPARAM>(&found));
  return found;
}

POINT Centre(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Moving away first hides the tooltip of the icon before, so the text read next
// belongs to this icon.
std::wstring TooltipOf(HWND icon) {
  MoveMouseTo({GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2});
  WaitUntil([] { return ShownTooltip() == nullptr; }, kTooltipTimeoutMs);
  MoveMouseTo(Centre(WindowRect(icon)));
  std::wstring text;
  WaitUntil(
      [&] {
        HWND tooltip = ShownTooltip();
        text = tooltip ? WindowText(tooltip) : std::wstring();
        return !text.empty();
      },
      kTooltipTimeoutMs);
  return text;
}

}  // namespace

std::vector<HWND> TrayIconWindows() {
  std::vector<HWND> icons;
  HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  if (tray) EnumChildWindows(tray, CollectIcon, reinterpret_cast<LPARAM>(&icons));
  return icons;
}

std::vector<std::wstring> TrayTooltips() {
  std::vector<std::wstring> tooltips;
  for (HWND icon : TrayIconWindows()) tooltips.push_back(TooltipOf(icon));
  return tooltips;
}

bool ShellKnowsIcon(HWND window, UINT id) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = id;
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

}  // namespace qm::e2e
