#include "clipboard/clipboard_win.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "clipboard/drop_list.h"
#include "clipboard/source_url.h"
#include "settings/ansi_text.h"

namespace qm {

namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryDelayMs = 20;
constexpr UINT kOwnerAnswerMs = 1000;

// A format promised by delayed rendering is asked of the clipboard's owner, and the
// read waits as long as the owner takes; an owner that has stopped answering (busy or
// frozen) would hold this program with it. So the owner is asked first whether it
// answers at all; a slow rendering of an owner that does answer is waited for. Other
// messages wait meanwhile, so that no second save starts inside this one.
bool OwnerAnswers() {
  HWND owner = GetClipboardOwner();
  DWORD_PTR ignored = 0;
  return !owner || SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                                       kOwnerAnswerMs, &ignored) != 0;
}

// First of CF_TEXT and CF_HDROP in the clipboard's own order, 0 for neither.
int FirstTextOrDropFormat() {
  const int count = CountClipboardFormats();
  UINT format = 0;
  for (int i = 0; i < count; ++i) {
    format = EnumClipboardFormats(format);
    if (format == 0) return 0;
    if (format == CF_TEXT || format == CF_HDROP) return static_cast<int>(format);
  }
  return 0;
}

// A copy of a clipboard block of the open clipboard, exactly as long as its memory.
std::optional<std::string> OpenClipboardBlock(UINT format) {
  HANDLE data = GetClipboardData(format);
  if (!data) return std::nullopt;
  const auto* bytes = static_cast<const char*>(GlobalLock(data));
  if (!bytes) return std::nullopt;
  std::string block(bytes, GlobalSize(data));
  GlobalUnlock(data);
  return block;
}

// The CF_TEXT of an open clipboard where it lies, its block locked into `locked` (null
// when there is none). The length is bounded by the memory block, so a text without its
// terminating zero cannot make us read past it.
std::string_view LockOpenClipboardAnsiText(HANDLE& locked) {
  HANDLE data = GetClipboardData(CF_TEXT);
  const auto* text = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
  locked = text ? data : nullptr;
  return text ? std::string_view(text, strnlen(text, GlobalSize(data))) : std::string_view();
}

std::string OpenClipboardAnsiText() {
  HANDLE locked = nullptr;
  std::string text(LockOpenClipboardAnsiText(locked));
  if (locked) GlobalUnlock(locked);
  return text;
}

// The CF_UNICODETEXT of an open clipboard, bounded like CF_TEXT, converted where it
// lies, without a copy of its UTF-16.
KeptText OpenClipboardWideText() {
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* text = static_cast<const char16_t*>(GlobalLock(data));
  if (!text) return {};
  const size_t units = GlobalSize(data) / sizeof(char16_t);
  KeptText result =
      KeptTextOfUtf16({text, static_cast<size_t>(std::find(text, text + units, u'\0') - text)});
  GlobalUnlock(data);
  return result;
}

// Windows makes CF_UNICODETEXT from a CF_TEXT and the other way round, and lists what
// it made after what the program put there. Text that came as UTF-16 is read as such,
// so that no character is lost; text that came in the code page is read as it came,
// without a round trip through UTF-16 that would only cost time.
bool TextCameAsUnicode() {
  UINT format = 0;
  while ((format = EnumClipboardFormats(format)) != 0) {
    if (format == CF_UNICODETEXT) return true;
    if (format == CF_TEXT) return false;
  }
  return false;
}

// A name the code page cannot spell names no file that the ANSI functions can copy.
std::string AnsiOfDroppedName(std::u16string_view name) { return NarrowToAnsi(name).value_or(""); }

// The single dropped file of an open clipboard, at whatever length its name has. The
// list is read from a copy of its block by rules that check every bound, never by
// DragQueryFile, which trusts the block and faults on a damaged one.
std::string OpenClipboardSingleFile() {
  const auto block = OpenClipboardBlock(CF_HDROP);
  if (!block) return {};
  const auto list = ParseDropList(*block);
  if (!list || list->Count() != 1) return {};
  return list->wide ? AnsiOfDroppedName(list->wideNames.front()) : list->ansiNames.front();
}

// The SourceURL of the open clipboard's HTML block. Only the header is looked at, one
// byte more than the parser reads so that it knows when a line runs past it; the HTML
// after it (megabytes, for a long page) is neither copied nor scanned.
std::string OpenClipboardSourceUrl(UINT htmlFormat) {
  HANDLE data = GetClipboardData(htmlFormat);
  if (!data) return {};
  const auto* bytes = static_cast<const char*>(GlobalLock(data));
  if (!bytes) return {};
  const size_t readable = std::min<size_t>(GlobalSize(data), kSourceUrlHeaderLimit + 1);
  std::string address = SourceUrlOfHtmlFormat({bytes, strnlen(bytes, readable)});
  GlobalUnlock(data);
  return address;
}

}  // namespace

// An owner that does not answer counts as another program holding the clipboard.
ClipboardSession::ClipboardSession(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
    if (attempt > 0) Sleep(kOpenRetryDelayMs);
    open_ = OpenClipboard(owner) != FALSE;
  }
  if (open_ && !OwnerAnswers()) {
    CloseClipboard();
    open_ = false;
  }
}

ClipboardSession::~ClipboardSession() { Close(); }

void ClipboardSession::Close() {
  if (open_) CloseClipboard();
  open_ = false;
}

ClipboardTextRead::ClipboardTextRead(HWND owner) : session_(owner) {
  if (!session_.IsOpen()) return;
  if (TextCameAsUnicode()) {
    kept_ = OpenClipboardWideText();
    text_ = kept_.View();
    session_.Close();
    return;
  }
  text_.ansi = LockOpenClipboardAnsiText(lockedText_);
  if (!lockedText_) session_.Close();
}

void ClipboardTextRead::LetGo(bool keepText) {
  if (keepText && lockedText_) {
    kept_.ansi = text_.ansi;
    text_ = kept_.View();
  } else if (!keepText) {
    text_ = {};
    // Moved out, a large text's memory goes at once; an assignment would keep it.
    const KeptText released = std::move(kept_);
  }
  if (lockedText_) GlobalUnlock(lockedText_);
  lockedText_ = nullptr;
  session_.Close();
}

int ClipboardFormat(HWND owner) {
  ClipboardSession session(owner);
  return session.IsOpen() ? FirstTextOrDropFormat() : 0;
}

std::string ClipboardFileName(HWND owner) {
  ClipboardSession session(owner);
  if (!session.IsOpen()) return {};
  switch (FirstTextOrDropFormat()) {
    case CF_HDROP:
      return OpenClipboardSingleFile();
    case CF_TEXT:
      return OpenClipboardAnsiText();
    default:
      return {};
  }
}

std::string ClipboardHtmlFormat(HWND owner) {
  const UINT htmlFormat = RegisterClipboardFormatA("HTML Format");
  if (htmlFormat == 0) return {};
  ClipboardSession session(owner);
  if (!session.IsOpen()) return {};
  std::string block = OpenClipboardBlock(htmlFormat).value_or("");
  block.resize(strnlen(block.data(), block.size()));
  return block;
}

std::string ClipboardSourceUrl(HWND owner) {
  const UINT htmlFormat = RegisterClipboardFormatA("HTML Format");
  if (htmlFormat == 0) return {};
  ClipboardSession session(owner);
  return session.IsOpen() ? OpenClipboardSourceUrl(htmlFormat) : std::string();
}

}  // namespace qm
