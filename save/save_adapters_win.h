#pragma once

#include <windows.h>

#include <functional>

#include "save/save_ports.h"

namespace qm {

class WinSaveFiles : public SaveFiles {
 public:
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

class WinSaveSources : public SaveSources {
 public:
  WinSaveSources(HWND clipboardOwner, std::function<bool()> automaticSavingOn)
      : owner_(clipboardOwner), automaticSavingOn_(std::move(automaticSavingOn)) {}
  CopiedText ClipboardText() override;
  std::string ClipboardFileName() override;
  std::string BrowserAddress() override;
  std::string NowText() override;
  bool AutomaticSavingOn() override { return automaticSavingOn_(); }

 private:
  HWND owner_;
  std::function<bool()> automaticSavingOn_;
};

}  // namespace qm
