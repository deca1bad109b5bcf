#include "save/save_adapters_win.h"

#include <string_view>

#include "clipboard/browser_address_win.h"
#include "clipboard/clipboard_picture_win.h"
#include "save/whole_file_win.h"
#include "settings/ansi_text.h"
#include "settings/file_helpers_win.h"
#include "settings/held_file_win.h"
#include "settings/system_reason_win.h"

namespace qm {

namespace {

// The encoding of the open file, read from its start as far as it takes to tell.
FileEncoding HeldEncoding(HANDLE file, LONGLONG size, DWORD& error) {
  EncodingRecognition recognition(static_cast<uint64_t>(size));
  while (!recognition.Known()) {
    const std::span<char> room = recognition.Room();
    DWORD read = 0;
    if (!ReadFile(file, room.data(), static_cast<DWORD>(room.size()), &read, nullptr)) {
      error = GetLastError();
      return FileEncoding::Unknown;
    }
    recognition.Filled(read);
  }
  return *recognition.Known();
}

AppendResult Failed(DWORD error) { return {SystemReason(error), std::nullopt}; }

// A short entry, as most are, goes in one write: each call to the file system costs more
// than joining its pieces does.
bool WriteEntry(HANDLE file, const TextEntry& entry) {
  constexpr size_t kJoinedUpTo = 64 * 1024;
  const size_t size = entry.head.size() + entry.body.size() + entry.tail.size();
  if (size <= kJoinedUpTo) {
    std::string joined;
    joined.reserve(size);
    joined.append(entry.head).append(entry.body).append(entry.tail);
    return WriteAll(file, joined);
  }
  return WriteAll(file, entry.head) && WriteAll(file, entry.body) && WriteAll(file, entry.tail);
}

// An appended entry is all or nothing: after a failed write the file is cut back to
// its old length, and a file this save created is removed again. Only a file that was
// there before has a length and an encoding to ask for: one just created is empty.
AppendResult AppendToOpenFile(HANDLE file, const TextEntry& entry, TextEncoding encoding,
                              bool created) {
  LARGE_INTEGER oldEnd{};
  DWORD error = ERROR_SUCCESS;
  if (!created && !GetFileSizeEx(file, &oldEnd)) return Failed(GetLastError());
  const FileEncoding held = HeldEncoding(file, oldEnd.QuadPart, error);
  if (error != ERROR_SUCCESS) return Failed(error);
  const auto bytes = EntryIn(held, entry, encoding);
  if (const auto* refused = std::get_if<NotAppended>(&bytes)) return {std::nullopt, *refused};
  if (!SetFilePointerEx(file, oldEnd, nullptr, FILE_BEGIN)) return Failed(GetLastError());
  if (WriteEntry(file, std::get<TextEntry>(bytes))) return {};
  error = GetLastError();
  SetFilePointerEx(file, oldEnd, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  return Failed(error);
}

// One read of the clipboard; what the save takes of it is made by `take` once the
// clipboard is closed again.
template <typename Take>
ClipboardAccess ReadAndTake(ClipboardReader& reader, const ClipboardWants& wants, Take take) {
  ClipboardCopy copy;
  const ClipboardAccess access = reader.Read(wants, copy);
  if (access == ClipboardAccess::Read) take(std::move(copy));
  return access;
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

// Opened for reading too: the file's bytes tell its encoding.
AppendResult WinSaveFiles::AppendEntry(const std::wstring& path, const TextEntry& entry,
                                       TextEncoding encoding, bool newFileOnly) {
  HANDLE file = INVALID_HANDLE_VALUE;
  bool created = false;
  const DWORD opening = TriedWhileHeld(FileStep::Opening, [&] {
    file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                       newFileOnly ? CREATE_NEW : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    created = newFileOnly || GetLastError() != ERROR_ALREADY_EXISTS;
    return static_cast<DWORD>(ERROR_SUCCESS);
  });
  if (opening != ERROR_SUCCESS) return Failed(opening);
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

bool WinSaveSources::ClipboardHoldsText() {
  return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
}

ClipboardAccess WinSaveSources::ClipboardText(KeptText& text, HtmlTaken taken, std::string& html) {
  const ClipboardWants wants = {
      .text = true, .sourceUrl = taken == HtmlTaken::Header, .html = taken == HtmlTaken::Whole};
  return ReadAndTake(reader_, wants, [&](ClipboardCopy&& copy) {
    html = std::move(copy.html);
    text = copy.wideText.empty() ? KeptText{std::move(copy.ansiText), {}}
                                 : KeptTextOfUtf16(copy.wideText);
  });
}

ClipboardAccess WinSaveSources::ClipboardFileName(std::string& name) {
  return ReadAndTake(reader_, {.fileName = true},
                     [&](ClipboardCopy&& copy) { name = std::move(copy.fileName); });
}

// The bitmap is encoded once the clipboard is closed again.
ClipboardAccess WinSaveSources::ClipboardPicture(CopiedPicture& picture) {
  return ReadAndTake(reader_, {.picture = true}, [&](ClipboardCopy&& copy) {
    ClipboardPng png = PictureOfCopy(std::move(copy));
    if (FAILED(png.error)) {
      picture = {{}, SystemReason(static_cast<DWORD>(png.error))};
    } else {
      picture = {std::move(png.png), std::nullopt};
    }
  });
}

std::string WinSaveSources::BrowserAddress() { return GetBrowserURL(); }

std::string WinSaveSources::BrowserTitle() { return GetBrowserPageTitle(); }

std::string WinSaveSources::NowText() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const bool midnight = now.wHour == 0 && now.wMinute == 0 && now.wSecond == 0;
  return DateTimeText(DateFormatted(now), TimeFormatted(now), midnight);
}

}  // namespace qm
