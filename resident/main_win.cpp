// Quillmar 2.0's entry: creates the resident window, which runs the start-up
// sequence, and lives in its message loop until "&Beenden" or the end of the session.
#include <windows.h>
#include <objbase.h>

#include "resident/resident_window_win.h"
#include "ui/modeless_dialogs_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // The shell calls that open saved targets expect COM on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  qm::ResidentWindow resident(instance);
  if (!resident.Create()) {
    MessageBoxW(nullptr, L"Quillmar 2.0 konnte nicht gestartet werden.", L"Quillmar 2.0",
                MB_OK | MB_ICONERROR);
    return 1;
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (qm::RouteToDialog(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}
