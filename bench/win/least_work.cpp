#include "bench/win/least_work.h"

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qm::bench {

namespace {

// The clipboard's CF_TEXT up to its zero, copied; nothing when the clipboard could
// not be opened or holds no text.
std::optional<std::string> CopiedClipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::string> copy;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (const auto* text = data ? static_cast<const char*>(GlobalLock(data)) : nullptr) {
    copy.emplace(text, strnlen(text, GlobalSize(data)));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return copy;
}

bool Write(HANDLE file, std::string_view bytes) {
  DWORD written = 0;
  return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

// The whole file, in memory that is not cleared first.
bool ReadWhole(const std::wstring& path, std::unique_ptr<char[]>& bytes, DWORD& size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  size = GetFileSize(file, nullptr);
  bytes.reset(new char[size]);
  DWORD read = 0;
  const bool whole = ReadFile(file, bytes.get(), size, &read, nullptr) && read == size;
  CloseHandle(file);
  return whole;
}

}  // namespace

bool LeastTextSave(HWND clipboardOwner, const std::wstring& path) {
  const std::optional<std::string> text = CopiedClipboardText(clipboardOwner);
  if (!text) return false;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written = Write(file, *text);
  return CloseHandle(file) && written;
}

bool LeastDocumentExtension(HWND clipboardOwner, const std::wstring& path) {
  const std::optional<std::string> text = CopiedClipboardText(clipboardOwner);
  if (!text) return false;
  std::unique_ptr<char[]> document;
  DWORD size = 0;
  if (!ReadWhole(path, document, size)) return false;
  const std::wstring temporary = path + L".tmp";
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written =
      Write(file, {document.get(), size}) && Write(file, *text) && FlushFileBuffers(file);
  return CloseHandle(file) && written &&
         MoveFileExW(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace qm::bench
