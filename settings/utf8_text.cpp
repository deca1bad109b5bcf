#include "settings/utf8_text.h"

#include <cstdint>

#include "settings/ansi_text.h"

namespace qm {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

template <typename Char>
std::pair<char32_t, size_t> CodePointOf(std::basic_string_view<Char> text, size_t at) {
  const auto unit = static_cast<char32_t>(text[at]);
  if (IsHighSurrogate(unit) && at + 1 < text.size() &&
      IsLowSurrogate(static_cast<char32_t>(text[at + 1]))) {
    return {0x10000 + ((unit - 0xD800) << 10) + (static_cast<char32_t>(text[at + 1]) - 0xDC00), 2};
  }
  if (IsHighSurrogate(unit) || IsLowSurrogate(unit) || unit > 0x10FFFF) {
    return {kReplacementCharacter, 1};
  }
  return {unit, 1};
}

// Writes at `out` and returns the end; room for four bytes must be there.
char* PutUtf8(char* out, char32_t codePoint) {
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (codePoint < 0x80) {
    *out++ = byte(codePoint);
  } else if (codePoint < 0x800) {
    *out++ = byte(0xC0 | (codePoint >> 6));
    *out++ = byte(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    *out++ = byte(0xE0 | (codePoint >> 12));
    *out++ = byte(0x80 | ((codePoint >> 6) & 0x3F));
    *out++ = byte(0x80 | (codePoint & 0x3F));
  } else {
    *out++ = byte(0xF0 | (codePoint >> 18));
    *out++ = byte(0x80 | ((codePoint >> 12) & 0x3F));
    *out++ = byte(0x80 | ((codePoint >> 6) & 0x3F));
    *out++ = byte(0x80 | (codePoint & 0x3F));
  }
  return out;
}

// One pass, writing into room made beforehand: a UTF-16 unit gives at most three bytes
// (a character of four takes two units); a unit of 32 bits (off Windows) up to four.
template <typename Char>
void AppendUtf8Of(std::string& out, std::basic_string_view<Char> text) {
  constexpr size_t kMostBytesPerUnit = sizeof(Char) > 2 ? 4 : 3;
  const size_t start = out.size();
  out.resize(start + kMostBytesPerUnit * text.size());
  char* end = out.data() + start;
  for (size_t at = 0; at < text.size();) {
    if (static_cast<char32_t>(text[at]) < 0x80) {
      *end++ = static_cast<char>(text[at++]);
      continue;
    }
    const auto [codePoint, units] = CodePointOf(text, at);
    end = PutUtf8(end, codePoint);
    at += units;
  }
  out.resize(static_cast<size_t>(end - out.data()));
}

// The length of the well-formed UTF-8 sequence at the start of `bytes`, 0 for none.
size_t SequenceLength(std::string_view bytes) {
  const auto at = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
  const uint8_t lead = at(0);
  if (lead < 0x80) return 1;
  size_t length = 0;
  uint8_t low = 0x80;
  uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong form
    if (lead == 0xED) high = 0x9F;  // no surrogate
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (bytes.size() < length || at(1) < low || at(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (at(i) < 0x80 || at(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::pair<char32_t, size_t> CodePointAt(std::u16string_view text, size_t at) {
  return CodePointOf(text, at);
}

std::pair<char32_t, size_t> CodePointAt(std::wstring_view text, size_t at) {
  return CodePointOf(text, at);
}

void AppendUtf8(std::string& out, std::u16string_view text) { AppendUtf8Of(out, text); }

void AppendUtf8(std::string& out, std::wstring_view text) { AppendUtf8Of(out, text); }

std::string Utf8OfAnsi(std::string_view ansi) {
  std::string utf8;
  AppendUtf8(utf8, WidenAnsi(ansi));
  return utf8;
}

bool IsUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    const size_t length = SequenceLength(bytes);
    if (length == 0) return false;
    bytes.remove_prefix(length);
  }
  return true;
}

}  // namespace qm
