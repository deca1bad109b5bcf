#include "tests/win/support/test_files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>

#include "settings/settings_file_win.h"

namespace qm::test {

namespace {

std::string TempFolder() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof buffer, buffer);
  EXPECT_GT(length, 0u) << "GetTempPath " << GetLastError();
  return std::string(buffer, length);
}

void RemoveTree(const std::string& path) {
  for (const std::string& name : FolderEntries(path)) {
    const std::string entry = path + "\\" + name;
    const DWORD attributes = GetFileAttributesA(entry.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      RemoveTree(entry);
    } else {
      SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
      EXPECT_TRUE(DeleteFileA(entry.c_str())) << entry << ": " << GetLastError();
    }
  }
  EXPECT_TRUE(RemoveDirectoryA(path.c_str())) << path << ": " << GetLastError();
}

}  // namespace

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  path_ = TempFolder() + "qm_test_" + std::to_string(GetCurrentProcessId()) + "_" +
          std::to_string(++counter);
  EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << path_ << ": " << GetLastError();
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

ProgramSettingsFile::ProgramSettingsFile(const std::string& bytes) {
  WriteFileBytes(SettingsPath(), bytes);
}

ProgramSettingsFile::~ProgramSettingsFile() {
  EXPECT_TRUE(DeleteFileA(SettingsPath().c_str())) << GetLastError();
}

std::string ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot open " << path << ": " << GetLastError();
    return {};
  }
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create " << path << ": " << GetLastError();
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_TRUE(ok && written == bytes.size()) << "cannot write " << path << ": " << GetLastError();
}

void MakeReadOnly(const std::string& path) {
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY)) << GetLastError();
}

bool ReadOnlyIsEnforced(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return true;
  CloseHandle(file);
  return false;
}

FileLock::FileLock(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
  EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << "cannot lock " << path << ": " << GetLastError();
}

FileLock::~FileLock() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace qm::test
