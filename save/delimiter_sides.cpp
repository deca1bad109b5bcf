#include "save/delimiter_sides.h"

#include <algorithm>
#include <array>

#include "settings/utf8_text.h"

namespace qm {

namespace {

struct Range {
  char32_t first;
  char32_t last;
};

// Unicode's punctuation outside ASCII as pages use it: Latin-1's marks and guillemets,
// the dashes and quotation marks of General Punctuation, CJK brackets and their
// full-width forms, and the few marks of other scripts that stand beside words.
constexpr std::array<Range, 50> kPunctuation = {{
    {0xA1, 0xA1},     {0xA7, 0xA7},     {0xAB, 0xAB},     {0xB6, 0xB7},     {0xBB, 0xBB},
    {0xBF, 0xBF},     {0x37E, 0x37E},   {0x387, 0x387},   {0x55A, 0x55F},   {0x589, 0x58A},
    {0x5BE, 0x5BE},   {0x5C0, 0x5C0},   {0x5F3, 0x5F4},   {0x60C, 0x60D},   {0x61B, 0x61B},
    {0x61F, 0x61F},   {0x66A, 0x66D},   {0x6D4, 0x6D4},   {0x964, 0x965},   {0xE5A, 0xE5B},
    {0x2010, 0x2027}, {0x2030, 0x2043}, {0x2045, 0x2051}, {0x2053, 0x205E}, {0x207D, 0x207E},
    {0x208D, 0x208E}, {0x2308, 0x230B}, {0x2329, 0x232A}, {0x2768, 0x2775}, {0x27E6, 0x27EF},
    {0x2983, 0x2998}, {0x2E00, 0x2E2E}, {0x2E30, 0x2E4F}, {0x3001, 0x3003}, {0x3008, 0x3011},
    {0x3014, 0x301F}, {0x3030, 0x3030}, {0x303D, 0x303D}, {0x30A0, 0x30A0}, {0x30FB, 0x30FB},
    {0xFE10, 0xFE19}, {0xFE30, 0xFE52}, {0xFE54, 0xFE61}, {0xFF01, 0xFF03}, {0xFF05, 0xFF0A},
    {0xFF0C, 0xFF0F}, {0xFF1A, 0xFF1B}, {0xFF1F, 0xFF20}, {0xFF3B, 0xFF3D}, {0xFF5B, 0xFF65},
}};

bool IsBlank(char32_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool IsPunctuation(char32_t c) {
  if (c < 0x80) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
           (c >= '{' && c <= '~');
  }
  const auto after =
      std::upper_bound(kPunctuation.begin(), kPunctuation.end(), c,
                       [](char32_t point, const Range& r) { return point < r.first; });
  return after != kPunctuation.begin() && c <= (after - 1)->last;
}

Beside KindOf(char32_t c) {
  if (IsBlank(c)) return Beside::Blank;
  return IsPunctuation(c) ? Beside::Punctuation : Beside::Word;
}

}  // namespace

Beside CharacterAt(std::string_view text, size_t at) {
  return at < text.size() ? KindOf(CodePointAt(text, at).first) : Beside::Blank;
}

size_t CharacterStart(std::string_view text, size_t end) {
  if (end == 0) return 0;
  size_t start = end;
  while (start > 0 && end - start < 4) {
    --start;
    if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) break;
  }
  return CodePointAt(text, start).second == end - start ? start : end - 1;
}

Beside CharacterBefore(std::string_view text, size_t end) {
  return end == 0 ? Beside::Blank : CharacterAt(text, CharacterStart(text, end));
}

size_t PunctuationEnd(std::string_view text, size_t at, size_t end) {
  while (at < end) {
    const auto [codePoint, length] = CodePointAt(text, at);
    if (!IsPunctuation(codePoint)) break;
    at += length;
  }
  return std::min(at, end);
}

}  // namespace qm
