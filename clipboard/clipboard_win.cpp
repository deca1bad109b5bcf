#include "clipboard/clipboard_win.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "clipboard/source_url.h"

namespace qm {

namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryDelayMs = 20;

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

// The text of an open clipboard. The length is bounded by the memory block, so a
// text without its terminating zero cannot make us read past it.
std::string OpenClipboardText() {
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return {};
  const auto* text = static_cast<const char*>(GlobalLock(data));
  if (!text) return {};
  std::string result(text, strnlen(text, GlobalSize(data)));
  GlobalUnlock(data);
  return result;
}

// The single dropped file of an open clipboard, at whatever length its name has.
std::string OpenClipboardSingleFile() {
  auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
  if (!drop || DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) != 1) return {};
  const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
  std::vector<char> name(length + 1);
  const UINT copied = DragQueryFileA(drop, 0, name.data(), length + 1);
  return std::string(name.data(), copied);
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

ClipboardSession::ClipboardSession(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
    if (attempt > 0) Sleep(kOpenRetryDelayMs);
    open_ = OpenClipboard(owner) != FALSE;
  }
}

ClipboardSession::~ClipboardSession() {
  if (open_) CloseClipboard();
}

std::string ClipboardText(HWND owner) {
  ClipboardSession session(owner);
  return session.IsOpen() ? OpenClipboardText() : std::string();
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
      return OpenClipboardText();
    default:
      return {};
  }
}

std::string ClipboardSourceUrl(HWND owner) {
  const UINT htmlFormat = RegisterClipboardFormatA("HTML Format");
  if (htmlFormat == 0) return {};
  ClipboardSession session(owner);
  return session.IsOpen() ? OpenClipboardSourceUrl(htmlFormat) : std::string();
}

}  // namespace qm
