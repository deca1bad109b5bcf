#include "save/markdown_file.h"

#include <ctime>
#include <utility>

#include "save/file_encoding.h"
#include "save/markdown_note.h"
#include "save/note_entry.h"
#include "save/save_messages.h"
#include "save/text_entry.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

std::optional<std::string> CreatedNow() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (!local) return std::nullopt;
  return IsoLocalTime(*local, now);
}

// The copied text itself, in UTF-8, each line ending with CR LF.
std::string PlainPassage(const CopiedText& text) {
  const std::string utf8 = text.InCodePage() ? Utf8OfAnsi(text.ansi) : std::string(text.utf8);
  std::string passage;
  passage.reserve(utf8.size() + 2);
  for (size_t at = 0; at < utf8.size(); ++at) {
    const char c = utf8[at];
    if (c == '\r' || c == '\n') {
      passage.append(kCrLf);
      if (c == '\r' && at + 1 < utf8.size() && utf8[at + 1] == '\n') ++at;
    } else {
      passage.push_back(c);
    }
  }
  if (!passage.ends_with(kCrLf)) passage.append(kCrLf);
  return passage;
}

// The later entry for the note already there, in the note's own encoding, as text files
// take theirs: UTF-16 in its byte order for a note that another editor wrote in
// "Unicode", else UTF-8. A note in the code page becomes UTF-8 as a whole first; a UTF-8
// note with a broken byte further on (cut by a sync, say) stays as it is, since read as
// the code page every letter beyond ASCII before it would turn into two. Nothing for a
// file whose encoding cannot be told.
std::optional<std::string> EntryInTheNotesEncoding(std::string& note, std::string_view passage,
                                                   const NoteParts& parts) {
  const FileEncoding encoding = EncodingOfBytes(note);
  if (encoding == FileEncoding::Unknown) return std::nullopt;
  const std::optional<ByteOrder> order = Utf16Order(encoding);
  if (!order) {
    if (encoding == FileEncoding::Ansi && !WellFormedStart(note).multiByte) {
      note = Utf8OfAnsi(note);
    }
    return LaterEntry(note, passage, parts);
  }
  // Whether the note ends its last line is all the entry asks of the text before it.
  using namespace std::string_view_literals;
  const std::string_view lineFeed = order == ByteOrder::LittleEndian ? "\n\0"sv : "\0\n"sv;
  const std::string_view before = std::string_view(note).ends_with(lineFeed) ? "\n" : "";
  std::string entry;
  AppendUtf16Bytes(entry, LaterEntry(before, passage, parts), *order);
  return entry;
}

NoteParts Parts(const EntryRequest& request, MarkdownNote& note, SaveContext& context) {
  NoteParts parts;
  // Today's browsers put no <title> into the copied HTML; their window shows it. Only a
  // front matter, which the date or the address asks for, names the title: the window
  // search is made for it alone.
  const bool frontMatter = request.action.Url == "ja" || request.action.Datum == "ja";
  parts.title =
      !note.title.empty() || !frontMatter ? std::move(note.title) : context.sources.BrowserTitle();
  if (request.action.Url == "ja") parts.address = SourceAddress(request, context);
  if (request.action.Datum == "ja") {
    parts.created = CreatedNow();
    parts.dateText = std::string(request.dateTimeText);
  }
  if (request.method.method == SaveMethod::SameFile) {
    parts.separator =
        Utf8OfAnsi(SeparatorLine(context.options.txtZeichen, context.options.txtWiederholung));
  }
  if (parts.address) *parts.address = Utf8OfAnsi(*parts.address);
  return parts;
}

}  // namespace

bool WriteMarkdownNote(const EntryRequest& request, SaveContext& context) {
  const std::string_view html = request.clipboardHtml;
  MarkdownNote note = html.empty() ? MarkdownNote{} : MarkdownOfHtmlFormat(html);
  if (note.markdown.empty()) note.markdown = PlainPassage(request.clipboardText);
  const NoteParts parts = Parts(request, note, context);
  std::string old;
  std::string written;
  const int state = ExtendedFileState(request, context);
  if (state == 1) {
    if (auto reason = context.files.ReadWholeFile(request.path, old)) {
      context.messages.Show(ReadFailedMessage(request.path, *reason));
      return false;
    }
    std::optional<std::string> entry = EntryInTheNotesEncoding(old, note.markdown, parts);
    if (!entry) {
      context.messages.Show(EncodingUnknownMessage(request.path));
      return false;
    }
    written = std::move(*entry);
  } else {
    written = NewNote(std::move(note.markdown), parts);
  }
  // A note where there is no file yet is written as a new file, which is all or nothing
  // without the replace that a file already there needs.
  const std::string_view pieces[] = {old, written};
  if (auto reason = state == -1 ? context.files.WriteNewFile(request.path, written)
                                : context.files.ReplaceWholeFile(request.path, pieces)) {
    context.messages.Show(WriteFailedMessage(request.path, *reason));
    return false;
  }
  return true;
}

}  // namespace qm
