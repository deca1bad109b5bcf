#include "clipboard/clipboard_privacy_win.h"

#include "clipboard/registered_formats_win.h"

namespace qm {

namespace {

bool HasFormat(RegisteredFormat registered) {
  const UINT format = FormatNumber(registered);
  return format != 0 && IsClipboardFormatAvailable(format);
}

bool HistoryForbidden(ClipboardReader& reader) {
  if (!HasFormat(RegisteredFormat::HistoryFlag)) return false;
  ClipboardCopy copy;
  if (reader.Read({.historyFlag = true}, copy) != ClipboardAccess::Read) return true;
  return copy.historyFlag == DWORD{0};
}

}  // namespace

bool ClipboardAsksNotToBeRecorded(ClipboardReader& reader) {
  return HasFormat(RegisteredFormat::ExcludeFromMonitoring) ||
         HasFormat(RegisteredFormat::ViewerIgnore) || HistoryForbidden(reader);
}

}  // namespace qm
