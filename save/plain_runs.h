#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "save/markdown_text.h"
#include "settings/utf8_text.h"

// Each file that includes this (the converter's inline text and its test) has these
// as its own helpers, so that the compiler puts them into the loop over page text: as
// calls they cost a tenth of the conversion.
namespace qm {
namespace {

// The characters that go into the note as they are: ASCII that is neither a blank, a
// control character nor anything Markdown reads as syntax.
constexpr std::array<bool, 256> PlainCharacters() {
  std::array<bool, 256> plain{};
  for (int c = '!'; c < 0x7F; ++c) plain[static_cast<size_t>(c)] = true;
  for (const char c : kMarkdownSyntax) plain[static_cast<unsigned char>(c)] = false;
  plain['&'] = false;
  return plain;
}
constexpr std::array<bool, 256> kPlain = PlainCharacters();

// The bytes a block may hold to be taken whole: plain characters, blanks, and the
// bytes of two-byte sequences, apart from the A0 that ends a non-breaking space (which
// also ends a few letters, such as "à": those are taken one by one).
constexpr std::array<uint8_t, 256> BlockBytes() {
  std::array<uint8_t, 256> block{};
  for (size_t c = 0; c < 256; ++c) block[c] = kPlain[c] ? 1 : 0;
  block[' '] = 1;
  for (size_t c = 0x80; c <= 0xBF; ++c) block[c] = 1;
  for (size_t c = 0xC2; c <= 0xDF; ++c) block[c] = 1;
  block[0xA0] = 0;
  return block;
}
constexpr std::array<uint8_t, 256> kBlockBytes = BlockBytes();

// The length of the sequence at `at`, which starts outside ASCII, if it goes into the
// note as it stands, else 0: a well-formed sequence that is not a non-breaking space.
// Most page text outside ASCII is two bytes long (Latin, Greek, Cyrillic letters):
// those are told here, without decoding them.
size_t PlainSequenceLength(std::string_view text, size_t at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  if (byte >= 0xC2 && byte <= 0xDF) {
    if (at + 1 >= text.size()) return 0;
    const auto next = static_cast<unsigned char>(text[at + 1]);
    return (next & 0xC0) == 0x80 && !(byte == 0xC2 && next == 0xA0) ? 2 : 0;
  }
  const auto [codePoint, length] = CodePointAt(text, at);
  return codePoint == 0xFFFD && length == 1 ? 0 : length;
}

// The length of the character at `at` if it goes into the note as it stands, else 0.
// ASCII, most of page text, is told apart where it costs no call.
size_t PlainLength(std::string_view text, size_t at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  if (byte < 0x80) return kPlain[byte] ? 1 : 0;
  return PlainSequenceLength(text, at);
}

// Whether the word of bytes at `at` is plain characters whole, with single blanks
// between them: every sequence starts and ends in the block, no blank is next to
// another, and one at the block's end is followed by a plain character. The bytes are
// told apart in one go, so that ordinary prose costs no decision per character.
template <typename Word>
bool IsPlainBlock(std::string_view text, size_t at) {
  static_assert(std::endian::native == std::endian::little);
  constexpr size_t kWordBytes = sizeof(Word);
  constexpr Word kEachByte = ~Word{0} / 0xFF;
  constexpr int kLastByteShift = 8 * (kWordBytes - 1);
  const auto* p = reinterpret_cast<const unsigned char*>(text.data() + at);
  uint8_t allInBlock = 1;
  for (size_t index = 0; index < kWordBytes; ++index) allInBlock &= kBlockBytes[p[index]];
  if (!allInBlock) return false;
  Word bytes;
  std::memcpy(&bytes, p, sizeof bytes);
  constexpr Word kHigh = kEachByte * 0x80;
  constexpr Word kLow = kEachByte * 0x7F;
  // The top bit of each byte outside ASCII; of those the leads have the next bit set
  // too, and every other one must be the byte right after a lead.
  const Word high = bytes & kHigh;
  const Word leads = high & (bytes << 1);
  if (high != leads + (leads << 8) || (leads >> kLastByteShift) != 0) return false;
  // The top bit of each blank: of the bytes that are zero once the blanks are cleared.
  const Word unblank = bytes ^ (kEachByte * 0x20);
  const Word blanks = ~(((unblank & kLow) + kLow) | unblank | kLow);
  if ((blanks & (blanks << 8)) != 0) return false;
  const size_t next = at + kWordBytes;
  return (blanks >> kLastByteShift) == 0 || (next < text.size() && PlainLength(text, next) > 0);
}

// The end of the run of page text from `at` on that goes into a note as it stands:
// plain characters (ASCII that is neither a blank, a control character nor Markdown
// syntax, and well-formed sequences other than a non-breaking space), with the single
// blanks between them that content follows. The text is told apart a `Word` of bytes
// at a time where it can be; the program takes the machine's word (uintptr_t), since a
// 64-bit word takes two registers at each step on a 32-bit system.
template <typename Word>
size_t PlainRunEnd(std::string_view text, size_t at) {
  constexpr size_t kWordBytes = sizeof(Word);
  const size_t start = at;
  while (at < text.size()) {
    if (at + kWordBytes <= text.size() && (at != start || text[at] != ' ') &&
        IsPlainBlock<Word>(text, at)) {
      at += kWordBytes;
    } else if (const size_t length = PlainLength(text, at)) {
      at += length;
    } else if (text[at] == ' ' && at != start && at + 1 < text.size() &&
               PlainLength(text, at + 1) > 0) {
      ++at;
    } else {
      break;
    }
  }
  return at;
}

}  // namespace
}  // namespace qm
