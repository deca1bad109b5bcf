#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace qm {

// The index of the first `byte` in `text` from `from` on, or npos; a machine word at a
// time. std::string_view::find calls the C library's memchr, which some runtimes (Wine's
// msvcrt among them) run byte by byte, and the search for the next tag, reference or
// line break is a good part of converting a page.
template <typename Word = uintptr_t>
size_t FindByte(std::string_view text, char byte, size_t from = 0) {
  constexpr Word kOnes = ~Word{0} / 0xFF;
  constexpr Word kHighBits = kOnes * 0x80;
  const Word pattern = kOnes * static_cast<unsigned char>(byte);
  size_t at = from;
  for (; at + sizeof(Word) <= text.size(); at += sizeof(Word)) {
    Word word;
    std::memcpy(&word, text.data() + at, sizeof(Word));
    const Word matches = word ^ pattern;  // a zero byte where the byte is
    if ((matches - kOnes) & ~matches & kHighBits) break;
  }
  for (; at < text.size(); ++at) {
    if (text[at] == byte) return at;
  }
  return std::string_view::npos;
}

}  // namespace qm
