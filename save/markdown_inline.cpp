#include "save/markdown_inline.h"

#include <array>

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

// The length of the character at `at` if it goes into the note as it stands, else 0:
// plain ASCII, or a well-formed sequence that is not a non-breaking space.
size_t PlainLength(std::string_view text, size_t at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  if (byte < 0x80) return kPlain[byte] ? 1 : 0;
  const auto [codePoint, length] = CodePointAt(text, at);
  const bool broken = codePoint == 0xFFFD && length == 1;
  return broken || codePoint == 0xA0 ? 0 : length;
}

// The end of the run of plain characters from `at` on, single blanks between them
// included: a blank that content follows is written as it stands.
size_t PlainRunEnd(std::string_view text, size_t at) {
  const size_t start = at;
  while (at < text.size()) {
    if (const size_t length = PlainLength(text, at)) {
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
  breaksDue_ = 0;
  spaceDue_ = false;
  opensDue_ = false;
  for (OpenMark& mark : marks_) {
    if (mark.written) continue;
    text_ += Opening(mark.kind);
    mark.written = true;
  }
}

void MarkdownInline::WriteClosing(OpenMark& mark) {
  if (!mark.written) return;
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
  spaceDue_ = false;
  breaksDue_ = 0;
}

}  // namespace qm
