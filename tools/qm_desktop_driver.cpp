// Drives a running Quillmar2.0.exe from inside its Wine desktop for the scripts that
// show it to a person (tools/desktop): they cannot see Windows windows from Linux.
//
//   qm_desktop_driver wait-ready          waits until the resident window exists and
//                                         the shell holds its tray icon
//   qm_desktop_driver tray <mouse event>  posts the tray icon's callback, for instance
//                                         514 (left click) or 517 (right click)
//   qm_desktop_driver wait-menu           waits until a popup menu is open
//   qm_desktop_driver wait-notice         waits until the save notice shows
//   qm_desktop_driver wait-gone           waits until the notice and menus are gone
//   qm_desktop_driver key <letter>        presses a letter key (SendInput: X key events
//                                         may not reach the Wine desktop's focus)
//   qm_desktop_driver wait-ended          waits until the resident window is gone
//   qm_desktop_driver wait-window TITLE   waits until a window of that title shows
//   qm_desktop_driver wait-closed TITLE   waits until no window of that title shows
//   qm_desktop_driver tab N               selects tab N of the settings window
//   qm_desktop_driver click TITLE ID      clicks control ID inside window TITLE
//   qm_desktop_driver select-first TITLE ID  selects the first entry of tree view ID
//   qm_desktop_driver choose TITLE ID N   picks entry N of drop-down list ID, as a click does
//   qm_desktop_driver close TITLE         closes window TITLE as its close box does
//   qm_desktop_driver copy TEXT           puts TEXT on the clipboard, as a user's copy
//
// Exit code 0 on success; 1 with a message on stderr when the wait timed out.
#include <windows.h>
// shellapi.h and commctrl.h need the types of windows.h.
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

constexpr DWORD kTimeoutMs = 30000;
constexpr UINT kTrayCallback = WM_USER + 1;
constexpr UINT kTrayIconId = 125;

HWND ResidentWindow() { return FindWindowW(L"QuillmarResidentWindow", nullptr); }

bool ShellHoldsIcon(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = kTrayIconId;
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

bool Shown(HWND window) { return window && IsWindowVisible(window); }

bool NoticeShown() { return Shown(FindWindowW(nullptr, L"Hinweis")); }
bool MenuShown() { return Shown(FindWindowW(L"#32768", nullptr)); }

template <typename Condition>
bool WaitFor(Condition&& done, const wchar_t* what) {
  const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
  while (!done()) {
    if (GetTickCount64() > deadline) {
      std::fwprintf(stderr, L"qm_desktop_driver: timed out waiting for %ls\n", what);
      return false;
    }
    Sleep(20);
  }
  return true;
}

bool PostTrayEvent(const wchar_t* mouseEvent) {
  HWND window = ResidentWindow();
  if (window && PostMessageW(window, kTrayCallback, kTrayIconId, _wtoi(mouseEvent))) return true;
  std::fwprintf(stderr, L"qm_desktop_driver: no resident window to post to\n");
  return false;
}

bool PressKey(const wchar_t* letter) {
  INPUT presses[2] = {};
  for (INPUT& press : presses) {
    press.type = INPUT_KEYBOARD;
    press.ki.wVk = static_cast<WORD>(towupper(letter[0]));
  }
  presses[1].ki.dwFlags = KEYEVENTF_KEYUP;
  if (SendInput(2, presses, sizeof(INPUT)) == 2) return true;
  std::fwprintf(stderr, L"qm_desktop_driver: SendInput failed (%lu)\n", GetLastError());
  return false;
}

HWND Titled(const wchar_t* title) { return FindWindowW(nullptr, title); }

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

// Control `id` anywhere inside the window: the pages are dialogs inside dialogs.
HWND Control(const wchar_t* title, const wchar_t* id) {
  Search search{_wtoi(id), nullptr};
  EnumChildWindows(Titled(title), MatchId, reinterpret_cast<LPARAM>(&search));
  if (!search.found)
    std::fwprintf(stderr, L"qm_desktop_driver: no control %ls in %ls\n", id, title);
  return search.found;
}

bool SelectTab(const wchar_t* tab) {
  HWND strip = FindWindowExW(ResidentWindow(), nullptr, WC_TABCONTROLW, nullptr);
  return strip && SendMessageW(strip, TCM_SETCURFOCUS, static_cast<WPARAM>(_wtoi(tab)), 0) == 0;
}

// Posted, so that a message box the click opens does not hold the driver.
bool Click(const wchar_t* title, const wchar_t* id) {
  HWND button = Control(title, id);
  return button && PostMessageW(button, BM_CLICK, 0, 0);
}

bool SelectFirst(const wchar_t* title, const wchar_t* id) {
  HWND tree = Control(title, id);
  if (!tree) return false;
  const auto root = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
  return SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, root) != 0;
}

// CB_SETCURSEL does not tell the dialog, as a pick with the mouse does: the notice is
// sent as well.
bool Choose(const wchar_t* title, const wchar_t* id, const wchar_t* entry) {
  HWND list = Control(title, id);
  if (!list || SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(_wtoi(entry)), 0) == CB_ERR) {
    return false;
  }
  const WPARAM notice = MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE);
  return PostMessageW(GetParent(list), WM_COMMAND, notice, reinterpret_cast<LPARAM>(list)) != FALSE;
}

bool Copy(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  void* data = block ? GlobalLock(block) : nullptr;
  if (!data) return false;
  std::memcpy(data, text.c_str(), bytes);
  GlobalUnlock(block);
  // Wine's clipboard manager holds the clipboard for a moment after every change.
  if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; }, L"the clipboard")) return false;
  const bool set = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
  if (!set) GlobalFree(block);
  return set;
}

bool Run(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"wait-ready" && argc == 2) {
    return WaitFor([] { return ResidentWindow() && ShellHoldsIcon(ResidentWindow()); },
                   L"the tray icon");
  }
  if (command == L"tray" && argc == 3) return PostTrayEvent(argv[2]);
  if (command == L"wait-menu" && argc == 2) return WaitFor(MenuShown, L"the tray menu");
  if (command == L"wait-notice" && argc == 2) return WaitFor(NoticeShown, L"the notice");
  if (command == L"wait-gone" && argc == 2) {
    return WaitFor([] { return !NoticeShown() && !MenuShown(); }, L"the notice to close");
  }
  if (command == L"key" && argc == 3) return PressKey(argv[2]);
  if (command == L"wait-window" && argc == 3) {
    return WaitFor([&] { return Shown(Titled(argv[2])); }, argv[2]);
  }
  if (command == L"wait-closed" && argc == 3) {
    return WaitFor([&] { return !Shown(Titled(argv[2])); }, argv[2]);
  }
  if (command == L"tab" && argc == 3) return SelectTab(argv[2]);
  if (command == L"click" && argc == 4) return Click(argv[2], argv[3]);
  if (command == L"select-first" && argc == 4) return SelectFirst(argv[2], argv[3]);
  if (command == L"choose" && argc == 5) return Choose(argv[2], argv[3], argv[4]);
  if (command == L"close" && argc == 3)
    return PostMessageW(Titled(argv[2]), WM_CLOSE, 0, 0) != FALSE;
  if (command == L"copy" && argc == 3) return Copy(argv[2]);
  if (command == L"wait-ended" && argc == 2) {
    return WaitFor([] { return ResidentWindow() == nullptr; }, L"the program to end");
  }
  std::fwprintf(stderr,
                L"usage: qm_desktop_driver wait-ready | tray EVENT | wait-menu |"
                L" wait-notice | wait-gone | key LETTER | wait-ended | wait-window TITLE |"
                L" wait-closed TITLE | tab N |"
                L" click TITLE ID | select-first TITLE ID | choose TITLE ID N | close TITLE |"
                L" copy TEXT\n");
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) { return Run(argc, argv) ? 0 : 1; }
