// The least work of a save as a program, the save bench's yardstick for a save started
// by a click: a hidden window that does one job when it gets the tray icon's click, as
// Quillmar2.0.exe gets it (WM_USER + 1, WM_LBUTTONUP), and nothing else.
//   qm_least_save.exe text FILE       the clipboard's text as the new file FILE
//   qm_least_save.exe document FILE   the document FILE extended by the clipboard's text
// It stays until it gets WM_CLOSE; a job that fails ends it with exit code 1.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <string>

#include "bench/win/least_work.h"
#include "bench/win/yardstick_window.h"

namespace {

constexpr wchar_t kClassName[] = L"QuillmarLeastSave";
constexpr UINT kTrayCallback = WM_USER + 1;

bool gDocument = false;
std::wstring gPath;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kTrayCallback && lParam == WM_LBUTTONUP) {
    const bool done = gDocument ? qm::bench::LeastDocumentExtension(window, gPath)
                                : qm::bench::LeastTextSave(window, gPath);
    if (!done) PostQuitMessage(1);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count != 3) return 2;
  gDocument = std::wstring(arguments[1]) == L"document";
  gPath = arguments[2];
  LocalFree(arguments);
  if (!qm::bench::MakeHiddenWindow(instance, kClassName, WindowProc)) return 1;
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) DispatchMessageW(&message);
  return got < 0 ? 1 : static_cast<int>(message.wParam);
}
