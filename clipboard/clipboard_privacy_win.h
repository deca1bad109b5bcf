#pragma once

#include "clipboard/clipboard_reader_win.h"

namespace qm {

// True when the clipboard's owner asks clipboard monitors not to record the contents,
// as password managers do: the registered formats
// "ExcludeClipboardContentFromMonitorProcessing" or "Clipboard Viewer Ignore", or
// "CanIncludeInClipboardHistory" holding 0. A clipboard whose flag cannot be read (its
// owner does not hand it over) counts as asking: a secret is never recorded by guess.
bool ClipboardAsksNotToBeRecorded(ClipboardReader& reader);

}  // namespace qm
