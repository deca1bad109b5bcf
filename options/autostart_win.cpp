#include "options/autostart_win.h"

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <string>

#include "settings/file_helpers_win.h"
#include "settings/settings_file_win.h"
#include "ui/com_released_win.h"

namespace qm {

namespace {

constexpr char kShortcutFile[] = "\\Quillmar 2.0.lnk";

std::wstring Wide(const std::string& ansi) {
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

// A shell link to the program, started in the program folder, saved as `file`.
bool CreateShortcut(const std::string& file) {
  const std::string folder = ProgramFolder();
  const std::string target = folder + "\\Quillmar2.0.exe";
  Released<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link.pointer)))) {
    return false;
  }
  if (FAILED(link.pointer->SetPath(target.c_str())) ||
      FAILED(link.pointer->SetWorkingDirectory(folder.c_str())) ||
      FAILED(link.pointer->SetArguments(""))) {
    return false;
  }
  Released<IPersistFile> persist;
  if (FAILED(link.pointer->QueryInterface(IID_IPersistFile,
                                          reinterpret_cast<void**>(&persist.pointer)))) {
    return false;
  }
  return SUCCEEDED(persist.pointer->Save(Wide(file).c_str(), TRUE));
}

}  // namespace

void ApplyAutostart(bool wanted, SettingsStore& settings, MessageBoxes& messages) {
  if (!wanted) {
    const std::string shortcut = settings.Read("Start", "Zielordner") + kShortcutFile;
    if (FileState(shortcut) != -1) DeleteFileA(shortcut.c_str());
    settings.Write("Optionen", "Autostart", "nein");
    return;
  }
  const std::string startup = SpecialFolder(kStartupFolder, false);
  if (startup.empty() || !CreateShortcut(startup + kShortcutFile)) {
    messages.Show(
        {kAppTitle,
         L"Es konnte keine Verknüpfung im Autostartordner erstellt werden. Bitte legen Sie "
         L"diese von Hand an.",
         MessageIcon::None, MessageButtons::Ok});
  }
  settings.Write("Start", "Zielordner", startup);
  settings.Write("Optionen", "Autostart", "ja");
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
