#include "settings/utf8_text.h"

#include <array>
#include <cstdint>
#include <cstring>

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

template <typename Char>
bool IsPlainUnit(Char c) {
  const auto unit = static_cast<char32_t>(c);
  return unit < 0xD800 || (unit >= 0xE000 && unit < 0x10000);
}

// The text's UTF-8 length, so that its room is taken exactly: fresh memory is costly to
// touch (under Wine above all), and a megabyte of text would otherwise take three.
template <typename Char>
size_t Utf8Length(std::basic_string_view<Char> text) {
  size_t length = 0;
  for (size_t at = 0; at < text.size();) {
    const auto unit = static_cast<char32_t>(text[at]);
    if (IsPlainUnit(text[at])) {
      length += unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
      ++at;
      continue;
    }
    const auto [codePoint, units] = CodePointOf(text, at);
    length += codePoint < 0x10000 ? 3 : 4;
    at += units;
  }
  return length;
}

// Only surrogates take the slow way: a megabyte of Cyrillic is one branch per letter.
template <typename Char>
void AppendUtf8Of(std::string& out, std::basic_string_view<Char> text) {
  const size_t start = out.size();
  out.resize(start + Utf8Length(text));
  char* end = out.data() + start;
  for (size_t at = 0; at < text.size();) {
    if (IsPlainUnit(text[at])) {
      end = PutUtf8(end, static_cast<char32_t>(text[at++]));
      continue;
    }
    const auto [codePoint, units] = CodePointOf(text, at);
    end = PutUtf8(end, codePoint);
    at += units;
  }
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

// Hands `put` the UTF-16 units of a code point: above U+FFFF a pair of surrogates.
template <typename Put>
void ForEachUtf16Unit(char32_t codePoint, Put&& put) {
  if (codePoint < 0x10000) {
    put(codePoint);
    return;
  }
  put(0xD800 + ((codePoint - 0x10000) >> 10));
  put(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
}

// The length of the ASCII run at the start, eight bytes at a time: a file is mostly
// ASCII, and a file of ASCII alone is read to its end to tell its encoding.
size_t AsciiWordsLength(std::string_view bytes) {
  constexpr uint64_t kHighBits = 0x8080808080808080u;
  size_t length = 0;
  for (uint64_t word = 0; length + sizeof word <= bytes.size(); length += sizeof word) {
    std::memcpy(&word, bytes.data() + length, sizeof word);
    if ((word & kHighBits) != 0) break;
  }
  return length;
}

}  // namespace

void AppendUtf8(std::string& out, std::u16string_view text) { AppendUtf8Of(out, text); }

void AppendUtf8(std::string& out, std::wstring_view text) { AppendUtf8Of(out, text); }

std::string Utf8OfAnsi(std::string_view ansi) {
  std::string utf8;
  AppendUtf8(utf8, WidenAnsi(ansi));
  return utf8;
}

std::pair<char32_t, size_t> CodePointAt(std::string_view utf8, size_t at) {
  const std::string_view rest = utf8.substr(at);
  const size_t length = SequenceLength(rest);
  if (length == 0) return {kReplacementCharacter, 1};
  const auto byte = [&](size_t i) { return static_cast<char32_t>(static_cast<uint8_t>(rest[i])); };
  constexpr std::array<char32_t, 5> kLeadBits = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t codePoint = byte(0) & kLeadBits[length];
  for (size_t i = 1; i < length; ++i) codePoint = codePoint << 6 | (byte(i) & 0x3F);
  return {codePoint, length};
}

std::pair<char32_t, size_t> CodePointAt(std::u16string_view utf16, size_t at) {
  return CodePointOf(utf16, at);
}

void AppendUtf16(std::wstring& out, char32_t codePoint) {
  ForEachUtf16Unit(codePoint, [&](char32_t unit) { out += static_cast<wchar_t>(unit); });
}

void AppendUtf16Bytes(std::string& out, std::string_view utf8, ByteOrder order) {
  out.reserve(out.size() + 2 * utf8.size());
  const auto put = [&](char32_t unit) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += order == ByteOrder::BigEndian ? high : low;
    out += order == ByteOrder::BigEndian ? low : high;
  };
  for (size_t at = 0; at < utf8.size();) {
    const auto [codePoint, length] = CodePointAt(utf8, at);
    ForEachUtf16Unit(codePoint, put);
    at += length;
  }
}

std::optional<std::string> Utf8OfUtf16Bytes(std::string_view bytes, ByteOrder order) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t at = 0; at < units.size(); ++at) {
    const auto first = static_cast<uint8_t>(bytes[2 * at]);
    const auto second = static_cast<uint8_t>(bytes[2 * at + 1]);
    units[at] = static_cast<char16_t>(order == ByteOrder::BigEndian ? first << 8 | second
                                                                    : second << 8 | first);
  }
  for (size_t at = 0; at < units.size();) {
    const size_t length = CodePointOf(std::u16string_view(units), at).second;
    if (length == 1 && (IsHighSurrogate(units[at]) || IsLowSurrogate(units[at]))) {
      return std::nullopt;
    }
    at += length;
  }
  std::string utf8;
  AppendUtf8(utf8, units);
  return utf8;
}

std::wstring WideOfUtf8(std::string_view utf8, size_t mostUnits) {
  std::wstring wide;
  for (size_t at = 0; at < utf8.size();) {
    const auto [codePoint, length] = CodePointAt(utf8, at);
    if (wide.size() + (codePoint < 0x10000 ? 1 : 2) > mostUnits) break;
    AppendUtf16(wide, codePoint);
    at += length;
  }
  return wide;
}

bool IsUtf8(std::string_view bytes) { return WellFormedStart(bytes).length == bytes.size(); }

Utf8Start WellFormedStart(std::string_view bytes) {
  Utf8Start start;
  while (start.length < bytes.size()) {
    start.length += AsciiWordsLength(bytes.substr(start.length));
    if (start.length == bytes.size()) break;
    const size_t length = SequenceLength(bytes.substr(start.length));
    if (length == 0) break;
    start.multiByte = start.multiByte || length > 1;
    start.length += length;
  }
  return start;
}

}  // namespace qm
