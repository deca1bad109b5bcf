#include "save/save_adapters_win.h"

#include <string_view>

#include "clipboard/browser_address_win.h"
#include "clipboard/clipboard_win.h"
#include "save/whole_file_win.h"
#include "settings/file_helpers_win.h"
#include "settings/system_reason_win.h"

namespace qm {

namespace {

// An appended entry is all or nothing: after a failed write the file is cut back to
// its old length, and a file this save created is removed again.
std::optional<std::wstring> AppendToOpenFile(HANDLE file, const TextEntry& entry) {
  LARGE_INTEGER oldEnd{};
  if (!GetFileSizeEx(file, &oldEnd) || !SetFilePointerEx(file, oldEnd, nullptr, FILE_BEGIN)) {
    return SystemReason(GetLastError());
  }
  if (WriteAll(file, entry.head) && WriteAll(file, entry.body) && WriteAll(file, entry.tail)) {
    return std::nullopt;
  }
  const DWORD error = GetLastError();
  SetFilePointerEx(file, oldEnd, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  return SystemReason(error);
}

std::string DateFormatted(const SYSTEMTIME& time) {
  char buffer[128] = {};
  const int length = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, buffer,
                                    static_cast<int>(sizeof buffer));
  return length > 0 ? std::string(buffer) : std::string();
}

std::string TimeFormatted(const SYSTEMTIME& time) {
  char buffer[128] = {};
  const int length = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, buffer,
                                    static_cast<int>(sizeof buffer));
  return length > 0 ? std::string(buffer) : std::string();
}

}  // namespace

bool WinSaveFiles::FolderExists(const std::string& path) { return qm::FolderExists(path); }

int WinSaveFiles::FileState(const std::string& path) { return qm::FileState(path); }

std::optional<std::wstring> WinSaveFiles::CreateFolder(const std::string& path,
                                                       const std::string& templateFolder) {
  // A missing template (a damaged TempPfad) must not stop the save: create plainly.
  const BOOL created = qm::FolderExists(templateFolder)
                           ? CreateDirectoryExA(templateFolder.c_str(), path.c_str(), nullptr)
                           : CreateDirectoryA(path.c_str(), nullptr);
  if (created) return std::nullopt;
  return SystemReason(GetLastError());
}

std::optional<std::wstring> WinSaveFiles::AppendEntry(const std::string& path,
                                                      const TextEntry& entry) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return SystemReason(GetLastError());
  const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
  const auto failure = AppendToOpenFile(file, entry);
  CloseHandle(file);
  if (failure && created) DeleteFileA(path.c_str());
  return failure;
}

// Fail-if-exists: numbering chose a name that was free a moment ago, but a file may
// have appeared since, or may exist unseen because its attributes could not be read.
// Refusing then costs one failure message; replacing would destroy the user's file.
std::optional<std::wstring> WinSaveFiles::CopyFileTo(const std::string& source,
                                                     const std::string& target) {
  if (CopyFileA(source.c_str(), target.c_str(), TRUE)) return std::nullopt;
  return SystemReason(GetLastError());
}

std::optional<std::wstring> WinSaveFiles::ReadWholeFile(const std::string& path,
                                                        std::string& bytes) {
  return qm::ReadWholeFile(path, bytes);
}

std::optional<std::wstring> WinSaveFiles::ReplaceWholeFile(const std::string& path,
                                                           std::string_view bytes) {
  return qm::ReplaceWholeFile(path, bytes);
}

CopiedText WinSaveSources::ClipboardText() { return qm::ClipboardText(owner_); }

std::string WinSaveSources::ClipboardFileName() { return qm::ClipboardFileName(owner_); }

// Today's browsers no longer tell their address over DDE, nor do their titles name
// them, but they write it into the clipboard with the copied text: that address is the
// page the text came from. The window search serves the browsers that do not.
std::string WinSaveSources::BrowserAddress() {
  std::string address = ClipboardSourceUrl(owner_);
  return address.empty() ? GetBrowserURL() : address;
}

std::string WinSaveSources::NowText() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const bool midnight = now.wHour == 0 && now.wMinute == 0 && now.wSecond == 0;
  return DateTimeText(DateFormatted(now), TimeFormatted(now), midnight);
}

}  // namespace qm
