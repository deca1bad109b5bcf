#include "save/write_document.h"

#include "save/html_document.h"
#include "save/save_messages.h"
#include "save/text_entry.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

constexpr std::wstring_view kExtension = L".html";

// The file name without its extension, in the code page with stand-ins for what the
// code page lacks.
StandIns Title(std::wstring_view path) {
  std::wstring_view name = path.substr(path.find_last_of(L'\\') + 1);
  if (name.ends_with(kExtension)) name.remove_suffix(kExtension.size());
  std::string utf8;
  AppendUtf8(utf8, name);
  return AnsiWithStandIns(utf8);
}

HtmlDocumentParts Parts(const EntryRequest& request, SaveContext& context) {
  const CurrentOptions& options = context.options;
  HtmlDocumentParts parts;
  StandIns title = Title(request.path);
  parts.title = std::move(title.ansi);
  parts.titleForeign = std::move(title.foreign);
  parts.colours = {options.txtTextfarbe, options.txtHintergrundfarbe, options.txtLinks,
                   options.txtAlink, options.txtVlink};
  if (request.action.Datum == "ja") parts.dateTimeText = std::string(request.dateTimeText);
  if (request.action.Url == "ja") parts.address = context.sources.BrowserAddress();
  if (request.method.method == SaveMethod::SameFile) {
    parts.separator = SeparatorLine(options.txtZeichen, options.txtWiederholung);
  }
  return parts;
}

// A new document of the copied text; a text with characters the code page lacks is
// written with stand-ins, each replaced by a character reference.
HtmlDocumentPieces NewDocument(const CopiedText& text, const HtmlDocumentParts& parts) {
  if (text.InCodePage()) return HtmlDocument(text.ansi, parts);
  const StandIns copied = AnsiWithStandIns(text.utf8);
  return HtmlDocument(copied.ansi, parts, copied.foreign);
}

}  // namespace

bool WriteDocument(const EntryRequest& request, SaveContext& context) {
  HtmlDocumentPieces document = NewDocument(request.clipboardText, Parts(request, context));
  std::string old;
  const int state = ExtendedFileState(request, context);
  if (state == 1) {
    if (auto reason = context.files.ReadWholeFile(request.path, old)) {
      context.messages.Show(ReadFailedMessage(request.path, *reason));
      return false;
    }
    document.oldBody = OldBody(old);
  }
  if (auto reason = state == -1
                        ? context.files.WriteNewFile(request.path, document.Whole())
                        : context.files.ReplaceWholeFile(request.path, document.InOrder())) {
    context.messages.Show(WriteFailedMessage(request.path, *reason));
    return false;
  }
  return true;
}

}  // namespace qm
