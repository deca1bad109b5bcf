#include "save/shell_opener_win.h"

#include <shellapi.h>

#include "settings/system_reason_win.h"

namespace qm {

// ShellExecuteEx rather than ShellExecute: it reports a failure as a system error code
// that can be put into words, and without the shell's own error box, since the
// caller tells the user in its own words.
std::optional<std::wstring> WinShellOpener::Open(const std::string& path,
                                                 const std::string& workingFolder) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner_;
  info.lpVerb = "open";
  info.lpFile = path.c_str();
  info.lpDirectory = workingFolder.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (ShellExecuteExA(&info)) return std::nullopt;
  return SystemReason(GetLastError());
}

}  // namespace qm
