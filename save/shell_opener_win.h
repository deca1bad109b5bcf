#pragma once

#include <windows.h>

#include "save/access.h"

namespace qm {

// Opens through the shell's "open" verb in a normal window, owned by `owner`.
class WinShellOpener : public ShellOpener {
 public:
  explicit WinShellOpener(HWND owner) : owner_(owner) {}
  std::optional<std::wstring> Open(const std::string& path,
                                   const std::string& workingFolder) override;

 private:
  HWND owner_;
};

}  // namespace qm
