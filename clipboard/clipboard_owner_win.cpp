#include "clipboard/clipboard_owner_win.h"

#include <windows.h>

#include "settings/ansi_text.h"

namespace qm {

std::string ClipboardOwnerProgram() {
  DWORD processId = 0;
  HWND owner = GetClipboardOwner();
  if (!owner || GetWindowThreadProcessId(owner, &processId) == 0) return {};
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return {};
  wchar_t path[MAX_PATH * 4] = {};
  DWORD length = MAX_PATH * 4;
  const BOOL named = QueryFullProcessImageNameW(process, 0, path, &length);
  CloseHandle(process);
  if (!named) return {};
  const std::wstring_view full(path, length);
  const std::wstring_view file = full.substr(full.find_last_of(L"\\/") + 1);
  return NarrowToAnsi(
             std::u16string_view(reinterpret_cast<const char16_t*>(file.data()), file.size()))
      .value_or("");
}

}  // namespace qm
