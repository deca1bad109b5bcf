#include "save/office_lists.h"

#include <algorithm>

#include "settings/ascii_text.h"

namespace qm {

namespace {

// The marker's first word: Word pads it with blanks and non-breaking spaces.
std::string_view FirstWord(std::string_view text) {
  constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
  const auto blankAt = [&](size_t at) {
    if (text[at] == ' ' || text[at] == '\t' || text[at] == '\r' || text[at] == '\n') return 1;
    return text.substr(at).starts_with(kNoBreakSpace) ? 2 : 0;
  };
  size_t start = 0;
  while (start < text.size() && blankAt(start) > 0) start += static_cast<size_t>(blankAt(start));
  size_t end = start;
  while (end < text.size() && blankAt(end) == 0) ++end;
  return text.substr(start, end - start);
}

}  // namespace

int OfficeListLevel(std::string_view style) {
  constexpr std::string_view kList = "mso-list:";
  constexpr std::string_view kLevel = "level";
  constexpr int kDeepestLevel = 9;
  const size_t list = style.find(kList);
  if (list == std::string_view::npos) return 0;
  std::string_view value = style.substr(list + kList.size());
  value = value.substr(0, std::min(value.find(';'), value.size()));
  const size_t level = value.find(kLevel);
  if (level == std::string_view::npos) return 0;
  const std::string_view digits = value.substr(level + kLevel.size());
  if (digits.empty() || !IsAsciiDigit(digits[0])) return 0;
  return std::clamp(digits[0] - '0', 1, kDeepestLevel);
}

OfficeListMarker OfficeListMarkerOf(std::string_view markerText) {
  std::string_view word = FirstWord(markerText);
  if (word.size() < 2 || (word.back() != '.' && word.back() != ')')) return {};
  word.remove_suffix(1);
  const bool numbered =
      std::all_of(word.begin(), word.end(), [](char c) { return IsAsciiDigit(c) || c == '.'; }) &&
      std::any_of(word.begin(), word.end(), IsAsciiDigit);
  const bool lettered = std::all_of(word.begin(), word.end(), IsAsciiLetter);
  if (!numbered && !lettered) return {};
  OfficeListMarker marker{true, 1};
  if (numbered) {
    // Of "2.1" the item's own number is the last.
    const std::string_view own = word.substr(word.find_last_of('.') + 1);
    if (own.empty() || own.size() > 9) return marker;
    marker.start = 0;
    for (const char c : own) marker.start = marker.start * 10 + (c - '0');
  }
  return marker;
}

}  // namespace qm
