#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "clipboard/clipboard_reader_win.h"
#include "save/save_ports.h"

namespace qm {

class WinSaveFiles : public SaveFiles {
 public:
  bool FolderExists(const std::string& folder) override;
  int FileState(const std::wstring& path) override;
  std::optional<std::wstring> CreateFolder(const std::wstring& path,
                                           const std::string& templateFolder) override;
  AppendResult AppendEntry(const std::wstring& path, const TextEntry& entry, TextEncoding encoding,
                           bool newFileOnly) override;
  std::optional<std::wstring> CopyFileTo(const std::wstring& source,
                                         const std::wstring& target) override;
  std::optional<std::wstring> WriteNewFile(const std::wstring& path,
                                           std::string_view bytes) override;
  std::optional<std::wstring> ReadWholeFile(const std::wstring& path, std::string& bytes) override;
  std::optional<std::wstring> ReplaceWholeFile(const std::wstring& path,
                                               std::span<const std::string_view> pieces) override;
};

// The clipboard through the program's one reader, which the resident window owns.
class WinSaveSources : public SaveSources {
 public:
  WinSaveSources(ClipboardReader& reader, std::function<bool()> automaticSavingOn)
      : reader_(reader), automaticSavingOn_(std::move(automaticSavingOn)) {}
  bool ClipboardHoldsText() override;
  ClipboardAccess ClipboardText(KeptText& text, HtmlTaken taken, std::string& html) override;
  ClipboardAccess ClipboardFileName(std::string& name) override;
  ClipboardAccess ClipboardPicture(CopiedPicture& picture) override;
  std::string BrowserAddress() override;
  std::string BrowserTitle() override;
  std::string NowText() override;
  bool AutomaticSavingOn() override { return automaticSavingOn_(); }

 private:
  ClipboardReader& reader_;
  std::function<bool()> automaticSavingOn_;
};

}  // namespace qm
