#include "clipboard/clipboard_privacy_win.h"

namespace qm {

namespace {

bool HasFormat(const wchar_t* name) {
  const UINT format = RegisterClipboardFormatW(name);
  return format != 0 && IsClipboardFormatAvailable(format);
}

bool HistoryForbidden(ClipboardReader& reader) {
  if (!HasFormat(L"CanIncludeInClipboardHistory")) return false;
  ClipboardCopy copy;
  if (reader.Read({.historyFlag = true}, copy) != ClipboardAccess::Read) return true;
  return copy.historyFlag == DWORD{0};
}

}  // namespace

bool ClipboardAsksNotToBeRecorded(ClipboardReader& reader) {
  return HasFormat(L"ExcludeClipboardContentFromMonitorProcessing") ||
         HasFormat(L"Clipboard Viewer Ignore") || HistoryForbidden(reader);
}

}  // namespace qm
