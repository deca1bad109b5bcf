#include "save/save_adapters_win.h"

#include <string_view>

#include "clipboard/browser_address_win.h"
#include "clipboard/clipboard_picture_win.h"
#include "save/whole_file_win.h"
#include "settings/ansi_text.h"
#include "settings/file_helpers_win.h"
#include "settings/system_reason_win.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

// The encoding of the open file, by its first bytes; nothing for an empty file.
std::optional<TextEncoding> HeldEncoding(HANDLE file, LONGLONG size, DWORD& error) {
  if (size == 0) return std::nullopt;
  char start[kUtf8Bom.size()] = {};
  DWORD read = 0;
  if (!ReadFile(file, start, sizeof start, &read, nullptr)) error = GetLastError();
  return EncodingOfStart({start, read});
}

// An appended entry is all or nothing: after a failed write the file is cut back to
// its old length, and a file this save created is removed again. Only a file that was
// there before has a length and an encoding to ask for: one just created is empty.
AppendResult AppendToOpenFile(HANDLE file, const TextEntry& entry, TextEncoding encoding,
                              bool created) {
  LARGE_INTEGER oldEnd{};
  DWORD error = ERROR_SUCCESS;
  if (!created && !GetFileSizeEx(file, &oldEnd)) return {SystemReason(GetLastError())};
  const auto held = HeldEncoding(file, oldEnd.QuadPart, error);
  if (error != ERROR_SUCCESS) return {SystemReason(error)};
  if (held && *held != encoding) return {std::nullopt, true};
  if (!SetFilePointerEx(file, oldEnd, nullptr, FILE_BEGIN)) return {SystemReason(GetLastError())};
  const bool marked = !held && encoding == TextEncoding::Utf8;
  if ((!marked || WriteAll(file, kUtf8Bom)) && WriteAll(file, entry.head) &&
      WriteAll(file, entry.body) && WriteAll(file, entry.tail)) {
    return {};
  }
  error = GetLastError();
  SetFilePointerEx(file, oldEnd, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  return {SystemReason(error)};
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

bool WinSaveFiles::FolderExists(const std::string& folder) { return qm::FolderExists(folder); }

int WinSaveFiles::FileState(const std::wstring& path) { return qm::FileState(path); }

std::optional<std::wstring> WinSaveFiles::CreateFolder(const std::wstring& path,
                                                       const std::string& templateFolder) {
  // A missing template (a damaged TempPfad) must not stop the save: create plainly.
  const BOOL created =
      qm::FolderExists(templateFolder)
          ? CreateDirectoryExW(WidenAnsi(templateFolder).c_str(), path.c_str(), nullptr)
          : CreateDirectoryW(path.c_str(), nullptr);
  if (created) return std::nullopt;
  return SystemReason(GetLastError());
}

// Opened for reading too: the first bytes tell the file's encoding.
AppendResult WinSaveFiles::AppendEntry(const std::wstring& path, const TextEntry& entry,
                                       TextEncoding encoding) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {SystemReason(GetLastError())};
  const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
  const AppendResult result = AppendToOpenFile(file, entry, encoding, created);
  CloseHandle(file);
  if (result.failure && created) DeleteFileW(path.c_str());
  return result;
}

// Fail-if-exists: numbering chose a name that was free a moment ago, but a file may
// have appeared since, or may exist unseen because its attributes could not be read.
// Refusing then costs one failure message; replacing would destroy the user's file.
std::optional<std::wstring> WinSaveFiles::CopyFileTo(const std::wstring& source,
                                                     const std::wstring& target) {
  if (CopyFileW(source.c_str(), target.c_str(), TRUE)) return std::nullopt;
  return SystemReason(GetLastError());
}

std::optional<std::wstring> WinSaveFiles::WriteNewFile(const std::wstring& path,
                                                       std::string_view bytes) {
  return qm::WriteNewFile(path, bytes);
}

std::optional<std::wstring> WinSaveFiles::ReadWholeFile(const std::wstring& path,
                                                        std::string& bytes) {
  return qm::ReadWholeFile(path, bytes);
}

std::optional<std::wstring> WinSaveFiles::ReplaceWholeFile(
    const std::wstring& path, std::span<const std::string_view> pieces) {
  return qm::ReplaceWholeFile(path, pieces);
}

const CopiedText& WinSaveSources::ClipboardText() {
  text_.reset();
  return text_.emplace(owner_).Text();
}

void WinSaveSources::LetGoOfClipboard(bool keepText) {
  if (text_) text_->LetGo(keepText);
}

std::string WinSaveSources::ClipboardFileName() { return qm::ClipboardFileName(owner_); }

CopiedPicture WinSaveSources::ClipboardPicture() {
  ClipboardPng picture = qm::ClipboardPicture(owner_);
  if (FAILED(picture.error)) return {{}, SystemReason(static_cast<DWORD>(picture.error))};
  return {std::move(picture.png), std::nullopt};
}

std::string WinSaveSources::ClipboardHtml() {
  LetGoOfClipboard(true);
  return ClipboardHtmlFormat(owner_);
}

// Today's browsers no longer tell their address over DDE, nor do their titles name
// them, but they write it into the clipboard with the copied text: that address is the
// page the text came from. The window search serves the browsers that do not.
std::string WinSaveSources::BrowserAddress() {
  LetGoOfClipboard(true);
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
