#include "save/text_file.h"

#include "save/save_messages.h"
#include "save/text_entry.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

TextEntryParts EntryParts(const EntryRequest& request, SaveContext& context) {
  TextEntryParts parts;
  if (request.action.Datum == "ja") parts.dateLine = DateLine(request.dateTimeText);
  if (request.action.Url == "ja") parts.address = context.sources.BrowserAddress();
  if (request.method.method == SaveMethod::SameFile) {
    parts.separator = SeparatorLine(context.options.txtZeichen, context.options.txtWiederholung);
  }
  return parts;
}

// An ANSI file that must take an entry in UTF-8 becomes UTF-8 as a whole, in one
// replace: afterwards it holds all its old text and the entry, or is as it was. Text
// that reads as UTF-8 already (ASCII alone does) is kept byte for byte.
bool ConvertAndAppend(const std::wstring& path, const TextEntry& entry, SaveContext& context) {
  std::string old;
  if (auto reason = context.files.ReadWholeFile(path, old)) {
    context.messages.Show(ReadFailedMessage(path, *reason));
    return false;
  }
  if (!IsUtf8(old)) old = Utf8OfAnsi(old);
  const std::string_view bytes[] = {kUtf8Bom, old, entry.head, entry.body, entry.tail};
  if (auto reason = context.files.ReplaceWholeFile(path, bytes)) {
    context.messages.Show(WriteFailedMessage(path, *reason));
    return false;
  }
  return true;
}

bool Reported(const std::wstring& path, const AppendResult& result, SaveContext& context) {
  if (!result.failure) return true;
  context.messages.Show(WriteFailedMessage(path, *result.failure));
  return false;
}

}  // namespace

bool AppendTextEntry(const EntryRequest& request, SaveContext& context) {
  const TextEntryParts parts = EntryParts(request, context);
  const CopiedText& text = request.clipboardText;
  SaveFiles& files = context.files;
  if (text.InCodePage()) {
    const TextEntry entry = BuildTextEntry(text.ansi, parts);
    AppendResult result = files.AppendEntry(request.path, entry, TextEncoding::Ansi);
    if (result.otherEncoding) {
      const std::string body = Utf8OfAnsi(text.ansi);
      result = files.AppendEntry(request.path, InUtf8(entry, body), TextEncoding::Utf8);
    }
    return Reported(request.path, result, context);
  }
  const TextEntry entry = InUtf8(BuildTextEntry({}, parts), text.utf8);
  const AppendResult result = files.AppendEntry(request.path, entry, TextEncoding::Utf8);
  if (result.otherEncoding) return ConvertAndAppend(request.path, entry, context);
  return Reported(request.path, result, context);
}

}  // namespace qm
