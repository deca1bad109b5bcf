#include "ui/message_guard_win.h"

#include <cwchar>
#include <iterator>
#include <string>

#include "settings/ansi_text.h"

namespace qm {

void ReportCaughtException(UINT message, const char* what) noexcept {
  try {
    wchar_t number[16] = {};
    std::swprintf(number, std::size(number), L"0x%04X", message);
    const std::wstring line = L"Quillmar 2.0: Ausnahme bei der Nachricht " + std::wstring(number) +
                              L": " + WidenAnsi(what ? what : "unbekannt") + L"\n";
    OutputDebugStringW(line.c_str());
  } catch (...) {
    // Without memory for the line there is nothing to say it with.
  }
}

}  // namespace qm
