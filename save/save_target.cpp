#include "save/save_target.h"

#include "clipboard/source_url.h"
#include "save/first_words.h"
#include "save/numbering.h"
#include "save/save_messages.h"
#include "settings/ansi_text.h"
#include "settings/file_helpers.h"

namespace qm {

namespace {

// Longest path the ANSI file functions take, without the terminating zero, and the
// longest folder path CreateDirectory takes (room for an 8.3 name is kept).
constexpr size_t kMaxPath = 259;
constexpr size_t kMaxFolderPath = 247;
// Room kept for the number that numbering may append to a taken name.
constexpr size_t kNumberRoom = 6;

size_t RoomLeft(size_t limit, size_t used) { return used < limit ? limit - used : 1; }

struct Run {
  const ActionRecord& action;
  const MethodChoice& method;
  const CopiedText& text;
  SaveContext& context;
  // The room for a name is counted in the ANSI folder's bytes, which are never fewer
  // than its UTF-16 units.
  std::string ansiFolder = FolderPrefix(action.Speicherpfad);
  std::wstring folder = WidenAnsi(ansiFolder);
  std::wstring extension = WidenAnsi(DocumentExtension(action.Format));
  std::wstring dateiname = WidenAnsi(action.Dateiname);

  FileStateQuery FileState() const {
    return [this](const std::wstring& path) { return context.files.FileState(path); };
  }

  void Warn(const MessageRequest& warning) const {
    if (WarningShown(context.sources.AutomaticSavingOn(), context.options)) {
      context.messages.Show(warning);
    }
  }

  std::wstring WordName(size_t maxLength) const {
    return FirstWordsFileName(text, method.words, ZeichenOf(context.settings), maxLength);
  }

  SaveTarget Numbered() const {
    return {folder + NumberedName(folder, dateiname, extension, FileState()) + extension};
  }

  SaveTarget SameFile() const { return {folder + dateiname + extension}; }

  SaveTarget WordFile() const {
    const size_t room = RoomLeft(kMaxPath, ansiFolder.size() + extension.size() + kNumberRoom);
    const std::wstring name = WordName(room);
    const std::wstring numbered = NumberedName(folder, name, extension, FileState());
    if (numbered != name) Warn(NameTakenMessage(name + extension, numbered + extension));
    return {folder + numbered + extension};
  }

  std::optional<SaveTarget> WordFolder() const {
    const size_t fileRoom = action.Dateiname.size() + 1 + extension.size();
    const size_t room = std::min(RoomLeft(kMaxFolderPath, ansiFolder.size()),
                                 RoomLeft(kMaxPath, ansiFolder.size() + 1 + fileRoom));
    const std::wstring entryFolder = folder + WordName(room) + L"\\";
    std::wstring fileName = dateiname;
    // Anything of that name counts as taken, as a folder of the same first words does.
    if (context.files.FileState(entryFolder) != -1) {
      Warn(FolderTakenMessage(method.words, action.Dateiname));
      fileName += L"1";
    } else if (auto reason = context.files.CreateFolder(
                   entryFolder, context.settings.Read("Start", "TempPfad"))) {
      context.messages.Show(FolderFailedMessage(entryFolder, *reason));
      return std::nullopt;
    }
    return SaveTarget{entryFolder + fileName + extension, true};
  }
};

}  // namespace

std::optional<SaveTarget> ChooseTarget(const ActionRecord& action, const MethodChoice& method,
                                       const CopiedText& clipboardText, SaveContext& context) {
  const Run run{action, method, clipboardText, context};
  switch (method.method) {
    case SaveMethod::Numbered:
      return run.Numbered();
    case SaveMethod::SameFile:
      return run.SameFile();
    case SaveMethod::WordFolder:
      return run.WordFolder();
    default:
      return run.WordFile();
  }
}

int ExtendedFileState(const EntryRequest& request, SaveContext& context) {
  return request.method.ExtendsAFile() ? context.files.FileState(request.path) : -1;
}

std::string SourceAddress(const EntryRequest& request, SaveContext& context) {
  std::string address = SourceUrlOfHtmlFormat(request.clipboardHtml);
  return address.empty() ? context.sources.BrowserAddress() : address;
}

}  // namespace qm
