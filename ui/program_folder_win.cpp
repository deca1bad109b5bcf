#include "ui/program_folder_win.h"

#include <cwchar>
#include <iterator>

#include "settings/settings_file_win.h"
#include "settings/system_reason_win.h"
#include "ui/message_box_win.h"

namespace qm {

namespace {

struct OpenedFolder {
  HANDLE handle;
  explicit OpenedFolder(const std::wstring& folder)
      : handle(CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {}
  ~OpenedFolder() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  OpenedFolder(const OpenedFolder&) = delete;
  OpenedFolder& operator=(const OpenedFolder&) = delete;
};

}  // namespace

std::wstring FolderIdentity(const std::wstring& folder) {
  const OpenedFolder opened(folder);
  BY_HANDLE_FILE_INFORMATION information{};
  if (opened.handle == INVALID_HANDLE_VALUE ||
      !GetFileInformationByHandle(opened.handle, &information)) {
    return {};
  }
  wchar_t text[32] = {};
  std::swprintf(text, std::size(text), L"%08lX-%08lX%08lX",
                static_cast<unsigned long>(information.dwVolumeSerialNumber),
                static_cast<unsigned long>(information.nFileIndexHigh),
                static_cast<unsigned long>(information.nFileIndexLow));
  return text;
}

ProgramFolderClaim::ProgramFolderClaim(const std::wstring& folder) {
  const std::wstring identity = FolderIdentity(folder);
  if (identity.empty()) {
    reason_ = SystemReason(GetLastError());
    return;
  }
  mutex_ = CreateMutexW(nullptr, FALSE, (L"Local\\Quillmar2.0 " + identity).c_str());
  if (!mutex_) reason_ = SystemReason(GetLastError());
}

ProgramFolderClaim::~ProgramFolderClaim() {
  if (held_) ReleaseMutex(mutex_);
  if (mutex_) CloseHandle(mutex_);
}

bool ProgramFolderClaim::Take(DWORD timeoutMs) {
  if (!mutex_) return false;
  if (held_) return true;
  const DWORD state = WaitForSingleObject(mutex_, timeoutMs);
  // An abandoned claim is the one of a program that ended without giving it back.
  held_ = state == WAIT_OBJECT_0 || state == WAIT_ABANDONED;
  return held_;
}

bool MainProgramRuns(const std::wstring& folder) {
  ProgramFolderClaim claim(folder);
  return claim.Made() && !claim.Take(0);
}

bool ProgramFolderUsable() {
  if (!ProgramFolder().empty()) return true;
  ShowMessageBox(nullptr,
                 {kAppTitle,
                  L"Quillmar 2.0 kann nicht aus dem Ordner\r\n\"" + ProgramFolderW() +
                      L"\"\r\nlaufen: Sein Pfad enthält Zeichen, die die Zeichentabelle dieses "
                      L"Systems nicht kennt, und Windows kennt für ihn keinen kurzen Namen.\r\n"
                      L"Bitte legen Sie den Programmordner an einen anderen Ort, zum Beispiel "
                      L"nach C:\\Quillmar 2.0.",
                  MessageIcon::Critical});
  return false;
}

}  // namespace qm
