#include "clipboard/clipboard_win.h"

#include <algorithm>
#include <cstring>

#include "clipboard/copied_picture.h"
#include "clipboard/drop_list.h"
#include "clipboard/registered_formats_win.h"
#include "clipboard/source_url.h"
#include "settings/ansi_text.h"

namespace qm {

namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryDelayMs = 20;

// Runs `read` on the locked memory of the open clipboard's block of `format`, bounded
// by the block's size; nothing where the clipboard does not hold the format. A format
// that the clipboard lists but whose block cannot be had was promised by an owner that
// did not render it: the copy is then withheld. Whether it is listed is asked only
// then, since nearly every block is had at the first call.
template <typename Read>
auto ReadBlock(UINT format, ClipboardCopy& copy, Read read) -> decltype(read(std::string_view())) {
  HANDLE data = GetClipboardData(format);
  const auto* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
  if (!bytes) {
    if (IsClipboardFormatAvailable(format)) copy.withheld = true;
    return {};
  }
  auto result = read(std::string_view(bytes, GlobalSize(data)));
  GlobalUnlock(data);
  return result;
}

// The units up to the first zero. A long text is searched and copied a piece at a time,
// each piece while it is still in the processor's cache: one pass over the memory of a
// large block instead of two.
template <typename Unit>
std::basic_string<Unit> UnitsUpToTheZero(std::basic_string_view<Unit> units) {
  constexpr size_t kPiece = 16 * 1024;
  std::basic_string<Unit> text;
  text.reserve(units.size());
  for (size_t at = 0; at < units.size(); at += kPiece) {
    const auto piece = units.substr(at, kPiece);
    const size_t zero = piece.find(Unit{0});
    text.append(piece.substr(0, zero));
    if (zero != piece.npos) break;
  }
  return text;
}

std::string UpToTheZero(std::string_view block) { return UnitsUpToTheZero(block); }

std::u16string WideUpToTheZero(std::string_view block) {
  return UnitsUpToTheZero<char16_t>(
      {reinterpret_cast<const char16_t*>(block.data()), block.size() / sizeof(char16_t)});
}

// First of CF_TEXT and CF_HDROP in the clipboard's own order, 0 for neither.
UINT ClipboardFormat() {
  const int count = CountClipboardFormats();
  UINT format = 0;
  for (int i = 0; i < count; ++i) {
    format = EnumClipboardFormats(format);
    if (format == 0) return 0;
    if (format == CF_TEXT || format == CF_HDROP) return format;
  }
  return 0;
}

// Windows makes CF_UNICODETEXT from a CF_TEXT and the other way round, and lists what
// it made after what the program put there: the first of the two listed is the text as
// it came, 0 for none.
UINT TextFormatAsItCame() {
  UINT format = 0;
  while ((format = EnumClipboardFormats(format)) != 0) {
    if (format == CF_UNICODETEXT || format == CF_TEXT) return format;
  }
  return 0;
}

// Text that came as UTF-16 is read as such, so that no character is lost; text that
// came in the code page is read as it came.
void CopyText(ClipboardCopy& copy) {
  switch (TextFormatAsItCame()) {
    case CF_UNICODETEXT:
      copy.wideText = ReadBlock(CF_UNICODETEXT, copy, WideUpToTheZero);
      break;
    case CF_TEXT:
      copy.ansiText = ReadBlock(CF_TEXT, copy, UpToTheZero);
      break;
    default:
      break;
  }
}

// A name the code page cannot spell names no file that the ANSI functions can copy.
std::string AnsiOfDroppedName(std::u16string_view name) { return NarrowToAnsi(name).value_or(""); }

// The list is read by rules that check every bound, never by DragQueryFile, which
// trusts the block and faults on a damaged one.
std::string SingleDroppedFile(std::string_view block) {
  const auto list = ParseDropList(block);
  if (!list || list->Count() != 1) return {};
  return list->wide ? AnsiOfDroppedName(list->wideNames.front()) : list->ansiNames.front();
}

std::string FileName(ClipboardCopy& copy) {
  switch (ClipboardFormat()) {
    case CF_HDROP:
      return ReadBlock(CF_HDROP, copy, SingleDroppedFile);
    case CF_TEXT:
      return ReadBlock(CF_TEXT, copy, UpToTheZero);
    default:
      return {};
  }
}

// For the address alone, one byte more than the parser reads, so that it knows when a
// line runs past it; the HTML after the header (megabytes, for a long page) is then not
// copied.
std::string Html(bool whole, ClipboardCopy& copy) {
  const UINT format = FormatNumber(RegisteredFormat::Html);
  if (format == 0) return {};
  const size_t most = whole ? std::string_view::npos : kSourceUrlHeaderLimit + 1;
  return ReadBlock(format, copy,
                   [most](std::string_view block) { return UpToTheZero(block.substr(0, most)); });
}

void CopyPicture(ClipboardCopy& copy) {
  const UINT pngFormat = FormatNumber(RegisteredFormat::Png);
  if (pngFormat != 0) {
    copy.png = ReadBlock(pngFormat, copy, [](std::string_view block) {
      return std::string(block.substr(0, PngLength(block)));
    });
    if (!copy.png.empty()) return;
  }
  for (const UINT format : {CF_DIBV5, CF_DIB}) {
    if (IsClipboardFormatAvailable(format)) {
      copy.dib = ReadBlock(format, copy, [](std::string_view block) { return std::string(block); });
      return;
    }
  }
}

std::optional<DWORD> HistoryFlag(ClipboardCopy& copy) {
  const UINT format = FormatNumber(RegisteredFormat::HistoryFlag);
  if (format == 0) return std::nullopt;
  return ReadBlock(format, copy, [](std::string_view block) -> std::optional<DWORD> {
    if (block.size() < sizeof(DWORD)) return std::nullopt;
    DWORD value = 0;
    std::memcpy(&value, block.data(), sizeof value);
    return value;
  });
}

}  // namespace

ClipboardSession::ClipboardSession(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
    if (attempt > 0) Sleep(kOpenRetryDelayMs);
    open_ = OpenClipboard(owner) != FALSE;
  }
}

ClipboardSession::~ClipboardSession() {
  if (open_) CloseClipboard();
}

void CopyOpenClipboard(const ClipboardWants& wants, ClipboardCopy& copy) {
  if (wants.text) CopyText(copy);
  if (wants.fileName) copy.fileName = FileName(copy);
  if (wants.sourceUrl || wants.html) copy.html = Html(wants.html, copy);
  if (wants.picture) CopyPicture(copy);
  if (wants.historyFlag) copy.historyFlag = HistoryFlag(copy);
}

}  // namespace qm
