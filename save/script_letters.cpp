#include "save/script_letters.h"

#include "settings/utf8_text.h"

namespace qm {

namespace {

constexpr char32_t kMinusSign = 0x2212;

// Unicode has the raised digits and + - = ( ) from U+2070 (but 1, 2 and 3 in Latin-1)
// and the lowered ones 16 further on, in the same order.
char32_t RaisedPlaceOf(char32_t c) {
  if (c >= '0' && c <= '9') return 0x2070 + (c - '0');
  switch (c) {
    case '+':
      return 0x207A;
    case '-':
    case kMinusSign:
      return 0x207B;
    case '=':
      return 0x207C;
    case '(':
      return 0x207D;
    case ')':
      return 0x207E;
    default:
      return 0;
  }
}

char32_t SuperscriptOf(char32_t c) {
  switch (c) {
    case '1':
      return 0xB9;
    case '2':
      return 0xB2;
    case '3':
      return 0xB3;
    case 'i':
      return 0x2071;
    case 'n':
      return 0x207F;
    default:
      return RaisedPlaceOf(c);
  }
}

char32_t SubscriptOf(char32_t c) {
  const char32_t raised = RaisedPlaceOf(c);
  return raised == 0 ? 0 : raised + 0x10;
}

char32_t LetterOf(char32_t c, Script script) {
  if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') return c;
  switch (script) {
    case Script::Super:
      return SuperscriptOf(c);
    case Script::Sub:
      return SubscriptOf(c);
    case Script::None:
      break;
  }
  return 0;
}

}  // namespace

std::optional<std::string> ScriptLettersOf(std::string_view text, Script script) {
  std::u16string letters;
  for (size_t at = 0; at < text.size();) {
    const auto [c, length] = CodePointAt(text, at);
    at += length;
    const char32_t letter = LetterOf(c, script);
    if (letter == 0) return std::nullopt;
    letters += static_cast<char16_t>(letter);
  }
  std::string utf8;
  AppendUtf8(utf8, letters);
  return utf8;
}

}  // namespace qm
