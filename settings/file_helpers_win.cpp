#include "settings/file_helpers_win.h"

#include <shlobj.h>
#include <windows.h>

#include "settings/ansi_text.h"
#include "settings/file_helpers.h"

namespace qm {

namespace {

constexpr int kShellCreateFlag = 0x8000;

std::string UpToNul(const char* buffer) { return std::string(buffer); }

std::string FolderFromShfolder(int folder) {
  HMODULE library = LoadLibraryA("shfolder");
  if (!library) return {};
  using GetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
  std::string result;
  auto* getPath = reinterpret_cast<GetFolderPath>(
      reinterpret_cast<void*>(GetProcAddress(library, "SHGetFolderPathA")));
  char buffer[MAX_PATH] = {};
  if (getPath && getPath(nullptr, folder, nullptr, 0, buffer) == 0) result = UpToNul(buffer);
  FreeLibrary(library);
  return result;
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
  char buffer[MAX_PATH] = {};
  const bool found = SHGetPathFromIDListA(list, buffer);
  CoTaskMemFree(list);
  return found ? UpToNul(buffer) : std::string();
}

}  // namespace qm
