#include "save/write_document.h"

#include "save/file_encoding.h"
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
  if (request.action.Url == "ja") parts.address = SourceAddress(request, context);
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

// The text of an existing document as OldBody takes it: without its mark, and UTF-16 as
// UTF-8. Nothing for a document whose encoding cannot be told, or for UTF-16 that no
// text is made of: neither could be written back as it was.
std::optional<std::string> DocumentText(std::string bytes, FileEncoding encoding) {
  if (encoding == FileEncoding::Unknown) return std::nullopt;
  if (const std::optional<ByteOrder> order = Utf16Order(encoding)) {
    return Utf8OfUtf16Bytes(std::string_view(bytes).substr(2), *order);
  }
  if (encoding == FileEncoding::Utf8Bom) bytes.erase(0, kUtf8Bom.size());
  return bytes;
}

// A document that another editor saved in UTF-8 or UTF-16 stays in that encoding: its old
// body is kept as it is, and the header and the entry, made in the code page, follow it
// into that encoding behind the mark the file had.
std::string InTheDocumentsEncoding(const HtmlDocumentPieces& document, FileEncoding encoding) {
  std::string utf8 = Utf8OfAnsi(document.header);
  utf8.append(document.oldBody.value_or("")).append(kCrLf).append(Utf8OfAnsi(document.entry));
  const std::optional<ByteOrder> order = Utf16Order(encoding);
  if (!order) return encoding == FileEncoding::Utf8Bom ? std::string(kUtf8Bom) + utf8 : utf8;
  std::string bytes;
  AppendUtf16Bytes(bytes, kUtf8Bom, *order);
  AppendUtf16Bytes(bytes, utf8, *order);
  return bytes;
}

bool Written(std::optional<std::wstring> failure, const EntryRequest& request,
             SaveContext& context) {
  if (failure) context.messages.Show(WriteFailedMessage(request.path, *failure));
  return !failure;
}

bool ExtendDocument(HtmlDocumentPieces& document, const EntryRequest& request,
                    SaveContext& context) {
  std::string old;
  if (auto reason = context.files.ReadWholeFile(request.path, old)) {
    context.messages.Show(ReadFailedMessage(request.path, *reason));
    return false;
  }
  FileEncoding encoding = EncodingOfBytes(old);
  // A document of ASCII alone that declares UTF-8 (by another editor) is read as UTF-8 by
  // every browser: its entry must be UTF-8 too.
  if (encoding == FileEncoding::Ansi && IsUtf8(old) && DeclaresUtf8(old)) {
    encoding = FileEncoding::Utf8;
  }
  std::optional<std::string> text = DocumentText(std::move(old), encoding);
  if (!text) {
    context.messages.Show(EncodingUnknownMessage(request.path));
    return false;
  }
  document.oldBody = OldBody(*text);
  if (encoding == FileEncoding::Ansi || encoding == FileEncoding::None) {
    return Written(context.files.ReplaceWholeFile(request.path, document.InOrder()), request,
                   context);
  }
  const std::string whole = InTheDocumentsEncoding(document, encoding);
  const std::string_view pieces[] = {whole};
  return Written(context.files.ReplaceWholeFile(request.path, pieces), request, context);
}

}  // namespace

bool WriteDocument(const EntryRequest& request, SaveContext& context) {
  HtmlDocumentPieces document = NewDocument(request.clipboardText, Parts(request, context));
  const int state = ExtendedFileState(request, context);
  if (state == 1) return ExtendDocument(document, request, context);
  return Written(state == -1 ? context.files.WriteNewFile(request.path, document.Whole())
                             : context.files.ReplaceWholeFile(request.path, document.InOrder()),
                 request, context);
}

}  // namespace qm
