#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

inline constexpr std::string_view kCrLf = "\r\n";

// The system's rendering of the current local time: short date, a blank, long time;
// at exactly midnight the date alone.
std::string DateTimeText(std::string_view shortDate, std::string_view longTime, bool midnight);

// A blank, the date and time, CR LF, then twenty tildes (no line end of its own).
std::string DateLine(std::string_view dateTimeText);

// The separator text repeated `repetitions` times. A count that is not a whole number
// or is 0 or less gives an empty line; a huge count is capped at kMaxSeparatorRepeats.
inline constexpr long long kMaxSeparatorRepeats = 1000;
std::string SeparatorLine(std::string_view unit, std::string_view repetitions);

// One plain-text entry as appended to a file, in three pieces so that the clipboard
// text itself is written as it is, without a copy.
struct TextEntry {
  std::string head;
  std::string_view body;
  std::string tail;
};

struct TextEntryParts {
  std::optional<std::string> dateLine;   // set when the action adds the date
  std::optional<std::string> address;    // set when the action adds the address
  std::optional<std::string> separator;  // set for the same-file method
};

TextEntry BuildTextEntry(std::string_view clipboardText, const TextEntryParts& parts);

// An entry is built in the code page, as the old program wrote, or in UTF-8 when the
// copied text holds a character the code page lacks.
enum class TextEncoding { Ansi, Utf8 };

// The entry in UTF-8 around `utf8Body`: what the entry adds to the text (date line,
// address, separator) comes in the code page and is converted.
TextEntry InUtf8(const TextEntry& entry, std::string_view utf8Body);

}  // namespace qm
