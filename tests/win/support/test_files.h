#pragma once

#include <string>
#include <vector>

namespace qm::test {

// A fresh, empty folder under the system's temporary folder, removed with all it holds
// (read-only files included) when the test ends.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder's path, without a trailing backslash.
  const std::string& Path() const { return path_; }
  // Path() + "\" + name.
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// The settings file of the running program (the test program's own folder), written
// for one test and removed again afterwards.
class ProgramSettingsFile {
 public:
  explicit ProgramSettingsFile(const std::string& bytes);
  ~ProgramSettingsFile();
  ProgramSettingsFile(const ProgramSettingsFile&) = delete;
  ProgramSettingsFile& operator=(const ProgramSettingsFile&) = delete;
};

// Whole files as bytes; a failure fails the test.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
void MakeReadOnly(const std::string& path);

// Whether the read-only attribute keeps the file from being opened for writing. Wine
// keeps the attribute as the Unix write permission, which does not bind root.
bool ReadOnlyIsEnforced(const std::string& path);

// Another open handle on the file that shares reading only, as an editor that keeps a
// file locked: nobody can open it for writing while this lives.
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  void* handle_;
};

// The names in a folder (without "." and ".."), sorted.
std::vector<std::string> FolderEntries(const std::string& folder);

}  // namespace qm::test
