#include "save/text_entry.h"

#include <algorithm>

#include "settings/number_text.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

constexpr std::string_view kBlankLine = " \r\n";

}  // namespace

std::string DateTimeText(std::string_view shortDate, std::string_view longTime, bool midnight) {
  std::string text(shortDate);
  if (!midnight) text.append(" ").append(longTime);
  return text;
}

std::string DateLine(std::string_view dateTimeText) {
  return " " + std::string(dateTimeText) + std::string(kCrLf) + std::string(20, '~');
}

std::string SeparatorLine(std::string_view unit, std::string_view repetitions) {
  const long long count = std::min(ParseWholeNumber(repetitions).value_or(0), kMaxSeparatorRepeats);
  std::string line;
  for (long long i = 0; i < count; ++i) line += unit;
  return line;
}

TextEntry BuildTextEntry(std::string_view clipboardText, const TextEntryParts& parts) {
  TextEntry entry{{}, clipboardText, std::string(kCrLf)};
  if (parts.dateLine) entry.head.append(*parts.dateLine).append(kCrLf).append(kBlankLine);
  if (parts.address) entry.tail.append(kBlankLine).append(*parts.address).append(kCrLf);
  if (parts.separator) {
    entry.tail.append(kBlankLine).append(*parts.separator).append(kCrLf).append(kBlankLine);
  }
  return entry;
}

TextEntry InUtf8(const TextEntry& entry, std::string_view utf8Body) {
  return {Utf8OfAnsi(entry.head), utf8Body, Utf8OfAnsi(entry.tail)};
}

}  // namespace qm
