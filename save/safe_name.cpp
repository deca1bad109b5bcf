#include "save/safe_name.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace qm {

namespace {

constexpr std::string_view kRefusedCharacters = "\\/:*?\"<>|";

bool IsRefused(char c) {
  return static_cast<unsigned char>(c) < 32 || kRefusedCharacters.find(c) != std::string_view::npos;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper;
}

// Superscript one, two and three of the ANSI code page count as digits for COM/LPT.
bool IsDeviceDigit(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (c >= '1' && c <= '9') || u == 0xB9 || u == 0xB2 || u == 0xB3;
}

void TrimTrailingDotsAndBlanks(std::string& name) {
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
}

// Windows drops trailing dots and blanks from names, so a name never ends in them.
void CutTo(std::string& name, size_t maxLength) {
  if (name.size() > maxLength) name.resize(maxLength);
  TrimTrailingDotsAndBlanks(name);
}

}  // namespace

bool IsReservedDeviceName(std::string_view name) {
  std::string base = Upper(name.substr(0, name.find('.')));
  TrimTrailingDotsAndBlanks(base);
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(kPlain.begin(), kPlain.end(), base) != kPlain.end()) return true;
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
         IsDeviceDigit(base[3]);
}

std::string SafeName(std::string_view name, size_t maxLength) {
  maxLength = std::max<size_t>(maxLength, 1);
  std::string safe;
  for (char c : name) {
    if (!IsRefused(c)) safe += c;
  }
  CutTo(safe, maxLength);
  if (safe.empty()) safe = kFallbackName.substr(0, maxLength);
  // Only the final, cut name can be a device name ("CON hello" cut to three letters).
  if (IsReservedDeviceName(safe)) {
    safe.insert(0, "_");
    CutTo(safe, maxLength);
  }
  return safe;
}

}  // namespace qm
