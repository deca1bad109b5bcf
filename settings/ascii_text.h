#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace qm {

// ASCII letters and digits, as names, tags, addresses and styles are made of, whatever
// the system's locale: <cctype> would take the code page's letters too.
constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool IsAsciiLetter(char c) { return IsAsciiUpper(c) || (c >= 'a' && c <= 'z'); }
constexpr bool IsAsciiAlphanumeric(char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); }
constexpr char AsciiLower(char c) { return IsAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

inline std::string AsciiLowered(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), AsciiLower);
  return lowered;
}

}  // namespace qm
