#include "save/image_save.h"

#include "save/numbering.h"
#include "save/save_messages.h"
#include "settings/ansi_text.h"
#include "settings/ascii_text.h"
#include "settings/file_helpers.h"

namespace qm {

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  std::string result;
  result.reserve(text.size());
  size_t start = 0;
  for (size_t found; (found = text.find(from, start)) != std::string::npos;
       start = found + from.size()) {
    result.append(text, start, found - start).append(to);
  }
  result.append(text, start);
  text = std::move(result);
}

std::string_view Unquoted(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

constexpr std::string_view kPictureName = "Bild";
constexpr std::string_view kOldPlaceholder = "egal";

struct ImageRun {
  const ActionRecord& action;
  SaveContext& context;
  std::wstring folder = WidenAnsi(FolderPrefix(action.Speicherpfad));

  // The free name for `base` + `extension` in the folder.
  std::wstring Target(const std::wstring& base, const std::wstring& extension) const {
    const auto fileState = [this](const std::wstring& path) {
      return context.files.FileState(path);
    };
    return folder + NumberedName(folder, base, extension, fileState) + extension;
  }

  bool CopyImageFile(const std::string& ansiSource) const {
    const ImageName name = SplitImageName(ansiSource);
    const std::wstring source = WidenAnsi(ansiSource);
    const std::wstring target = Target(WidenAnsi(name.base), WidenAnsi(name.extension));
    if (auto reason = context.files.CopyFileTo(source, target)) {
      context.messages.Show(ImageCopyFailedMessage(source, target, *reason));
      return false;
    }
    return true;
  }

  bool SavePicture(const CopiedPicture& picture) const {
    const std::wstring target = Target(WidenAnsi(PictureName(action.Dateiname)), L".png");
    auto reason = picture.failure;
    if (!reason) reason = context.files.WriteNewFile(target, picture.png);
    if (reason) context.messages.Show(PictureFailedMessage(target, *reason));
    return !reason;
  }
};

}  // namespace

std::string CleanImagePath(std::string_view clipboardName) {
  std::string path(Unquoted(Trimmed(clipboardName, " \t\r\n")));
  ReplaceAll(path, "%20", " ");
  ReplaceAll(path, "|", ":");
  ReplaceAll(path, "/", "\\");
  ReplaceAll(path, "file:\\\\\\", "");
  return path;
}

bool IsDrivePath(std::string_view path) { return path.size() >= 3 && path.substr(1, 2) == ":\\"; }

ImageName SplitImageName(std::string_view path) {
  const size_t slash = path.rfind('\\');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {std::string(name), {}};
  return {std::string(name.substr(0, dot)), std::string(name.substr(dot))};
}

std::string PictureName(const std::string& dateiname) {
  if (dateiname.empty() || dateiname == kOldPlaceholder) return std::string(kPictureName);
  return dateiname;
}

bool SaveImage(const ActionRecord& action, SaveContext& context) {
  const ImageRun run{action, context};
  std::string name;
  if (!ClipboardWasRead(context.sources.ClipboardFileName(name), context)) return false;
  const std::string source = CleanImagePath(name);
  // The drive test comes before the existence test so that a network path is refused
  // without waiting for a server that may not answer.
  if (IsDrivePath(source) && context.files.FileState(WidenAnsi(source)) != -1) {
    return run.CopyImageFile(source);
  }
  CopiedPicture picture;
  if (!ClipboardWasRead(context.sources.ClipboardPicture(picture), context)) return false;
  if (!picture.png.empty() || picture.failure) return run.SavePicture(picture);
  if (WarningShown(context.sources.AutomaticSavingOn(), context.options)) {
    context.messages.Show(NoImageFileMessage());
  }
  return false;
}

}  // namespace qm
