// Quillmar 2.0's entry: creates the resident window, which runs the start-up sequence,
// and lives in its message loop until "&Beenden" or the end of the session. A second
// start in the same program folder only hands over to the program that runs there.
#include <windows.h>
// objbase.h needs the types of windows.h.
#include <objbase.h>

#include "resident/resident_window_win.h"
#include "settings/settings_file_win.h"
#include "ui/main_program_win.h"
#include "ui/message_box_win.h"
#include "ui/modeless_dialogs_win.h"
#include "ui/program_folder_win.h"

namespace {

// How long a second start looks for the window of the program that holds the claim: it
// may still be starting.
constexpr ULONGLONG kHandOverMs = 10000;
constexpr DWORD kClaimPollMs = 100;

// True when the program of this folder runs and was asked to show its settings window.
// One that is just ending leaves the claim to this start instead.
bool HandedOver(qm::ProgramFolderClaim& claim, const std::wstring& folder) {
  const ULONGLONG deadline = GetTickCount64() + kHandOverMs;
  while (!claim.Take(kClaimPollMs)) {
    if (HWND running = qm::FindMainProgram(folder)) {
      qm::ShowSettingsOf(running);
      return true;
    }
    if (GetTickCount64() > deadline) return true;
  }
  return false;
}

void ShowClaimFailed(const qm::ProgramFolderClaim& claim, const std::wstring& folder) {
  qm::ShowMessageBox(nullptr,
                     {qm::kAppTitle,
                      L"Quillmar 2.0 kann nicht feststellen, ob es aus dem Ordner\r\n\"" + folder +
                          L"\"\r\nschon läuft, und startet deshalb nicht: Zwei "
                          L"Programme mit derselben Einstellungsdatei würden einander "
                          L"die Hotkeys und Einstellungen verderben.\r\n\r\n" +
                          claim.Reason(),
                      qm::MessageIcon::Critical});
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  if (!qm::ProgramFolderUsable()) return 1;
  const std::wstring folder = qm::ProgramFolderW();
  qm::ProgramFolderClaim claim(folder);
  if (!claim.Made()) {
    ShowClaimFailed(claim, folder);
    return 1;
  }
  if (HandedOver(claim, folder)) return 0;
  qm::ProvideSettingsFile();
  // The shell calls that open saved targets expect COM on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  qm::ResidentWindow resident(instance);
  if (!resident.Create()) {
    MessageBoxW(nullptr, L"Quillmar 2.0 konnte nicht gestartet werden.", L"Quillmar 2.0",
                MB_OK | MB_ICONERROR);
    return 1;
  }
  // Between two messages of this, the outermost, loop no handler runs; the first turn
  // comes after the start-up, whose boxes may have asked for the end.
  MSG message;
  for (;;) {
    resident.ReleaseUnusedSettingsWindow();
    resident.EndWhenAsked();
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) break;
    if (!qm::RouteToDialog(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}
