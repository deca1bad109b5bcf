#include "options/typed_display_time.h"

#include "settings/number_text.h"

namespace qm {

namespace {

// A notice shown for no time would never close: its timer must tick at least once.
constexpr long long kShortestInterval = 1;
constexpr long long kLongestInterval = 32767;

MessageRequest Warning(const wchar_t* text) {
  return {L"Achtung!", text, MessageIcon::Exclamation, MessageButtons::Ok};
}

}  // namespace

std::variant<long long, MessageRequest> NoticeTestInterval(const std::string& typed) {
  if (typed.empty()) {
    return Warning(L"Bitte tragen Sie rechts unter 'Dauer der Anzeige' einen Wert ein.");
  }
  const auto interval = ParseWholeNumber(typed);
  if (!interval || *interval < kShortestInterval || *interval > kLongestInterval) {
    return Warning(L"Bitte tragen Sie eine korrekte Zahl ein.");
  }
  return *interval;
}

}  // namespace qm
