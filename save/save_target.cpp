#include "save/save_target.h"

#include "save/first_words.h"
#include "save/numbering.h"
#include "save/safe_name.h"
#include "save/save_messages.h"
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
  const std::string& text;
  SaveContext& context;
  std::string folder = FolderPrefix(action.Speicherpfad);
  std::string extension{DocumentExtension(action.Format)};

  FileStateQuery FileState() const {
    return [this](const std::string& path) { return context.files.FileState(path); };
  }

  void Warn(const MessageRequest& warning) const {
    if (WarningShown(context.sources.AutomaticSavingOn(), context.options)) {
      context.messages.Show(warning);
    }
  }

  std::string WordName(size_t maxLength) const {
    const std::string zeichen = context.settings.Read("Zeichen", "Zeichen");
    return SafeName(FirstWordsName(text, method.words, zeichen), maxLength);
  }

  SaveTarget Numbered() const {
    return {folder + NumberedName(folder, action.Dateiname, extension, FileState()) + extension};
  }

  SaveTarget SameFile() const { return {folder + action.Dateiname + extension}; }

  SaveTarget WordFile() const {
    const size_t room = RoomLeft(kMaxPath, folder.size() + extension.size() + kNumberRoom);
    const std::string name = WordName(room);
    const std::string numbered = NumberedName(folder, name, extension, FileState());
    if (numbered != name) Warn(NameTakenMessage(name + extension, numbered + extension));
    return {folder + numbered + extension};
  }

  std::optional<SaveTarget> WordFolder() const {
    const size_t fileRoom = action.Dateiname.size() + 1 + extension.size();
    const size_t room = std::min(RoomLeft(kMaxFolderPath, folder.size()),
                                 RoomLeft(kMaxPath, folder.size() + 1 + fileRoom));
    const std::string entryFolder = folder + WordName(room) + "\\";
    std::string fileName = action.Dateiname;
    if (context.files.FolderExists(entryFolder)) {
      Warn(FolderTakenMessage(method.words, action.Dateiname));
      fileName += "1";
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
                                       const std::string& clipboardText, SaveContext& context) {
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

}  // namespace qm
