#pragma once

#include <windows.h>

namespace qm {

// The registered clipboard formats the program reads.
enum class RegisteredFormat {
  Html,                   // "HTML Format", as browsers and office programs copy
  Png,                    // "PNG"
  HistoryFlag,            // "CanIncludeInClipboardHistory"
  ExcludeFromMonitoring,  // "ExcludeClipboardContentFromMonitorProcessing"
  ViewerIgnore,           // "Clipboard Viewer Ignore"
};

// The format's number, 0 while it cannot be registered. A registered format keeps its
// number for as long as the session runs, so each is asked of the system once (a round
// trip to the window server, under Wine, that every read would otherwise pay).
UINT FormatNumber(RegisteredFormat format);

}  // namespace qm
