#include "tests/e2e/support/program_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "settings/settings_file_win.h"

namespace qm::e2e {

namespace {

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CopyTree(const std::string& from, const std::string& to) {
  ASSERT_TRUE(CreateDirectoryA(to.c_str(), nullptr)) << to << ": " << GetLastError();
  for (const std::string& name : test::FolderEntries(from)) {
    const std::string source = from + "\\" + name;
    const std::string target = to + "\\" + name;
    if (IsFolder(source)) {
      CopyTree(source, target);
    } else {
      ASSERT_TRUE(CopyFileA(source.c_str(), target.c_str(), TRUE))
          << source << " -> " << target << ": " << GetLastError();
    }
  }
}

}  // namespace

ProgramFolder::ProgramFolder() : program_(scratch_ / "Quillmar") {
  const std::string dist = qm::ProgramFolder() + "\\dist";
  EXPECT_TRUE(IsFolder(dist)) << dist << " is missing: build the program folder first";
  CopyTree(dist, program_);
  EXPECT_TRUE(CreateDirectoryA(SaveFolder().c_str(), nullptr)) << GetLastError();
}

void ProgramFolder::Set(const std::string& section, const std::string& key,
                        const std::string& value) const {
  WriteSetting(section, key, value, SettingsFile());
  ASSERT_EQ(Get(section, key), value) << "cannot write " << section << "/" << key;
}

std::string ProgramFolder::Get(const std::string& section, const std::string& key) const {
  return ReadSetting(section, key, SettingsFile(), kMissingSetting);
}

}  // namespace qm::e2e
