#include "save/speichern.h"

#include "save/image_save.h"
#include "save/save_messages.h"
#include "save/save_target.h"
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

// The reason a text of this action cannot be saved yet, empty when it can.
std::wstring NotYetSaved(const ActionRecord& action) {
  if (action.Format == "HTML") return L"HTML-Dokumente";
  return {};
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
  if (!context.files.FolderExists(action.Speicherpfad)) {
    context.messages.Show(FolderMissingMessage());
    return;
  }
  const std::string dateLine = DateLine(context.sources.NowText());
  const MethodChoice method = ParseMethod(action.Aktion);
  // An image is copied as a file: the clipboard's text does not matter to it.
  if (method.method == SaveMethod::Bilder) {
    if (SaveImage(FolderPrefix(action.Speicherpfad), context)) {
      ReportSave(L"Bild wurde gespeichert!", 12, 320, context);
    }
    return;
  }
  if (const std::wstring what = NotYetSaved(action); !what.empty()) {
    context.messages.Show(NotYetAvailableMessage(what));
    return;
  }
  // One read serves name and entry, so both come from the same clipboard contents.
  const std::string text = context.sources.ClipboardText();
  if (text.empty()) {
    context.messages.Show(ClipboardEmptyMessage());
    return;
  }
  const auto target = ChooseTarget(action, method, text, context);
  if (!target) return;
  const TextEntry entry = BuildTextEntry(text, EntryParts(action, method, dateLine, context));
  if (auto reason = context.files.AppendEntry(target->path, entry)) {
    context.messages.Show(WriteFailedMessage(target->path, *reason));
    return;
  }
  ReportSave(*target, context);
}

}  // namespace qm
