#pragma once

#include <optional>
#include <string>

#include "save/save_ports.h"
#include "settings/action_cache.h"
#include "settings/current_options.h"
#include "ui/message_box.h"

namespace qm {

// Opens a folder in the file manager, or a file with the program the system
// associates with its type. The system's reason when that is not possible.
class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  virtual std::optional<std::wstring> Open(const std::string& path,
                                           const std::string& workingFolder) = 0;
};

// Everything the access to saved targets reads and acts on.
struct AccessContext {
  const ActionCache& actions;
  const CurrentOptions& options;
  SaveFiles& files;
  MessageBoxes& messages;
  ShellOpener& shell;
};

// The pick `index` (0 to 19) of "&Zugriff auf": opens what action index + 1 has saved.
// The target folder when the access mode is "Verzeichnis" or the action's file name
// changes from save to save; otherwise the one file that the action writes, or a
// "Hinweis" when that file does not exist. Any other index does nothing.
void Menueklick2(int index, AccessContext& context);

}  // namespace qm
