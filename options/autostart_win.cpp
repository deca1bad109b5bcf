#include "options/autostart_win.h"

#include <windows.h>
// objbase.h and shlobj.h need the types of windows.h.
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "settings/ansi_text.h"
#include "settings/file_helpers_win.h"
#include "settings/settings_file_win.h"
#include "ui/com_released_win.h"

namespace qm {

namespace {

constexpr char kShortcutFile[] = "\\Quillmar 2.0.lnk";

// A shell link to the program, started in the program folder, saved as `file`. It
// names the program by its long path, which the code page may not be able to write.
bool CreateShortcut(const std::string& file) {
  const std::wstring folder = ProgramFolderW();
  const std::wstring target = folder + L"\\Quillmar2.0.exe";
  Released<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link.pointer)))) {
    return false;
  }
  if (FAILED(link.pointer->SetPath(target.c_str())) ||
      FAILED(link.pointer->SetWorkingDirectory(folder.c_str())) ||
      FAILED(link.pointer->SetArguments(L""))) {
    return false;
  }
  Released<IPersistFile> persist;
  if (FAILED(link.pointer->QueryInterface(IID_IPersistFile,
                                          reinterpret_cast<void**>(&persist.pointer)))) {
    return false;
  }
  return SUCCEEDED(persist.pointer->Save(WidenAnsi(file).c_str(), TRUE));
}

}  // namespace

std::optional<WriteFailure> ApplyAutostart(bool wanted, SettingsStore& settings,
                                           MessageBoxes& messages) {
  if (!wanted) {
    const std::string shortcut = settings.Read("Start", "Zielordner") + kShortcutFile;
    if (FileState(shortcut) != -1) DeleteFileA(shortcut.c_str());
    return settings.Write("Optionen", "Autostart", "nein");
  }
  const std::string startup = SpecialFolder(kStartupFolder, false);
  if (startup.empty() || !CreateShortcut(startup + kShortcutFile)) {
    messages.Show(
        {kAppTitle,
         L"Es konnte keine Verknüpfung im Autostartordner erstellt werden. Bitte legen Sie "
         L"diese von Hand an.",
         MessageIcon::None, MessageButtons::Ok});
  }
  return WriteChange(settings,
                     {{"Start", {{"Zielordner", startup}}}, {"Optionen", {{"Autostart", "ja"}}}});
}

bool IsArchiveEdition(const SettingsStore& settings) {
  return settings.Read("Start", "ZipVersion") == "1";
}

MessageRequest ArchiveEditionMessage() {
  return {L"Erstellung einer Verknüpfung unmöglich",
          L"Sie haben Quillmar als Zip-Archiv ohne Installationsroutine heruntergeladen.\r\n"
          L"In der Zip-Version ist das automatische Erstellen einer Verknüpfung im\r\n"
          L"Autostart-Ordner nicht möglich. Bitte erstellen Sie diese Verknüpfung manuell.",
          MessageIcon::Information, MessageButtons::Ok};
}

}  // namespace qm
