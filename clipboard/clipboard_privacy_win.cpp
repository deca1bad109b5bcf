#include "clipboard/clipboard_privacy_win.h"

#include "clipboard/clipboard_win.h"

namespace qm {

namespace {

bool HasFormat(const char* name) {
  const UINT format = RegisterClipboardFormatA(name);
  return format != 0 && IsClipboardFormatAvailable(format);
}

// "CanIncludeInClipboardHistory" is a DWORD: 0 forbids keeping the contents.
bool HistoryForbidden(HWND owner) {
  const UINT format = RegisterClipboardFormatA("CanIncludeInClipboardHistory");
  if (format == 0 || !IsClipboardFormatAvailable(format)) return false;
  ClipboardSession session(owner);
  if (!session.IsOpen()) return false;
  HANDLE data = GetClipboardData(format);
  if (!data || GlobalSize(data) < sizeof(DWORD)) return false;
  const auto* value = static_cast<const DWORD*>(GlobalLock(data));
  if (!value) return false;
  const bool forbidden = *value == 0;
  GlobalUnlock(data);
  return forbidden;
}

}  // namespace

bool ClipboardAsksNotToBeRecorded(HWND owner) {
  return HasFormat("ExcludeClipboardContentFromMonitorProcessing") ||
         HasFormat("Clipboard Viewer Ignore") || HistoryForbidden(owner);
}

}  // namespace qm
