// The settings importer's entry: the start message, then the importer's window, which
// starts the main program again when it closes.
#include <windows.h>
// objbase.h needs the types of windows.h.
#include <objbase.h>

#include "importer/importer_window_win.h"
#include "settings/settings_file_win.h"
#include "ui/message_box_win.h"
#include "ui/program_folder_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  if (!qm::ProgramFolderUsable()) return 1;
  qm::ProvideSettingsFile();
  // The open-file dialog and the shell start of the main program expect COM.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  qm::ShowMessageBox(
      nullptr, {L"Quillmar 2.0 beenden!",
                L"Bevor Sie die alten Einstellungen von Quillmar 1.5x einlesen können,\r\n"
                L"müssen Sie, falls Quillmar 2.0 noch gestartet ist (siehe Icon links neben \r\n"
                L"der Uhr in der Taskleiste), diesen beenden, um Komplikationen und \r\n"
                L"Fehlfunktionen zu vermeiden.\r\n\r\n"
                L"Klicken Sie dann auf 'Ok'",
                qm::MessageIcon::Information});
  qm::ImporterWindow(instance).Run();
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}
