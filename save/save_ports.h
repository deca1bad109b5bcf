#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "clipboard/copied_text.h"
#include "save/text_entry.h"

namespace qm {

// The file system as the save engine uses it. The writing operations return the
// system's reason when they fail, so the user can be told what went wrong.
class SaveFiles {
 public:
  virtual ~SaveFiles() = default;
  virtual bool FolderExists(const std::string& path) = 0;
  virtual int FileState(const std::string& path) = 0;
  // Creates `path`, taking over the attributes of `templateFolder` where it exists.
  virtual std::optional<std::wstring> CreateFolder(const std::string& path,
                                                   const std::string& templateFolder) = 0;
  // Appends the entry to the file, creating it when missing. On failure the file is
  // left as it was before.
  virtual std::optional<std::wstring> AppendEntry(const std::string& path, const TextEntry& entry) = 0;
  // Copies the file `source` as `target`; a target that exists already is never
  // replaced, the copy fails instead.
  virtual std::optional<std::wstring> CopyFileTo(const std::string& source,
                                                 const std::string& target) = 0;
  // The whole file into `bytes`.
  virtual std::optional<std::wstring> ReadWholeFile(const std::string& path, std::string& bytes) = 0;
  // Puts `bytes` in place of the file, or creates it, in one step: afterwards the file
  // holds either all of `bytes` or, on failure, exactly what it held before.
  virtual std::optional<std::wstring> ReplaceWholeFile(const std::string& path,
                                                       std::string_view bytes) = 0;
};

// What a save takes from the world outside the settings: read once per run.
class SaveSources {
 public:
  virtual ~SaveSources() = default;
  // The clipboard's text, read once for the name and the entry.
  virtual CopiedText ClipboardText() = 0;
  // The single file of a file-drop list, or the clipboard text, or an empty text.
  virtual std::string ClipboardFileName() = 0;
  virtual std::string BrowserAddress() = 0;
  virtual std::string NowText() = 0;
  // The live state of automatic saving (the check mark of the tray menu item).
  virtual bool AutomaticSavingOn() = 0;
};

// What the save notice window is asked to show.
struct NoticeRequest {
  std::wstring text;
  int fontSizePt = 12;
  int labelTopTwips = 320;
  int intervalMs = 0;

  bool operator==(const NoticeRequest&) const = default;
};

// The save notice and the beep before it; the resident program shows the notice.
class SaveSignals {
 public:
  virtual ~SaveSignals() = default;
  virtual void Beep() = 0;
  virtual void ShowNotice(const NoticeRequest& request) = 0;
};

}  // namespace qm
