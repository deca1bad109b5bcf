#include "clipboard/copied_text.h"

#include <optional>
#include <unordered_map>

#include "settings/ansi_text.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

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

KeptText KeptTextOfUtf16(std::u16string_view wide) {
  // One conversion tells whether the code page holds the text whole.
  if (auto ansi = NarrowToAnsi(wide)) return {std::move(*ansi), {}};
  KeptText copied;
  AppendUtf8(copied.utf8, wide);
  return copied;
}

StandIns AnsiWithStandIns(std::string_view utf8) {
  StandIns copied;
  copied.ansi.reserve(utf8.size());
  CodePage codePage;
  for (size_t at = 0; at < utf8.size();) {
    const auto [codePoint, length] = CodePointAt(utf8, at);
    at += length;
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
