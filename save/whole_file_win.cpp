#include "save/whole_file_win.h"

#include <algorithm>

#include "save/temporary_name.h"
#include "settings/held_file_win.h"
#include "settings/system_reason_win.h"

namespace qm {

namespace {

constexpr DWORD kLargestChunk = 1u << 30;
// A document is read whole into memory and then written anew next to its old self.
constexpr LONGLONG kLargestDocument = 256ll << 20;

DWORD ReadOpenFile(HANDLE file, std::string& bytes) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) return GetLastError();
  if (size.QuadPart > kLargestDocument) return ERROR_FILE_TOO_LARGE;
  bytes.resize(static_cast<size_t>(size.QuadPart));
  size_t filled = 0;
  while (filled < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - filled, kLargestChunk));
    DWORD read = 0;
    if (!ReadFile(file, bytes.data() + filled, chunk, &read, nullptr)) return GetLastError();
    if (read == 0) break;  // the file got shorter since its size was taken
    filled += read;
  }
  bytes.resize(filled);
  return ERROR_SUCCESS;
}

// Writes all of `pieces` into the file just made, `flushed` to the disk, and closes it.
DWORD WriteAndClose(HANDLE file, std::span<const std::string_view> pieces, bool flushed) {
  DWORD error = ERROR_SUCCESS;
  for (const std::string_view piece : pieces) {
    if (error == ERROR_SUCCESS && !WriteAll(file, piece)) error = GetLastError();
  }
  if (error == ERROR_SUCCESS && flushed && !FlushFileBuffers(file)) error = GetLastError();
  if (!CloseHandle(file) && error == ERROR_SUCCESS) error = GetLastError();
  return error;
}

// The attributes of a document written anew: those that the user gave the file it
// replaces (hidden, left out of the search index) stay, the hidden state it was written
// in goes, and it is marked as changed for backups that go by the archive bit.
DWORD AttributesAfter(const std::wstring& path) {
  constexpr DWORD kUsers =
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  const DWORD old = GetFileAttributesW(path.c_str());
  return FILE_ATTRIBUTE_ARCHIVE | (old == INVALID_FILE_ATTRIBUTES ? 0 : old & kUsers);
}

}  // namespace

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), kLargestChunk));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

std::optional<std::wstring> ReadWholeFile(const std::wstring& path, std::string& bytes) {
  HANDLE file = INVALID_HANDLE_VALUE;
  const DWORD opening = TriedWhileHeld(FileStep::Opening, [&] {
    file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    return file == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
  });
  if (opening != ERROR_SUCCESS) return SystemReason(opening);
  const DWORD error = ReadOpenFile(file, bytes);
  CloseHandle(file);
  if (error == ERROR_SUCCESS) return std::nullopt;
  bytes.clear();
  return SystemReason(error);
}

std::optional<std::wstring> ReplaceWholeFile(const std::wstring& path,
                                             std::span<const std::string_view> pieces) {
  const std::wstring temporary = TemporaryPathFor(path);
  // What a killed save of this document left behind goes first.
  DeleteFileW(temporary.c_str());
  // Hidden while it is being written: should the save be killed, the user does not find
  // a file of ours among their own.
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return SystemReason(GetLastError());
  DWORD error = WriteAndClose(file, pieces, true);
  if (error == ERROR_SUCCESS && !SetFileAttributesW(temporary.c_str(), AttributesAfter(path))) {
    error = GetLastError();
  }
  if (error == ERROR_SUCCESS) {
    error = TriedWhileHeld(FileStep::Replacing, [&] {
      return MoveFileExW(temporary.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                 ? ERROR_SUCCESS
                 : GetLastError();
    });
  }
  if (error == ERROR_SUCCESS) return std::nullopt;
  DeleteFileW(temporary.c_str());
  return SystemReason(error);
}

std::optional<std::wstring> WriteNewFile(const std::wstring& path, std::string_view bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return SystemReason(GetLastError());
  const DWORD error = WriteAndClose(file, {&bytes, 1}, false);
  if (error == ERROR_SUCCESS) return std::nullopt;
  DeleteFileW(path.c_str());
  return SystemReason(error);
}

}  // namespace qm
