#include "save/text_file.h"

#include "save/save_messages.h"
#include "save/text_entry.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

TextEntryParts EntryParts(const EntryRequest& request, SaveContext& context) {
  TextEntryParts parts;
  if (request.action.Datum == "ja") parts.dateLine = DateLine(request.dateTimeText);
  if (request.action.Url == "ja") parts.address = SourceAddress(request, context);
  if (request.method.method == SaveMethod::SameFile) {
    parts.separator = SeparatorLine(context.options.txtZeichen, context.options.txtWiederholung);
  }
  return parts;
}

// An ANSI file that must take an entry in UTF-8 becomes UTF-8 as a whole, in one
// replace: afterwards it holds all its old text and the entry, or is as it was.
bool ConvertAndAppend(const std::wstring& path, const TextEntry& entry, SaveContext& context) {
  std::string old;
  if (auto reason = context.files.ReadWholeFile(path, old)) {
    context.messages.Show(ReadFailedMessage(path, *reason));
    return false;
  }
  const std::string converted = Utf8OfAnsi(old);
  const std::string_view bytes[] = {kUtf8Bom, converted, entry.head, entry.body, entry.tail};
  if (auto reason = context.files.ReplaceWholeFile(path, bytes)) {
    context.messages.Show(WriteFailedMessage(path, *reason));
    return false;
  }
  return true;
}

}  // namespace

bool AppendTextEntry(const EntryRequest& request, SaveContext& context) {
  const TextEntryParts parts = EntryParts(request, context);
  const CopiedText& text = request.clipboardText;
  const bool inCodePage = text.InCodePage();
  const TextEntry entry =
      inCodePage ? BuildTextEntry(text.ansi, parts) : InUtf8(BuildTextEntry({}, parts), text.utf8);
  // A new file never goes into one that another program put under its name meanwhile.
  const AppendResult result = context.files.AppendEntry(
      request.path, entry, inCodePage ? TextEncoding::Ansi : TextEncoding::Utf8,
      !request.method.ExtendsAFile());
  if (result.notAppended == NotAppended::FileMustBecomeUtf8) {
    return ConvertAndAppend(request.path, entry, context);
  }
  if (result.notAppended == NotAppended::EncodingUnknown) {
    context.messages.Show(EncodingUnknownMessage(request.path));
    return false;
  }
  if (!result.failure) return true;
  context.messages.Show(WriteFailedMessage(request.path, *result.failure));
  return false;
}

}  // namespace qm
