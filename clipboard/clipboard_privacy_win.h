#pragma once

#include <windows.h>

namespace qm {

// True when the clipboard's owner asks clipboard monitors not to record the contents,
// as password managers do: the registered formats
// "ExcludeClipboardContentFromMonitorProcessing" or "Clipboard Viewer Ignore", or
// "CanIncludeInClipboardHistory" holding 0.
bool ClipboardAsksNotToBeRecorded(HWND owner);

}  // namespace qm
