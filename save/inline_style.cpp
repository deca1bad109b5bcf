#include "save/inline_style.h"

#include <algorithm>
#include <string>

#include "settings/ascii_text.h"

namespace qm {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\f";
constexpr int kLightestBold = 600;

// A weight's boldness: "bold", "bolder" or a number from 600 on is bold; "normal",
// "lighter" or a number below is not. Nothing for a value a browser would drop.
std::optional<bool> BoldnessOfWeight(std::string_view value) {
  constexpr int kHeaviest = 1000;
  if (value == "bold" || value == "bolder") return true;
  if (value == "normal" || value == "lighter") return false;
  if (value.empty() || value.size() > 4) return std::nullopt;
  int weight = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    weight = weight * 10 + (c - '0');
  }
  if (weight < 1 || weight > kHeaviest) return std::nullopt;
  return weight >= kLightestBold;
}

void Take(InlineStyle& shown, std::string_view name, std::string_view value) {
  if (name == "font-weight") {
    if (const std::optional<bool> bold = BoldnessOfWeight(value)) shown.bold = bold;
  } else if (name == "font-style") {
    shown.italic = value.starts_with("italic") || value.starts_with("oblique");
  } else if (name == "text-decoration" || name == "text-decoration-line") {
    shown.strike = value.find("line-through") != std::string_view::npos;
  } else if (name == "display") {
    shown.displayNone = value == "none";
  } else if (name == "visibility") {
    shown.invisible = value == "hidden" || value == "collapse";
  } else if (name == "mso-list") {
    shown.listMarker = value == "ignore";
  } else if (name == "text-align") {
    shown.align = AlignOf(value);
  }
}

}  // namespace

TextAlign AlignOf(std::string_view value) {
  if (EqualIgnoringCase(value, "left")) return TextAlign::Left;
  if (EqualIgnoringCase(value, "center")) return TextAlign::Center;
  if (EqualIgnoringCase(value, "right")) return TextAlign::Right;
  return TextAlign::Unstated;
}

InlineStyle StyleOf(std::string_view style) {
  InlineStyle shown;
  while (!style.empty()) {
    const size_t end = std::min(style.find(';'), style.size());
    const std::string_view declaration = style.substr(0, end);
    style.remove_prefix(std::min(end + 1, style.size()));
    const size_t colon = declaration.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string name = AsciiLowered(Trimmed(declaration.substr(0, colon), kBlanks));
    std::string value = AsciiLowered(Trimmed(declaration.substr(colon + 1), kBlanks));
    if (const size_t important = value.find("!important"); important != std::string::npos) {
      value = std::string(Trimmed(std::string_view(value).substr(0, important), kBlanks));
    }
    Take(shown, name, value);
  }
  return shown;
}

}  // namespace qm
