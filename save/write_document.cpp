#include "save/write_document.h"

#include "save/html_document.h"
#include "save/save_messages.h"
#include "save/text_entry.h"

namespace qm {

namespace {

constexpr std::string_view kExtension = ".html";

// The folder method writes every later text with the same first words into its "1"
// file; extending that document keeps the earlier texts there, as the text format's
// appending does.
bool ExtendsExisting(const MethodChoice& method) {
  return method.method == SaveMethod::SameFile || method.method == SaveMethod::WordFolder;
}

std::string Title(std::string_view path) {
  std::string_view name = path.substr(path.find_last_of('\\') + 1);
  if (name.ends_with(kExtension)) name.remove_suffix(kExtension.size());
  return std::string(name);
}

HtmlDocumentParts Parts(const EntryRequest& request, SaveContext& context) {
  const CurrentOptions& options = context.options;
  HtmlDocumentParts parts;
  parts.title = Title(request.path);
  parts.colours = {options.txtTextfarbe, options.txtHintergrundfarbe, options.txtLinks,
                   options.txtAlink, options.txtVlink};
  if (request.action.Datum == "ja") parts.dateTimeText = std::string(request.dateTimeText);
  if (request.action.Url == "ja") parts.address = context.sources.BrowserAddress();
  if (request.method.method == SaveMethod::SameFile) {
    parts.separator = SeparatorLine(options.txtZeichen, options.txtWiederholung);
  }
  return parts;
}

}  // namespace

bool WriteDocument(const EntryRequest& request, SaveContext& context) {
  std::string old;
  std::optional<std::string_view> oldBody;
  if (ExtendsExisting(request.method) && context.files.FileState(request.path) == 1) {
    if (auto reason = context.files.ReadWholeFile(request.path, old)) {
      context.messages.Show(ReadFailedMessage(request.path, *reason));
      return false;
    }
    oldBody = OldBody(old);
  }
  const std::string document =
      HtmlDocument(request.clipboardText.ansi, Parts(request, context), oldBody,
                   request.clipboardText.foreign);
  if (auto reason = context.files.ReplaceWholeFile(request.path, document)) {
    context.messages.Show(WriteFailedMessage(request.path, *reason));
    return false;
  }
  return true;
}

}  // namespace qm
