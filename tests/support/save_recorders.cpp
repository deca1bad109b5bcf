#include "tests/support/save_recorders.h"

namespace qm {

namespace {

const char* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return "Information";
    case MessageIcon::Exclamation:
      return "Exclamation";
    case MessageIcon::Critical:
      return "Critical";
    default:
      return "Question";
  }
}

// German texts stay readable in a failure message whatever the console's code page.
std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return narrow;
}

}  // namespace

void PrintTo(const MessageRequest& request, std::ostream* out) {
  *out << "{title \"" << Narrow(request.title) << "\", text \"" << Narrow(request.text) << "\", "
       << IconName(request.icon) << (request.systemModal ? ", system-modal}" : "}");
}

void PrintTo(const NoticeRequest& request, std::ostream* out) {
  *out << "{\"" << Narrow(request.text) << "\", " << request.fontSizePt << " pt, top "
       << request.labelTopTwips << ", " << request.intervalMs << " ms}";
}

}  // namespace qm
