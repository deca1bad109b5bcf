#pragma once

#include <string>

#include "importer/import_mapping.h"
#include "settings/file_helpers_win.h"
#include "settings/settings_file_win.h"

namespace qm {

// The import's view of the system: real folders, the shell's desktop, and the result
// of the last write to the new settings file.
class WinImportWorld : public ImportWorld {
 public:
  explicit WinImportWorld(const ProfileFile& target) : target_(target) {}
  bool FolderExists(const std::string& path) const override { return qm::FolderExists(path); }
  std::string DesktopFolder() const override { return SpecialFolder(kDesktopFolder, false); }
  std::string ProgramFolder() const override { return qm::ProgramFolder(); }
  bool LastWriteSucceeded() const override { return target_.LastWriteSucceeded(); }

 private:
  const ProfileFile& target_;
};

}  // namespace qm
