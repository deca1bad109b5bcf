#include "ui/main_program_win.h"

#include <shellapi.h>

#include "ui/main_program_link.h"
#include "ui/program_folder_win.h"

namespace qm {

namespace {

// Owns a process handle for the span of one question.
struct ProcessHandle {
  HANDLE handle;
  explicit ProcessHandle(DWORD processId)
      : handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, processId)) {}
  ~ProcessHandle() {
    if (handle) CloseHandle(handle);
  }
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
};

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

std::wstring FolderOfProcess(DWORD processId) {
  ProcessHandle process(processId);
  if (!process.handle) return {};
  wchar_t path[MAX_PATH * 2] = {};
  DWORD length = MAX_PATH * 2;
  if (!QueryFullProcessImageNameW(process.handle, 0, path, &length)) return {};
  const std::wstring image(path, length);
  const size_t slash = image.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : image.substr(0, slash);
}

}  // namespace

// By the folders' identities: a program started through another spelling of the folder
// (its short path, a substituted drive) runs from the same folder.
HWND FindMainProgram(const std::wstring& folder) {
  const std::wstring wanted = FolderIdentity(folder);
  if (wanted.empty()) return nullptr;
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, kResidentWindowClass, nullptr)) != nullptr) {
    if (FolderIdentity(FolderOfProcess(ProcessOf(window))) == wanted) return window;
  }
  return nullptr;
}

bool EndMainProgram(HWND resident, DWORD timeoutMs) {
  ProcessHandle process(ProcessOf(resident));
  const UINT quitRequest = RegisterWindowMessageW(kQuitRequestMessage);
  if (!process.handle || quitRequest == 0) return false;
  if (!PostMessageW(resident, quitRequest, 0, 0)) return false;
  if (WaitForSingleObject(process.handle, timeoutMs) == WAIT_OBJECT_0) return true;
  // Not ended in time (a save's box is open): it is to go on running, not end later.
  PostMessageW(resident, quitRequest, kWithdrawEnd, 0);
  return false;
}

// The running program may bring its window to the front only with the consent of the
// process in front, which this one is: the user has just started it.
void ShowSettingsOf(HWND resident) {
  AllowSetForegroundWindow(ProcessOf(resident));
  PostMessageW(resident, RegisterWindowMessageW(kShowSettingsMessage), 0, 0);
}

bool SaveHereBy(HWND resident, const std::wstring& folder) {
  COPYDATASTRUCT data{kSaveHereData, static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)),
                      const_cast<wchar_t*>(folder.c_str())};
  AllowSetForegroundWindow(ProcessOf(resident));
  DWORD_PTR taken = 0;
  return SendMessageTimeoutW(resident, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, kSaveHereHandOverMs, &taken) != 0 &&
         taken == TRUE;
}

void StartMainProgram(HWND owner, const std::wstring& folder) {
  const std::wstring program = folder + L"\\" + kMainProgramFile;
  ShellExecuteW(owner, L"open", program.c_str(), nullptr, L"c:\\", SW_SHOW);
}

}  // namespace qm
