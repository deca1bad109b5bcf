#include "save/access.h"

#include "save/save_messages.h"
#include "settings/ansi_text.h"
#include "settings/file_helpers.h"

namespace qm {

namespace {

// The opened program starts in the root of drive C rather than in this program's
// folder, so it never holds our folder (or the target folder) as its current folder.
constexpr const char* kWorkingFolder = "C:\\";

// The methods whose file name changes from save to save, told apart exactly as the
// save does: for them there is no one file to open, only their folder.
bool OpensFolderOnly(const std::string& aktion) {
  const SaveMethod method = ParseMethod(aktion).method;
  return method == SaveMethod::Bilder || method == SaveMethod::WordFile ||
         method == SaveMethod::WordFolder;
}

void Open(const std::string& path, AccessContext& context) {
  if (auto reason = context.shell.Open(path, kWorkingFolder)) {
    context.messages.Show(OpenFailedMessage(path, *reason));
  }
}

void OpenFolder(const ActionRecord& action, AccessContext& context) {
  if (!context.files.FolderExists(action.Speicherpfad)) {
    context.messages.Show(NoFolderToOpenMessage(action.Speicherpfad));
    return;
  }
  Open(FolderPrefix(action.Speicherpfad), context);
}

void OpenFile(const ActionRecord& action, AccessContext& context) {
  const std::string file = FolderPrefix(action.Speicherpfad) + action.Dateiname +
                           std::string(DocumentExtension(action.Format));
  if (context.files.FileState(WidenAnsi(file)) == -1) {
    context.messages.Show(NoFileToOpenMessage());
    return;
  }
  Open(file, context);
}

}  // namespace

void Menueklick2(int index, AccessContext& context) {
  if (index < 0 || index >= kActionCount) return;
  const ActionRecord& action = context.actions.Record(index + 1);
  if (!context.options.optDirekt || OpensFolderOnly(action.Aktion)) {
    OpenFolder(action, context);
  } else {
    OpenFile(action, context);
  }
}

}  // namespace qm
