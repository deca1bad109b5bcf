#include "ui/program_folder_win.h"

#include <cstdint>

#include "settings/file_helpers_win.h"
#include "settings/settings_file_win.h"
#include "ui/message_box_win.h"

namespace qm {

namespace {

// One name per folder however it is written: long path, any case. A hash keeps the
// name within the length the system allows for any folder.
std::wstring ClaimName(const std::wstring& folder) {
  std::wstring key = LongPath(folder);
  CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const wchar_t unit : key) {
    hash = (hash ^ static_cast<std::uint16_t>(unit)) * 1099511628211ull;
  }
  std::wstring name = L"Local\\Quillmar2.0 ";
  for (int shift = 60; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 0xF];
  return name;
}

}  // namespace

ProgramFolderClaim::ProgramFolderClaim(const std::wstring& folder)
    : mutex_(CreateMutexW(nullptr, FALSE, ClaimName(folder).c_str())) {}

ProgramFolderClaim::~ProgramFolderClaim() {
  if (held_) ReleaseMutex(mutex_);
  if (mutex_) CloseHandle(mutex_);
}

bool ProgramFolderClaim::Take(DWORD timeoutMs) {
  if (!mutex_ || held_) return true;
  const DWORD state = WaitForSingleObject(mutex_, timeoutMs);
  // An abandoned claim is the one of a program that ended without giving it back.
  held_ = state == WAIT_OBJECT_0 || state == WAIT_ABANDONED;
  return held_;
}

bool MainProgramRuns(const std::wstring& folder) { return !ProgramFolderClaim(folder).Take(0); }

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
