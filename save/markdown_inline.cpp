#include "save/markdown_inline.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "save/markdown_text.h"

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

// The bytes a block of eight may hold to be taken whole: plain characters, blanks, and
// the bytes of two-byte sequences, apart from the A0 that ends a non-breaking space
// (which also ends a few letters, such as "à": those are taken one by one).
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

std::string_view Opening(Marker kind) {
  switch (kind) {
    case Marker::Bold:
      return "**";
    case Marker::Italic:
      return "*";
    case Marker::Strike:
      return "~~";
    default:
      return "[";
  }
}

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

// Whether the eight bytes at `at` are plain characters whole, with single blanks
// between them: every sequence starts and ends in the block, no blank is next to
// another, and one at the block's end is followed by a plain character. Eight bytes are
// told apart in one go, so that ordinary prose costs no decision per character.
bool IsPlainBlock(std::string_view text, size_t at) {
  static_assert(std::endian::native == std::endian::little);
  const auto* p = reinterpret_cast<const unsigned char*>(text.data() + at);
  if (!(kBlockBytes[p[0]] & kBlockBytes[p[1]] & kBlockBytes[p[2]] & kBlockBytes[p[3]] &
        kBlockBytes[p[4]] & kBlockBytes[p[5]] & kBlockBytes[p[6]] & kBlockBytes[p[7]])) {
    return false;
  }
  uint64_t bytes;
  std::memcpy(&bytes, p, sizeof bytes);
  constexpr uint64_t kHigh = 0x8080808080808080;
  constexpr uint64_t kLow = 0x7F7F7F7F7F7F7F7F;
  // The top bit of each byte outside ASCII; of those the leads have the next bit set
  // too, and every other one must be the byte right after a lead.
  const uint64_t high = bytes & kHigh;
  const uint64_t leads = high & (bytes << 1);
  if (high != leads + (leads << 8) || (leads >> 56) != 0) return false;
  // The top bit of each blank: of the bytes that are zero once the blanks are cleared.
  const uint64_t unblank = bytes ^ 0x2020202020202020;
  const uint64_t blanks = ~(((unblank & kLow) + kLow) | unblank | kLow);
  if ((blanks & (blanks << 8)) != 0) return false;
  return (blanks >> 56) == 0 || (at + 8 < text.size() && PlainLength(text, at + 8) > 0);
}

// The end of the run of plain characters from `at` on, single blanks between them
// included: a blank that content follows is written as it stands.
size_t PlainRunEnd(std::string_view text, size_t at) {
  const size_t start = at;
  while (at < text.size()) {
    if (at + 8 <= text.size() && (at != start || text[at] != ' ') && IsPlainBlock(text, at)) {
      at += 8;
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

// Runs of plain characters go in whole; other blanks, characters to escape, broken
// bytes, non-breaking spaces and NUL one at a time.
void MarkdownInline::AppendText(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const size_t run = PlainRunEnd(text, at);
    if (run > at) {
      BeforeContent();
      text_.append(text.data() + at, run - at);
      at = run;
      continue;
    }
    const char c = text[at];
    if (IsHtmlSpace(c) || c == '\0') {
      spaceDue_ = spaceDue_ || c != '\0';
      ++at;
      continue;
    }
    if (static_cast<unsigned char>(c) >= 0x80) {
      const auto [codePoint, length] = CodePointAt(text, at);
      if (codePoint == 0xA0) {
        spaceDue_ = true;
      } else {
        BeforeContent();
        text_ += codePoint == 0xFFFD && length == 1 ? "\xEF\xBF\xBD" : text.substr(at, length);
      }
      at += length;
      continue;
    }
    BeforeContent();
    AppendEscapedCharacter(text_, c, at + 1 < text.size() ? text[at + 1] : '\0');
    ++at;
  }
}

void MarkdownInline::AppendCodeSpan(std::string_view code, bool inTableCell) {
  BeforeContent();
  qm::AppendCodeSpan(text_, code, inTableCell);
}

void MarkdownInline::AppendImage(std::string_view alt, std::string_view address) {
  BeforeContent();
  text_ += "![";
  AppendMarkdownEscaped(text_, alt);
  text_ += "](";
  AppendLinkDestination(text_, address);
  text_ += ')';
}

void MarkdownInline::BeforeContent() {
  if (!spaceDue_ && breaksDue_ == 0 && !opensDue_) return;
  if (!text_.empty()) {
    if (breaksDue_ > 0) {
      text_.append(static_cast<size_t>(breaksDue_), '\n');
    } else if (spaceDue_) {
      text_ += ' ';
    }
  }
  if (breaksDue_ > 0 || spaceDue_) closedJustNow_.clear();
  breaksDue_ = 0;
  spaceDue_ = false;
  opensDue_ = false;
  if (!closedJustNow_.empty()) GoOnWithTheClosed();
  for (OpenMark& mark : marks_) {
    if (mark.written) continue;
    if (ClosedJustNow(mark.kind)) {
      opensDue_ = true;
      break;
    }
    text_ += Opening(mark.kind);
    mark.written = true;
  }
  closedJustNow_.clear();
}

// The marks that closed last go on where the same marks open again in the same order:
// their delimiters would make one run with the new ones ("**a****b**"), which Markdown
// reads as text. A link goes on only as the link it was, so it never does.
void MarkdownInline::GoOnWithTheClosed() {
  for (OpenMark& mark : marks_) {
    if (mark.written) continue;
    if (closedJustNow_.empty() || closedJustNow_.back().kind != mark.kind ||
        mark.kind == Marker::Link) {
      return;
    }
    text_.resize(closedJustNow_.back().at);
    closedJustNow_.pop_back();
    mark.written = true;
  }
}

// A mark that closed right before and cannot go on (another mark closed after it) opens
// with the content after this one, for the same reason. The marks inside it wait with
// it, so that they stay inside.
bool MarkdownInline::ClosedJustNow(Marker kind) const {
  if (kind == Marker::Link) return false;
  return std::any_of(closedJustNow_.begin(), closedJustNow_.end(),
                     [kind](const ClosedMark& closed) { return closed.kind == kind; });
}

void MarkdownInline::WriteClosing(OpenMark& mark) {
  if (!mark.written) return;
  closedJustNow_.push_back({mark.kind, text_.size()});
  if (mark.kind == Marker::Link) {
    text_.append("](").append(linkDestination_).append(")");
  } else {
    text_ += Opening(mark.kind);
  }
  mark.written = false;
  opensDue_ = true;
}

bool MarkdownInline::OpenMarker(Marker kind) {
  for (const OpenMark& mark : marks_) {
    if (mark.kind == kind) return false;
  }
  marks_.push_back({kind});
  opensDue_ = true;
  return true;
}

bool MarkdownInline::OpenLink(std::string_view address) {
  if (!OpenMarker(Marker::Link)) return false;
  linkDestination_.clear();
  AppendLinkDestination(linkDestination_, address);
  return true;
}

void MarkdownInline::CloseMarker(Marker kind) {
  size_t closing = marks_.size();
  while (closing-- > 0 && marks_[closing].kind != kind) {
  }
  if (closing >= marks_.size()) return;
  for (size_t i = marks_.size(); i-- > closing;) WriteClosing(marks_[i]);
  marks_.erase(marks_.begin() + static_cast<std::ptrdiff_t>(closing));
}

void MarkdownInline::EndBlock() {
  for (auto mark = marks_.rbegin(); mark != marks_.rend(); ++mark) WriteClosing(*mark);
  closedJustNow_.clear();
  spaceDue_ = false;
  breaksDue_ = 0;
}

}  // namespace qm
