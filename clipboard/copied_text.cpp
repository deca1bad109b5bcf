#include "clipboard/copied_text.h"

#include <optional>
#include <unordered_map>

#include "settings/ansi_text.h"

namespace qm {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// The code point that starts at `at`, and how many units it takes.
std::pair<char32_t, size_t> CodePointAt(std::u16string_view wide, size_t at) {
  const char16_t unit = wide[at];
  if (IsHighSurrogate(unit) && at + 1 < wide.size() && IsLowSurrogate(wide[at + 1])) {
    return {0x10000 + ((char32_t{unit} - 0xD800) << 10) + (wide[at + 1] - 0xDC00), 2};
  }
  if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) return {kReplacementCharacter, 1};
  return {unit, 1};
}

// A text holds few distinct characters, each many times: each is asked once.
class CodePage {
 public:
  const std::optional<std::string>& Of(char32_t codePoint) {
    auto known = known_.find(codePoint);
    if (known == known_.end()) known = known_.emplace(codePoint, AnsiOfCharacter(codePoint)).first;
    return known->second;
  }

 private:
  std::unordered_map<char32_t, std::optional<std::string>> known_;
};

}  // namespace

CopiedText CopiedTextOfUtf16(std::u16string_view wide) {
  // Nearly every text is held by the code page whole: one conversion, nothing listed.
  if (auto ansi = NarrowToAnsi(wide)) return {std::move(*ansi), {}};
  CopiedText copied;
  copied.ansi.reserve(wide.size());
  CodePage codePage;
  for (size_t at = 0; at < wide.size();) {
    const auto [codePoint, units] = CodePointAt(wide, at);
    at += units;
    // Every ANSI code page holds ASCII as it is.
    if (codePoint < 0x80) {
      copied.ansi += static_cast<char>(codePoint);
      continue;
    }
    if (const auto& ansi = codePage.Of(codePoint)) {
      copied.ansi += *ansi;
      continue;
    }
    copied.foreign.push_back({copied.ansi.size(), codePoint});
    copied.ansi += '?';
  }
  return copied;
}

}  // namespace qm
