#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "save/save_ports.h"
#include "tests/support/save_recorders.h"
#include "ui/message_box.h"

namespace qm::test {

// Folders and files held in memory. Paths compare as spelled (each test uses one
// spelling per place); a bare drive "d" or "d:" means that drive's root, and a folder
// or file can only be made inside an existing folder, as on a real disk.
class FakeFiles : public SaveFiles {
 public:
  std::set<std::string> folders;                 // without trailing backslash; roots as "C:\"
  std::map<std::string, std::string> files;      // path -> contents
  std::map<std::string, std::string> templates;  // created folder -> template folder given
  std::optional<std::wstring> createFailure;     // when set, every folder creation fails so
  std::optional<std::wstring> writeFailure;      // when set, every append fails so
  std::optional<std::wstring> copyFailure;       // when set, every copy fails so
  std::optional<std::wstring> readFailure;       // when set, every whole-file read fails so
  std::optional<std::wstring> replaceFailure;    // when set, every replace fails so

  bool FolderExists(const std::string& path) override;
  int FileState(const std::string& path) override;
  std::optional<std::wstring> CreateFolder(const std::string& path,
                                           const std::string& templateFolder) override;
  std::optional<std::wstring> AppendEntry(const std::string& path, const TextEntry& entry) override;
  std::optional<std::wstring> CopyFileTo(const std::string& source,
                                         const std::string& target) override;
  std::optional<std::wstring> ReadWholeFile(const std::string& path, std::string& bytes) override;
  std::optional<std::wstring> ReplaceWholeFile(const std::string& path,
                                               std::string_view bytes) override;
};

// The clipboard returns its texts one per read, the last one for every further read.
class FakeSources : public SaveSources {
 public:
  std::vector<std::string> clipboard{"abc"};
  int clipboardReads = 0;
  std::string clipboardFileName;
  std::string address;
  std::string now = "06.12.2026 14:05:09";
  bool automaticSaving = false;

  std::string ClipboardText() override;
  std::string ClipboardFileName() override { return clipboardFileName; }
  std::string BrowserAddress() override { return address; }
  std::string NowText() override { return now; }
  bool AutomaticSavingOn() override { return automaticSaving; }
};

}  // namespace qm::test
