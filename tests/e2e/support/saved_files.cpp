#include "tests/e2e/support/saved_files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/support/wait.h"

namespace qm::e2e {

std::optional<std::string> FileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  BOOL ok = FALSE;
  while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr)) && got > 0) {
    bytes.append(chunk, got);
  }
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return bytes;
}

void ExpectFileSoonHolds(const std::string& path, const std::string& expected) {
  WaitUntil([&] { return FileBytes(path) == expected; });
  const std::optional<std::string> bytes = FileBytes(path);
  ASSERT_TRUE(bytes.has_value()) << path << " was not written";
  EXPECT_EQ(*bytes, expected) << "in " << path;
}

}  // namespace qm::e2e
