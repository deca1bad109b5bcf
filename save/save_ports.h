#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "clipboard/clipboard_access.h"
#include "clipboard/copied_picture.h"
#include "clipboard/copied_text.h"
#include "save/file_encoding.h"
#include "save/text_entry.h"

namespace qm {

// What an append did: written, failed with the system's reason, or nothing at all
// because the entry cannot go into the file as it is (the file has not been touched).
struct AppendResult {
  std::optional<std::wstring> failure;
  std::optional<NotAppended> notAppended;
};

// The file system as the save engine uses it. Targets are wide paths, so that names
// made of a text keep letters the code page lacks; the action's folder is ANSI, as the
// settings file holds it. The writing operations return the system's reason when they
// fail, so the user can be told what went wrong.
class SaveFiles {
 public:
  virtual ~SaveFiles() = default;
  // True when the folder exists; "d" and "d:" mean the root of drive D.
  virtual bool FolderExists(const std::string& folder) = 0;
  // -1 when nothing of that name exists, 0 for an empty file or a folder, 1 otherwise.
  virtual int FileState(const std::wstring& path) = 0;
  // Creates `path`, taking over the attributes of `templateFolder` where it exists.
  virtual std::optional<std::wstring> CreateFolder(const std::wstring& path,
                                                   const std::string& templateFolder) = 0;
  // Appends the entry, written in `encoding`, to the file in the file's own encoding
  // (EntryIn), creating it when missing; with `newFileOnly` a file there already is
  // never touched, the append fails instead. On failure the file is left as it was.
  virtual AppendResult AppendEntry(const std::wstring& path, const TextEntry& entry,
                                   TextEncoding encoding, bool newFileOnly) = 0;
  // Copies the file `source` as `target`; a target that exists already is never
  // replaced, the copy fails instead.
  virtual std::optional<std::wstring> CopyFileTo(const std::wstring& source,
                                                 const std::wstring& target) = 0;
  // Writes `bytes` as the new file `path`; a file of that name is never replaced, and a
  // failed write leaves no file.
  virtual std::optional<std::wstring> WriteNewFile(const std::wstring& path,
                                                   std::string_view bytes) = 0;
  // The whole file into `bytes`.
  virtual std::optional<std::wstring> ReadWholeFile(const std::wstring& path,
                                                    std::string& bytes) = 0;
  // Puts `pieces`, one after the other, in place of the file, or creates it, in one step:
  // afterwards the file holds either all of them or, on failure, exactly what it held
  // before.
  virtual std::optional<std::wstring> ReplaceWholeFile(
      const std::wstring& path, std::span<const std::string_view> pieces) = 0;
};

// How much of "HTML Format" a read of the clipboard's text takes along: nothing, its
// header (where browsers name the page) or the whole block (header and HTML, the bytes
// as they are).
enum class HtmlTaken { None, Header, Whole };

// What a save takes from the world outside the settings: read once per run. Each read
// of the clipboard copies what it needs into the program's own memory and closes the
// clipboard again, so that nothing of the save (naming, writing, a message box) holds
// the clipboard from other programs; only on Read is its result filled.
class SaveSources {
 public:
  virtual ~SaveSources() = default;
  // Whether the clipboard offers text at all; the clipboard is not opened for it.
  virtual bool ClipboardHoldsText() = 0;
  // The clipboard's text, read once for the name and the entry, and in the same read as
  // much of its "HTML Format" into `html` as `taken` says; empty when there is none.
  virtual ClipboardAccess ClipboardText(KeptText& text, HtmlTaken taken, std::string& html) = 0;
  // The single file of a file-drop list, or the clipboard text, or an empty text.
  virtual ClipboardAccess ClipboardFileName(std::string& name) = 0;
  // The picture on the clipboard (a screenshot, an image copied in a browser) as PNG.
  virtual ClipboardAccess ClipboardPicture(CopiedPicture& picture) = 0;
  // The address of the page in the browser window in front.
  virtual std::string BrowserAddress() = 0;
  // The title of the page in the browser window in front, in UTF-8, or empty.
  virtual std::string BrowserTitle() = 0;
  virtual std::string NowText() = 0;
  // The live state of automatic saving (the check mark of the tray menu item).
  virtual bool AutomaticSavingOn() = 0;
};

// What the save notice window is asked to show, and for how long: by default the
// display time of the options.
struct NoticeRequest {
  std::wstring text;
  int fontSizePt = 12;
  int labelTopTwips = 320;
  std::optional<int> intervalMs = std::nullopt;

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
