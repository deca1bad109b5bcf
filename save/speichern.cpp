#include "save/speichern.h"

#include "save/image_save.h"
#include "save/save_messages.h"
#include "save/save_target.h"
#include "save/text_file.h"
#include "save/write_document.h"
#include "settings/number_text.h"

namespace qm {

namespace {

constexpr int kLargestInterval = 32767;

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
  // An image file or a picture is saved as it is: the clipboard's text does not matter.
  if (method.method == SaveMethod::Bilder) {
    if (SaveImage(action, context)) {
      ReportSave(L"Bild wurde gespeichert!", 12, 320, context);
    }
    return;
  }
  // One read serves name and entry, so both come from the same clipboard contents.
  const CopiedText text = context.sources.ClipboardText();
  if (text.Empty()) {
    context.messages.Show(ClipboardEmptyMessage());
    return;
  }
  const auto target = ChooseTarget(action, method, text, context);
  if (!target) return;
  const EntryRequest request{action, method, now, text, target->path};
  const bool written =
      action.Format == "HTML" ? WriteDocument(request, context) : AppendTextEntry(request, context);
  if (written) ReportSave(*target, context);
}

}  // namespace qm
