#include "save/safe_name.h"

#include <algorithm>
#include <array>
#include <type_traits>

namespace qm {

namespace {

constexpr std::string_view kRefusedCharacters = "\\/:*?\"<>|";

// The character's code: a byte of the code page, or a UTF-16 unit.
template <typename Char>
unsigned Code(Char c) {
  return static_cast<std::make_unsigned_t<Char>>(c);
}

template <typename Char>
bool IsRefused(Char c) {
  return Code(c) < 32 ||
         (Code(c) < 128 && kRefusedCharacters.find(static_cast<char>(c)) != std::string_view::npos);
}

template <typename Char>
std::basic_string<Char> Ascii(std::string_view text) {
  return {text.begin(), text.end()};
}

template <typename Char>
Char AsciiUpper(Char c) {
  return c >= Char('a') && c <= Char('z') ? static_cast<Char>(c - 'a' + 'A') : c;
}

// Superscript one, two and three count as digits for COM/LPT; they have the same codes
// in the ANSI code page as in Unicode.
template <typename Char>
bool IsDeviceDigit(Char c) {
  return (c >= Char('1') && c <= Char('9')) || Code(c) == 0xB9 || Code(c) == 0xB2 ||
         Code(c) == 0xB3;
}

template <typename Char>
void TrimTrailingDotsAndBlanks(std::basic_string<Char>& name) {
  while (!name.empty() && (name.back() == Char('.') || name.back() == Char(' '))) name.pop_back();
}

// Windows drops trailing dots and blanks from names, so a name never ends in them.
template <typename Char>
void CutTo(std::basic_string<Char>& name, size_t maxLength) {
  if (name.size() > maxLength) {
    name.resize(maxLength);
    const bool halfCharacter = Code(name.back()) >= 0xD800 && Code(name.back()) < 0xDC00;
    if (halfCharacter) name.pop_back();
  }
  TrimTrailingDotsAndBlanks(name);
}

template <typename Char>
bool IsDeviceName(std::basic_string_view<Char> name) {
  std::basic_string<Char> base(name.substr(0, name.find(Char('.'))));
  std::transform(base.begin(), base.end(), base.begin(), AsciiUpper<Char>);
  TrimTrailingDotsAndBlanks(base);
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  for (std::string_view plain : kPlain) {
    if (base == Ascii<Char>(plain)) return true;
  }
  const std::basic_string_view<Char> start = std::basic_string_view<Char>(base).substr(0, 3);
  return base.size() == 4 && (start == Ascii<Char>("COM") || start == Ascii<Char>("LPT")) &&
         IsDeviceDigit(base[3]);
}

template <typename Char>
std::basic_string<Char> SafeNameOf(std::basic_string_view<Char> name, size_t maxLength) {
  maxLength = std::max<size_t>(maxLength, 1);
  std::basic_string<Char> safe;
  for (Char c : name) {
    if (!IsRefused(c)) safe += c;
  }
  CutTo(safe, maxLength);
  if (safe.empty()) safe = Ascii<Char>(kFallbackName.substr(0, maxLength));
  // Only the final, cut name can be a device name ("CON hello" cut to three letters).
  if (IsDeviceName<Char>(safe)) {
    safe.insert(safe.begin(), Char('_'));
    CutTo(safe, maxLength);
  }
  return safe;
}

}  // namespace

bool IsReservedDeviceName(std::string_view name) { return IsDeviceName(name); }

bool IsReservedDeviceName(std::wstring_view name) { return IsDeviceName(name); }

std::string SafeName(std::string_view name, size_t maxLength) {
  return SafeNameOf(name, maxLength);
}

std::wstring SafeName(std::wstring_view name, size_t maxLength) {
  return SafeNameOf(name, maxLength);
}

}  // namespace qm
