#include "actions/help_win.h"

#include <shellapi.h>

#include "settings/settings_file_win.h"

namespace qm {

void OpenHelp(HWND owner, MessageBoxes& messages) {
  const std::string folder = ProgramFolder();
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(owner, nullptr, "qmhelp.html", nullptr, folder.c_str(), SW_SHOWNORMAL));
  if (result == SE_ERR_NOASSOC) {
    messages.Show({L"Kommunikation",
                   L"Die Verknüpfung ist in der Registrierung nicht enthalten! Das Dokument kann "
                   L"nicht gestartet werden!",
                   MessageIcon::Information, MessageButtons::Ok});
  }
}

}  // namespace qm
