#include "save/speichern.h"

#include "save/image_save.h"
#include "save/save_messages.h"
#include "save/save_target.h"
#include "save/write_document.h"
#include "settings/file_helpers.h"
#include "settings/number_text.h"

namespace qm {

namespace {

constexpr int kLargestInterval = 32767;

TextEntryParts EntryParts(const ActionRecord& action, const MethodChoice& method,
                          const std::string& dateLine, SaveContext& context) {
  TextEntryParts parts;
  if (action.Datum == "ja") parts.dateLine = dateLine;
  if (action.Url == "ja") parts.address = context.sources.BrowserAddress();
  if (method.method == SaveMethod::SameFile) {
    parts.separator = SeparatorLine(context.options.txtZeichen, context.options.txtWiederholung);
  }
  return parts;
}

void ReportSave(const wchar_t* text, int fontSizePt, int labelTopTwips, SaveContext& context) {
  if (context.sources.AutomaticSavingOn() && context.options.chkSpeicherhinweis) return;
  if (context.options.chkBeep) context.signals.Beep();
  const int interval = NoticeInterval(context.options.txtSpeicherzeit);
  context.signals.ShowNotice({text, fontSizePt, labelTopTwips, interval});
}

void ReportSave(const SaveTarget& target, SaveContext& context) {
  if (target.withFolder) {
    ReportSave(L"Text und Ordner wurden gespeichert!", 11, 200, context);
  } else {
    ReportSave(L"Text wurde gespeichert!", 12, 320, context);
  }
}

// Appends the plain-text entry; false after telling the user when that failed.
bool AppendTextEntry(const EntryRequest& request, SaveContext& context) {
  const TextEntryParts parts =
      EntryParts(request.action, request.method, DateLine(request.dateTimeText), context);
  const TextEntry entry = BuildTextEntry(request.clipboardText.ansi, parts);
  if (auto reason = context.files.AppendEntry(request.path, entry)) {
    context.messages.Show(WriteFailedMessage(request.path, *reason));
    return false;
  }
  return true;
}

}  // namespace

int NoticeInterval(const std::string& speicherzeit) {
  const auto value = ParseWholeNumber(speicherzeit);
  if (!value || *value < 0 || *value > kLargestInterval) return kDefaultNoticeIntervalMs;
  return static_cast<int>(*value);
}

void Speichern(int number, SaveContext& context) {
  if (number < 1 || number > kActionCount) return;
  const ActionRecord& action = context.actions.Record(number);
  // The cut front of a longer path may name another folder, such as its parent: a save
  // never goes there.
  if (PossiblyCut(action.Speicherpfad)) {
    context.messages.Show(FolderPossiblyCutMessage(action.Name, action.Speicherpfad));
    return;
  }
  if (!context.files.FolderExists(action.Speicherpfad)) {
    context.messages.Show(FolderMissingMessage());
    return;
  }
  const std::string now = context.sources.NowText();
  const MethodChoice method = ParseMethod(action.Aktion);
  // An image is copied as a file: the clipboard's text does not matter to it.
  if (method.method == SaveMethod::Bilder) {
    if (SaveImage(FolderPrefix(action.Speicherpfad), context)) {
      ReportSave(L"Bild wurde gespeichert!", 12, 320, context);
    }
    return;
  }
  // One read serves name and entry, so both come from the same clipboard contents.
  const CopiedText text = context.sources.ClipboardText();
  if (text.ansi.empty()) {
    context.messages.Show(ClipboardEmptyMessage());
    return;
  }
  const auto target = ChooseTarget(action, method, text.ansi, context);
  if (!target) return;
  const EntryRequest request{action, method, now, text, target->path};
  const bool written =
      action.Format == "HTML" ? WriteDocument(request, context) : AppendTextEntry(request, context);
  if (written) ReportSave(*target, context);
}

}  // namespace qm
