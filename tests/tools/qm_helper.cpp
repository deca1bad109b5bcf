// Another program for the tests under Wine, for what one process cannot show itself:
//
//   qm_helper READY hold MS                       holds the clipboard open for MS
//   qm_helper READY window TITLE live|hung [FIELD]
//                           a top-level window on top, with an Edit field holding FIELD;
//                           hung stops handling messages once the window is up
//   qm_helper READY dde SERVICE URL [DELAY_MS]  a browser's DDE server answering
//                           "WWW_GetWindowInfo", item "-1", as for a page at URL
//   qm_helper READY promise MS|hung|refuse TEXT  TEXT on the clipboard as a promise
//                           (delayed rendering), rendered MS after it is asked for; hung
//                           stops handling messages once the promise is made, refuse
//                           answers the request to render it without rendering it
//   qm_helper READY busy TEXT  TEXT on the clipboard, rendered at once; then the helper
//                           stops handling messages, as a program that computes after a copy
//   qm_helper READY viewer break|hung  a window in the clipboard-viewer chain: break
//                           passes no change notice on, hung stops handling messages
//   qm_helper READY resident  a window of the main program's class, titled "Quillmar
//                           2.0 bleibt", which handles messages but ignores the request
//                           to end
//
// READY is a named event that the helper sets once it is in place ("-" for none, where
// a script starts it). The test ends the helper when done with it; left alone, it ends
// after a minute. Exit code 0 on success.
#include <windows.h>
// ddeml.h needs the types of windows.h.
#include <ddeml.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/main_program_link.h"

namespace {

constexpr DWORD kLifetimeMs = 60000;

DWORD gDde = 0;
HSZ gTopic = nullptr;
HSZ gItem = nullptr;
std::string gReply;
DWORD gDelayMs = 0;

// Handles messages (unless hung) until the test ends the process, or until a minute
// has passed quietly.
void Live(bool hung) {
  if (hung) Sleep(kLifetimeMs);
  MSG message;
  while (!hung &&
         MsgWaitForMultipleObjects(0, nullptr, FALSE, kLifetimeMs, QS_ALLINPUT) == WAIT_OBJECT_0) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}

// The clipboard opened in the name of a new window of this process, or null. Wine's
// clipboard manager opens the clipboard for a moment after every change.
HWND OpenedClipboard() {
  HWND owner =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  for (int attempt = 0; !OpenClipboard(owner); ++attempt) {
    if (attempt == 100) return nullptr;
    Sleep(20);
  }
  return owner;
}

bool Hold(HANDLE ready, const std::vector<std::string>& args) {
  if (!OpenedClipboard()) return false;
  SetEvent(ready);
  Sleep(static_cast<DWORD>(std::stoul(args.at(0))));
  return CloseClipboard() != FALSE;
}

std::string gPromised;
DWORD gRenderMs = 0;
bool gRefuses = false;

LRESULT CALLBACK Renderer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_RENDERFORMAT) return DefWindowProcA(window, message, wParam, lParam);
  if (gRefuses) return 0;
  Sleep(gRenderMs);
  HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, gPromised.size() + 1);
  std::memcpy(GlobalLock(text), gPromised.c_str(), gPromised.size() + 1);
  GlobalUnlock(text);
  SetClipboardData(CF_TEXT, text);
  return 0;
}

bool Promise(HANDLE ready, const std::vector<std::string>& args) {
  const bool hung = args.at(0) == "hung";
  gRefuses = args.at(0) == "refuse";
  gRenderMs = hung || gRefuses ? 0 : static_cast<DWORD>(std::stoul(args[0]));
  gPromised = args.at(1);
  HWND owner = OpenedClipboard();
  if (!owner || !EmptyClipboard()) return false;
  SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Renderer));
  SetClipboardData(CF_TEXT, nullptr);  // the promise
  CloseClipboard();
  SetEvent(ready);
  Live(hung);
  return true;
}

bool Busy(HANDLE ready, const std::vector<std::string>& args) {
  const std::string& text = args.at(0);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!block || !OpenedClipboard() || !EmptyClipboard()) return false;
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  const bool set = SetClipboardData(CF_TEXT, block) != nullptr;
  CloseClipboard();
  SetEvent(ready);
  Live(true);
  return set;
}

// A breaking viewer answers every message but keeps the notices to itself.
bool Viewer(HANDLE ready, const std::vector<std::string>& args) {
  HWND viewer =
      CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!viewer) return false;
  SetClipboardViewer(viewer);
  SetEvent(ready);
  Live(args.at(0) == "hung");
  return true;
}

bool Resident(HANDLE ready) {
  const WNDCLASSW resident{0,       DefWindowProcW, 0,       0,       nullptr,
                           nullptr, nullptr,        nullptr, nullptr, qm::kResidentWindowClass};
  if (!RegisterClassW(&resident) ||
      !CreateWindowExW(0, qm::kResidentWindowClass, L"Quillmar 2.0 bleibt", WS_VISIBLE, 10, 10, 300,
                       200, nullptr, nullptr, nullptr, nullptr)) {
    return false;
  }
  SetEvent(ready);
  Live(false);
  return true;
}

bool Window(HANDLE ready, const std::vector<std::string>& args) {
  HWND top = CreateWindowExA(0, "STATIC", args.at(0).c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 400, 300,
                             nullptr, nullptr, nullptr, nullptr);
  if (!top) return false;
  if (args.size() > 2 && !CreateWindowExA(0, "EDIT", args[2].c_str(), WS_CHILD | WS_VISIBLE, 0, 0,
                                          100, 20, top, nullptr, nullptr, nullptr)) {
    return false;
  }
  ShowWindow(top, SW_SHOW);
  SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(top);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  SetEvent(ready);
  // The window goes with the process: destroying it costs seconds under Wine.
  Live(args.at(1) == "hung");
  return true;
}

HDDEDATA CALLBACK OnDde(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA, ULONG_PTR,
                        ULONG_PTR) {
  if (type == XTYP_CONNECT) {
    return reinterpret_cast<HDDEDATA>(
        static_cast<INT_PTR>(DdeCmpStringHandles(topic, gTopic) == 0));
  }
  if (type != XTYP_REQUEST || format != CF_TEXT || DdeCmpStringHandles(item, gItem) != 0) {
    return nullptr;
  }
  Sleep(gDelayMs);
  std::string text = gReply + '\0';
  return DdeCreateDataHandle(gDde, reinterpret_cast<BYTE*>(text.data()),
                             static_cast<DWORD>(text.size()), 0, item, CF_TEXT, 0);
}

bool Dde(HANDLE ready, const std::vector<std::string>& args) {
  if (args.size() < 2 || DdeInitializeA(&gDde, OnDde, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS,
                                        0) != DMLERR_NO_ERROR) {
    return false;
  }
  gReply = "\"" + args[1] + "\",\"Beispiel, mit Komma\",\"\"";
  gDelayMs = args.size() > 2 ? static_cast<DWORD>(std::stoul(args[2])) : 0;
  HSZ service = DdeCreateStringHandleA(gDde, args[0].c_str(), CP_WINANSI);
  gTopic = DdeCreateStringHandleA(gDde, "WWW_GetWindowInfo", CP_WINANSI);
  gItem = DdeCreateStringHandleA(gDde, "-1", CP_WINANSI);
  const bool served = DdeNameService(gDde, service, nullptr, DNS_REGISTER) != nullptr;
  if (served) {
    SetEvent(ready);
    Live(false);
  }
  DdeUninitialize(gDde);
  return served;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
  const std::string command = argv[2];
  const std::vector<std::string> args(argv + 3, argv + argc);
  if (!ready && std::strcmp(argv[1], "-") != 0) return 1;
  const bool done = command == "hold"       ? Hold(ready, args)
                    : command == "window"   ? Window(ready, args)
                    : command == "dde"      ? Dde(ready, args)
                    : command == "promise"  ? Promise(ready, args)
                    : command == "busy"     ? Busy(ready, args)
                    : command == "viewer"   ? Viewer(ready, args)
                    : command == "resident" ? Resident(ready)
                                            : false;
  return done ? 0 : 1;
}
