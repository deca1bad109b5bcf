// The native tests and benchmarks run off Windows: data is converted as code page 1252,
// the ANSI code page of the German systems the program is made for (and of Wine).
#include <algorithm>
#include <array>

#include "settings/ansi_text.h"

namespace qm {

namespace {

// 0x80 to 0x9F of code page 1252; the unassigned bytes keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::wstring WidenAnsi(std::string_view ansi) {
  std::wstring wide;
  for (char c : ansi) {
    const auto byte = static_cast<unsigned char>(c);
    wide += static_cast<wchar_t>(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte);
  }
  return wide;
}

std::optional<std::string> AnsiOfCharacter(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint < 0x100)) {
    return std::string(1, static_cast<char>(codePoint));
  }
  const auto* high = std::find(kHighControls.begin(), kHighControls.end(), codePoint);
  if (high == kHighControls.end()) return std::nullopt;
  return std::string(1, static_cast<char>(0x80 + (high - kHighControls.begin())));
}

std::optional<std::string> NarrowToAnsi(std::u16string_view wide) {
  std::string ansi;
  for (char16_t unit : wide) {
    const auto byte = AnsiOfCharacter(unit);
    if (!byte) return std::nullopt;
    ansi += *byte;
  }
  return ansi;
}

}  // namespace qm
