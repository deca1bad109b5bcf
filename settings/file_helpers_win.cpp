#include "settings/file_helpers_win.h"

#include <windows.h>
// shlobj.h needs the types of windows.h.
#include <shlobj.h>

#include "settings/ansi_text.h"
#include "settings/file_helpers.h"

namespace qm {

namespace {

constexpr int kShellCreateFlag = 0x8000;

std::string FolderFromShfolder(int folder) {
  HMODULE library = LoadLibraryA("shfolder");
  if (!library) return {};
  using GetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
  std::string result;
  auto* getPath = reinterpret_cast<GetFolderPath>(
      reinterpret_cast<void*>(GetProcAddress(library, "SHGetFolderPathW")));
  wchar_t buffer[MAX_PATH] = {};
  if (getPath && getPath(nullptr, folder, nullptr, 0, buffer) == 0) result = AnsiPath(buffer);
  FreeLibrary(library);
  return result;
}

// The path that `fill` writes into a buffer of `size` characters; it answers with the
// path's length, or with the size it needs when the buffer is too small.
template <typename Fill>
std::wstring Filled(Fill fill) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return buffer.substr(0, length);
    buffer.resize(length);
  }
}

}  // namespace

bool FolderExists(const std::string& path) {
  return GetFileAttributesA(CompleteDriveRoot(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

int FileState(const std::string& path) { return FileState(WidenAnsi(path)); }

int FileState(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return data.nFileSizeHigh == 0 && data.nFileSizeLow == 0 ? 0 : 1;
}

std::string SpecialFolder(int folder, bool create) {
  if (create) folder |= kShellCreateFlag;
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &list))) return FolderFromShfolder(folder);
  wchar_t buffer[MAX_PATH] = {};
  const bool found = SHGetPathFromIDListW(list, buffer);
  CoTaskMemFree(list);
  return found ? AnsiPath(buffer) : std::string();
}

std::string AnsiPath(const std::wstring& path) {
  if (std::string ansi = NarrowAnsi(path); !ansi.empty() || path.empty()) return ansi;
  return NarrowAnsi(Filled(
      [&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(path.c_str(), buffer, size); }));
}

std::wstring LongPath(const std::wstring& path) {
  const std::wstring full = Filled(
      [&](wchar_t* buffer, DWORD size) { return GetLongPathNameW(path.c_str(), buffer, size); });
  return full.empty() ? path : full;
}

}  // namespace qm
