#include "save/speichern.h"

#include "save/image_save.h"
#include "save/markdown_file.h"
#include "save/save_messages.h"
#include "save/save_target.h"
#include "save/text_file.h"
#include "save/write_document.h"

namespace qm {

namespace {

void ReportSave(const wchar_t* text, int fontSizePt, int labelTopTwips, SaveContext& context) {
  if (context.sources.AutomaticSavingOn() && context.options.chkSpeicherhinweis) return;
  if (context.options.chkBeep) context.signals.Beep();
  context.signals.ShowNotice({text, fontSizePt, labelTopTwips});
}

void ReportSave(const SaveTarget& target, DocumentFormat format, SaveContext& context) {
  const bool note = format == DocumentFormat::Markdown;
  if (target.withFolder) {
    ReportSave(
        note ? L"Notiz und Ordner wurden gespeichert!" : L"Text und Ordner wurden gespeichert!", 11,
        200, context);
  } else {
    ReportSave(note ? L"Notiz wurde gespeichert!" : L"Text wurde gespeichert!", 12, 320, context);
  }
}

bool WriteEntry(const EntryRequest& request, SaveContext& context) {
  switch (FormatOf(request.action.Format)) {
    case DocumentFormat::Html:
      return WriteDocument(request, context);
    case DocumentFormat::Markdown:
      return WriteMarkdownNote(request, context);
    default:
      return AppendTextEntry(request, context);
  }
}

// A Markdown note is made of the page the text was copied from; the address of that
// page stands in the header.
HtmlTaken HtmlNeeded(const ActionRecord& action) {
  if (FormatOf(action.Format) == DocumentFormat::Markdown) return HtmlTaken::Whole;
  return action.Url == "ja" ? HtmlTaken::Header : HtmlTaken::None;
}

// One read serves name, entry and the page's address, so all come from the same
// clipboard contents. The target written, or nothing when nothing was (the user has
// been told why).
std::optional<SaveTarget> SaveText(const ActionRecord& action, const MethodChoice& method,
                                   const std::string& now, SaveContext& context) {
  KeptText kept;
  std::string html;
  if (!ClipboardWasRead(context.sources.ClipboardText(kept, HtmlNeeded(action), html), context)) {
    return std::nullopt;
  }
  const CopiedText text = kept.View();
  if (text.Empty()) {
    context.messages.Show(ClipboardEmptyMessage());
    return std::nullopt;
  }
  auto target = ChooseTarget(action, method, text, context);
  if (!target) return std::nullopt;
  const EntryRequest request{action, method, now, text, html, target->path};
  if (!WriteEntry(request, context)) return std::nullopt;
  return target;
}

void SaveInto(const ActionRecord& action, SaveContext& context) {
  if (!context.files.FolderExists(action.Speicherpfad)) {
    context.messages.Show(FolderMissingMessage());
    return;
  }
  // The run's one date and time, taken at its start when the entry is to show it.
  const std::string now = action.Datum == "ja" ? context.sources.NowText() : std::string();
  const MethodChoice method = ParseMethod(action.Aktion);
  // An image file or a picture is saved as it is: the clipboard's text does not matter.
  if (method.method == SaveMethod::Bilder) {
    if (SaveImage(action, context)) {
      ReportSave(L"Bild wurde gespeichert!", 12, 320, context);
    }
    return;
  }
  // The notice comes once the file is complete and the clipboard let go of.
  if (const auto target = SaveText(action, method, now, context)) {
    ReportSave(*target, FormatOf(action.Format), context);
  }
}

}  // namespace

bool ClipboardWasRead(ClipboardAccess access, SaveContext& context) {
  if (access == ClipboardAccess::Held) context.messages.Show(ClipboardHeldMessage());
  return access == ClipboardAccess::Read;
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
  SaveInto(action, context);
}

void SpeichernHier(const std::string& folder, SaveContext& context) {
  const int standard = context.actions.StandardAction();
  if (standard == 0) {
    context.messages.Show(NoStandardActionMessage());
    return;
  }
  ActionRecord here = context.actions.Record(standard);
  here.Speicherpfad = folder;
  // A screenshot, an image copied in a browser or an image file copied in Explorer
  // holds no text: it becomes a picture or a copy of that file, as the image method
  // saves them.
  if (!context.sources.ClipboardHoldsText()) here.Aktion = "bilder";
  SaveInto(here, context);
}

}  // namespace qm
