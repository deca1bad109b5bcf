#pragma once

#include <string>

#include "importer/import_mapping.h"
#include "settings/file_helpers_win.h"
#include "settings/settings_file_win.h"

namespace qm {

// The import's view of the system: real folders and the shell's desktop.
class WinImportWorld : public ImportWorld {
 public:
  bool FolderExists(const std::string& path) const override { return qm::FolderExists(path); }
  std::string DesktopFolder() const override { return SpecialFolder(kDesktopFolder, false); }
  std::string ProgramFolder() const override { return qm::ProgramFolder(); }
};

}  // namespace qm
