#include "tests/win/support/hotkey_helpers.h"

#include <gtest/gtest.h>

#include <atomic>

namespace qm::test {

namespace {

const wchar_t kWindowClass[] = L"QmHotkeyTestWindow";
constexpr DWORD kFollowUpMs = 300;
constexpr DWORD kHelperReadyTimeoutMs = 10000;

struct ModifierKey {
  unsigned flag;
  WORD virtualKey;
};
constexpr ModifierKey kModifierKeys[] = {
    {MOD_WIN, VK_LWIN}, {MOD_SHIFT, VK_SHIFT}, {MOD_CONTROL, VK_CONTROL}, {MOD_ALT, VK_MENU}};

void RegisterWindowClass() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  if (!RegisterClassW(&windowClass)) {
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
  }
}

HWND CreateMessageWindow() {
  RegisterWindowClass();
  HWND window = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  EXPECT_NE(window, nullptr) << "CreateWindow " << GetLastError();
  return window;
}

// Waits up to `timeoutMs` for a WM_HOTKEY of `window` and appends its id.
bool TakeHotkey(HWND window, DWORD timeoutMs, std::vector<int>& ids) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_HOTKEY && message.hwnd == window) {
        ids.push_back(static_cast<int>(message.wParam));
        return true;
      }
      DispatchMessageW(&message);
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
}

void SendKey(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ASSERT_EQ(SendInput(1, &input, sizeof input), 1u) << "SendInput " << GetLastError();
}

std::string UniqueName(const char* what) {
  static std::atomic<int> counter{0};
  return std::string("qm_hotkey_") + what + "_" + std::to_string(GetCurrentProcessId()) + "_" +
         std::to_string(++counter);
}

}  // namespace

HotkeyWindow::HotkeyWindow() : window_(CreateMessageWindow()) {}

HotkeyWindow::~HotkeyWindow() {
  for (const int id : AllHotkeyIds()) UnregisterHotKey(window_, id);
  if (window_) DestroyWindow(window_);
}

std::vector<int> HotkeyWindow::ReceivedHotkeys(DWORD timeoutMs) const {
  std::vector<int> ids;
  if (TakeHotkey(window_, timeoutMs, ids)) {
    while (TakeHotkey(window_, kFollowUpMs, ids)) {
    }
  }
  return ids;
}

bool CombinationTaken(const HotkeyCombination& combination) {
  constexpr int kProbeId = 0xBFFF;
  HotkeyWindow probe;
  if (!RegisterHotKey(probe.Handle(), kProbeId, combination.modifiers, combination.virtualKey)) {
    return true;
  }
  EXPECT_TRUE(UnregisterHotKey(probe.Handle(), kProbeId)) << GetLastError();
  return false;
}

void PressCombination(const HotkeyCombination& combination, int keyRepeats) {
  const auto key = static_cast<WORD>(combination.virtualKey);
  for (const ModifierKey& modifier : kModifierKeys) {
    if (combination.modifiers & modifier.flag) SendKey(modifier.virtualKey, false);
  }
  for (int down = 0; down <= keyRepeats; ++down) SendKey(key, false);
  SendKey(key, true);
  for (const ModifierKey& modifier : kModifierKeys) {
    if (combination.modifiers & modifier.flag) SendKey(modifier.virtualKey, true);
  }
}

ForeignHotkey::ForeignHotkey(const HotkeyCombination& combination)
    : readyName_(UniqueName("ready")),
      quitName_(UniqueName("quit")),
      ready_(CreateEventA(nullptr, TRUE, FALSE, readyName_.c_str())),
      quit_(CreateEventA(nullptr, TRUE, FALSE, quitName_.c_str())),
      helper_("qm_hotkey_helper", {std::to_string(combination.modifiers),
                                   std::to_string(combination.virtualKey), readyName_, quitName_}) {
  EXPECT_TRUE(ready_ && quit_) << "CreateEvent " << GetLastError();
  EXPECT_EQ(WaitForSingleObject(ready_, kHelperReadyTimeoutMs), WAIT_OBJECT_0)
      << "the helper never registered the hotkey";
}

ForeignHotkey::~ForeignHotkey() {
  if (quit_) SetEvent(quit_);
  EXPECT_EQ(helper_.Wait(), 0) << "qm_hotkey_helper";
  if (ready_) CloseHandle(ready_);
  if (quit_) CloseHandle(quit_);
}

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace qm::test
