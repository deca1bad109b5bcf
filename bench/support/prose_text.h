#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qm::bench {

// Prose in code page 1252 as users copy it: umlauts, a sharp s, a euro sign, quotes
// and colons a file name may not hold, lines of about seventy characters ending in
// CR LF. Never a zero byte, so it fits CF_TEXT whole.
inline std::string ProseOfSize(size_t size) {
  // Octal escapes, since a hex escape would take the letters after it along.
  static constexpr std::array<std::string_view, 12> kWords = {
      "Gr\374\337e", "aus",     "M\374nchen:", "die",        "Rechnung", "\20042,50",
      "f\374r",      "\"Mai\"", "bitte",       "pr\374fen?", "und",      "danke."};
  std::string text;
  text.reserve(size + 16);
  size_t lineLength = 0;
  for (size_t i = 0; text.size() < size; ++i) {
    const std::string_view word = kWords[i % kWords.size()];
    text += word;
    lineLength += word.size() + 1;
    text += lineLength > 70 ? std::string_view("\r\n") : std::string_view(" ");
    if (lineLength > 70) lineLength = 0;
  }
  text.resize(size);
  return text;
}

}  // namespace qm::bench
