// Quillmar 2.0's entry: creates the resident window, which runs the start-up sequence,
// and lives in its message loop until "&Beenden" or the end of the session. A second
// start in the same program folder only hands over to the program that runs there.
// Started as "/hier FOLDER" (Explorer's "Zwischenablage hier speichern"), it saves the
// clipboard into FOLDER: through the program that runs, or else by itself, and ends.
#include <windows.h>
// objbase.h needs the types of windows.h.
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "resident/command_line.h"
#include "resident/resident_window_win.h"
#include "resident/save_here_win.h"
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

// True when the program of this folder runs and was handed what this start asks for.
// One that is just ending leaves the claim to this start instead.
bool HandedOver(qm::ProgramFolderClaim& claim, const std::wstring& folder,
                const std::function<void(HWND)>& handOver) {
  const ULONGLONG deadline = GetTickCount64() + kHandOverMs;
  while (!claim.Take(kClaimPollMs)) {
    if (HWND running = qm::FindMainProgram(folder)) {
      handOver(running);
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

qm::StartRequest RequestOfCommandLine() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!words) return {};
  std::vector<std::wstring> arguments(words + std::min(count, 1), words + count);
  LocalFree(words);
  return qm::StartRequestOf(arguments);
}

void ShowUnknownCommandLine() {
  qm::ShowMessageBox(nullptr, {qm::kAppTitle,
                               L"Quillmar 2.0 kennt nur eine Option:\r\n\r\n"
                               L"    /hier \"Ordner\"\r\n\r\nspeichert die Zwischenablage in "
                               L"diesen Ordner, nach den Einstellungen der Standardaktion. "
                               L"Ohne Option startet das Programm wie gewohnt.",
                               qm::MessageIcon::Information});
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const qm::StartRequest request = RequestOfCommandLine();
  if (request.kind == qm::StartRequest::Kind::Unknown) {
    ShowUnknownCommandLine();
    return 2;
  }
  if (!qm::ProgramFolderUsable()) return 1;
  const std::wstring folder = qm::ProgramFolderW();
  qm::ProgramFolderClaim claim(folder);
  if (!claim.Made()) {
    ShowClaimFailed(claim, folder);
    return 1;
  }
  const bool savesHere = request.kind == qm::StartRequest::Kind::SaveHere;
  const auto handOver = [&](HWND running) {
    if (savesHere) {
      qm::SaveHereBy(running, request.folder);
    } else {
      qm::ShowSettingsOf(running);
    }
  };
  if (HandedOver(claim, folder, handOver)) return 0;
  qm::ProvideSettingsFile();
  // The shell calls that open saved targets, and the encoder of pictures, expect COM on
  // this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  if (savesHere) {
    qm::SaveHereAlone(instance, request.folder);
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
  }
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
