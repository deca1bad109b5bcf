#include "settings/number_text.h"

#include <algorithm>

namespace qm {

namespace {

constexpr long long kLargest = 1'000'000'000'000'000'000LL;

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<long long> ParseWholeNumber(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value > kLargest / 10 ? kLargest : std::min(value * 10 + (c - '0'), kLargest);
  }
  return negative ? -value : value;
}

}  // namespace qm
