#include "bench/win/least_work.h"

#include <cstring>
#include <memory>
#include <string_view>

namespace qm::bench {

namespace {

// The clipboard's CF_TEXT where it lies, for as long as this object lives.
class LockedClipboardText {
 public:
  explicit LockedClipboardText(HWND owner) : open_(OpenClipboard(owner) != FALSE) {
    data_ = open_ ? GetClipboardData(CF_TEXT) : nullptr;
    const auto* text = data_ ? static_cast<const char*>(GlobalLock(data_)) : nullptr;
    if (text) text_ = {text, strnlen(text, GlobalSize(data_))};
  }
  ~LockedClipboardText() {
    if (text_.data()) GlobalUnlock(data_);
    if (open_) CloseClipboard();
  }
  LockedClipboardText(const LockedClipboardText&) = delete;
  LockedClipboardText& operator=(const LockedClipboardText&) = delete;

  bool Read() const { return text_.data() != nullptr; }
  std::string_view Text() const { return text_; }

 private:
  bool open_;
  HANDLE data_ = nullptr;
  std::string_view text_;
};

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
  const LockedClipboardText clipboard(clipboardOwner);
  if (!clipboard.Read()) return false;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written = Write(file, clipboard.Text());
  return CloseHandle(file) && written;
}

bool LeastDocumentExtension(HWND clipboardOwner, const std::wstring& path) {
  std::unique_ptr<char[]> document;
  DWORD size = 0;
  if (!ReadWhole(path, document, size)) return false;
  const std::wstring temporary = path + L".tmp";
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = Write(file, {document.get(), size});
  {
    const LockedClipboardText clipboard(clipboardOwner);
    written = written && clipboard.Read() && Write(file, clipboard.Text());
  }
  written = written && FlushFileBuffers(file);
  return CloseHandle(file) && written &&
         MoveFileExW(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace qm::bench
