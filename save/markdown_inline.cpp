#include "save/markdown_inline.h"

#include <algorithm>
#include <cstdint>

#include "save/delimiter_sides.h"
#include "save/markdown_text.h"
#include "save/plain_runs.h"

namespace qm {

namespace {

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

}  // namespace

// Runs of plain characters go in whole; other blanks, characters to escape, broken
// bytes, non-breaking spaces and NUL one at a time.
void MarkdownInline::AppendText(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const size_t run = PlainRunEnd<uintptr_t>(text, at);
    if (run > at) {
      const size_t end = BeforeContent(text, at) ? PunctuationEnd(text, at, run) : run;
      text_.append(text.data() + at, end - at);
      at = end;
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
        BeforeContent(text, at);
        text_ += codePoint == 0xFFFD && length == 1 ? "\xEF\xBF\xBD" : text.substr(at, length);
      }
      at += length;
      continue;
    }
    BeforeContent(text, at);
    AppendEscapedCharacter(text_, c, at + 1 < text.size() ? text[at + 1] : '\0');
    ++at;
  }
}

// Two code spans side by side would read as one with stray backticks ("`a``b`"): they
// become one, which shows the same.
void MarkdownInline::AppendCodeSpan(std::string_view code, bool inTableCell) {
  BeforeContent("`", 0);
  if (atom_.code && atom_.end == text_.size()) {
    text_.resize(atom_.at);
    code_ += code;
  } else {
    code_ = code;
    BeginAtom(true);
  }
  qm::AppendCodeSpan(text_, code_, inTableCell);
  EndAtom();
}

void MarkdownInline::AppendImage(std::string_view alt, std::string_view address) {
  BeforeContent("!", 0);
  BeginAtom(false);
  text_ += "![";
  AppendMarkdownEscaped(text_, alt);
  text_ += "](";
  AppendLinkDestination(text_, address);
  text_ += ')';
  EndAtom();
}

void MarkdownInline::BeginAtom(bool code) {
  atom_ = {text_.size(), std::string::npos, textFrom_, opensAtTextFrom_, openedFrom_, code};
}

void MarkdownInline::EndAtom() {
  atom_.end = text_.size();
  TextFollows(false);
}

bool MarkdownInline::BeforeContent(std::string_view content, size_t at) {
  if (!spaceDue_ && breaksDue_ == 0 && !opensDue_) return false;
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
  if (!closedJustNow_.empty() && CharacterAt(content, at) == Beside::Word) {
    CloseBeforeTheLastPunctuation();
  }
  OpenTheLinkFirst();
  bool opened = false;
  bool waits = false;
  size_t openingsFrom = text_.size();
  for (OpenMark& mark : marks_) {
    if (mark.written) continue;
    // A mark that closed right before and cannot go on (another mark closed after it)
    // opens with the content after this one, for the same reason. The marks inside it
    // wait with it, so that they stay inside.
    if (ClosedJustNow(mark.kind)) {
      opensDue_ = true;
      break;
    }
    if (!opened && MarksWaitForAWord(mark, content, at)) {
      opensDue_ = waits = true;
      break;
    }
    if (mark.kind == Marker::Link) EscapeTheBangBeforeALink();
    if (!opened) openingsFrom = text_.size();
    if (mark.kind == Marker::Link) {
      linkAt_ = text_.size();
      linkOpeningsFrom_ = openingsFrom;
    }
    text_ += Opening(mark.kind);
    mark.written = opened = true;
  }
  closedJustNow_.clear();
  TextFollows(opened, openingsFrom);
  return waits;
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

// Only the closings after the last link's "](…)" make one run with what opens now.
bool MarkdownInline::ClosedJustNow(Marker kind) const {
  for (auto closed = closedJustNow_.rbegin();
       closed != closedJustNow_.rend() && closed->kind != Marker::Link; ++closed) {
    if (closed->kind == kind) return true;
  }
  return false;
}

// Closing marks right after punctuation and right before a word close nothing; they go
// before the last character of that punctuation, unless that is the marks' only text.
void MarkdownInline::CloseBeforeTheLastPunctuation() {
  // A link's own ")" stands before the rest.
  if (closedJustNow_.front().kind == Marker::Link) return CloseAroundTheLink();
  if (std::any_of(closedJustNow_.begin(), closedJustNow_.end(),
                  [](const ClosedMark& closed) { return closed.kind == Marker::Link; })) {
    return;
  }
  const size_t closings = closedJustNow_.front().at;
  if (CharacterBefore(text_, closings) != Beside::Punctuation) return;
  // What the closings follow: a code span or an image whole, else the last character,
  // and where the text since the last mark starts before it.
  const bool afterAtom = atom_.end == closings;
  const size_t last = afterAtom ? atom_.at : EscapedCharacterStart(closings);
  const size_t from = afterAtom ? atom_.textFrom : textFrom_;
  const bool opensAtFrom = afterAtom ? atom_.opensAtTextFrom : opensAtTextFrom_;
  const size_t openedFrom = afterAtom ? atom_.openedFrom : openedFrom_;
  if (afterAtom) atom_.end = std::string::npos;  // it moves now
  if (last == from && opensAtFrom) return DropTheClosedMarks(closings, from, openedFrom);
  // After a blank they would close nothing either: they go before it, where a blank
  // follows them. The blank may start the text since the last mark, as content came
  // after it.
  const size_t to = BeforeABlank(last);
  const bool blankStartsTheText = to != last && last == from && !opensAtFrom;
  if ((to < from && !blankStartsTheText) || (to == from && opensAtFrom)) return;
  MoveTheEndTo(to, closings);
}

// Where a blank that ends before `at` starts, else `at`.
size_t MarkdownInline::BeforeABlank(size_t at) const {
  return CharacterBefore(text_, at) == Beside::Blank ? CharacterStart(text_, at) : at;
}

// Moves what stands from `from` to the end of the block to `to`, before what stood there.
void MarkdownInline::MoveTheEndTo(size_t to, size_t from) {
  std::rotate(At(to), At(from), text_.end());
}

// The openings of the marks closed just now from the `first` on, outermost first.
std::string MarkdownInline::OpeningsOfTheClosed(size_t first) const {
  std::string openings;
  for (size_t closed = closedJustNow_.size(); closed-- > first;) {
    openings += Opening(closedJustNow_[closed].kind);
  }
  return openings;
}

// Whether `openings` end at `at` as marks written from `openedFrom` on, not as text that
// looks like them (an escaped "\*").
bool MarkdownInline::OpenedRightBefore(std::string_view openings, size_t at,
                                       size_t openedFrom) const {
  return at >= openedFrom + openings.size() &&
         text_.compare(at - openings.size(), openings.size(), openings) == 0;
}

// A "!" right before a link's "[" would make the link an image.
void MarkdownInline::EscapeTheBangBeforeALink() {
  if (!text_.empty() && text_.back() == '!' &&
      EscapedCharacterStart(text_.size()) == text_.size() - 1) {
    text_.insert(text_.size() - 1, 1, '\\');
  }
}

// Marks around a single punctuation character, a code span or an image that a word
// follows can neither close after it nor before it: they are dropped, when they opened
// right before it, and their text stays ("Wort !weiter"). Marks that opened earlier keep
// their stars.
void MarkdownInline::DropTheClosedMarks(size_t closings, size_t contentFrom, size_t openedFrom) {
  const std::string openings = OpeningsOfTheClosed(0);
  if (!OpenedRightBefore(openings, contentFrom, openedFrom)) return;
  text_.resize(closings);
  text_.erase(contentFrom - openings.size(), openings.size());
}

// Emphasis that closes after a link's ")" closes nothing where a word follows. Around a
// whole link it goes inside, around the link's text ("[**x**](u)y"), which shows the
// same; opened before the link, it closes before the link ("**Fett** [Link](u)weiter"),
// which leaves the link plain.
void MarkdownInline::CloseAroundTheLink() {
  const std::string openings = OpeningsOfTheClosed(1);
  if (openings.empty()) return;
  const size_t closings = closedJustNow_[1].at;
  if (OpenedRightBefore(openings, linkAt_, linkOpeningsFrom_)) {
    // "O[T](D)C" becomes "[OTC](D)": the closings before "](", the openings after "[".
    MoveTheEndTo(closedJustNow_.front().at, closings);
    std::rotate(At(linkAt_ - openings.size()), At(linkAt_), At(linkAt_ + 1));
    return;
  }
  // Text stands between the openings and the link: the closings follow it, before a
  // blank in front of the link.
  MoveTheEndTo(BeforeABlank(linkAt_), closings);
  atom_.end = std::string::npos;
}

// Where the character that ends at `end` starts, with the backslash that escapes it.
size_t MarkdownInline::EscapedCharacterStart(size_t end) const {
  const size_t start = CharacterStart(text_, end);
  size_t backslashes = 0;
  while (backslashes < start && text_[start - backslashes - 1] == '\\') ++backslashes;
  return backslashes % 2 == 1 ? start - 1 : start;
}

// Whether the opening of `first`, the first of the marks that open now, would follow a
// word: what stands before it is the text before the delimiters of its own kind that end
// the block, as a closing mark of the same character makes one run with it.
bool MarkdownInline::GluedToAWord(const OpenMark& first) const {
  if (first.kind == Marker::Link) return false;
  const char delimiter = Opening(first.kind).front();
  size_t end = text_.size();
  while (end > 0 && text_[end - 1] == delimiter) --end;
  return CharacterBefore(text_, end) == Beside::Word;
}

// Opening marks right after a word and right before punctuation open nothing; the first
// of the marks that open now tells, as the others follow it in one run.
bool MarkdownInline::MarksWaitForAWord(const OpenMark& first, std::string_view content,
                                       size_t at) const {
  return CharacterAt(content, at) == Beside::Punctuation && GluedToAWord(first);
}

// Emphasis that opens with a link right after a word would be followed by the link's
// "[" and open nothing: the link opens first, with the emphasis inside ("Wort[**x**](u)"),
// which shows the same.
void MarkdownInline::OpenTheLinkFirst() {
  const auto unwritten = [](const OpenMark& mark) { return !mark.written; };
  const auto first = std::find_if(marks_.begin(), marks_.end(), unwritten);
  if (first == marks_.end() || !GluedToAWord(*first)) return;
  const auto link = std::find_if(first, marks_.end(),
                                 [](const OpenMark& mark) { return mark.kind == Marker::Link; });
  if (link != marks_.end() && std::all_of(first, link, unwritten)) {
    std::rotate(first, link, link + 1);
  }
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
  atom_.end = std::string::npos;
  for (auto mark = marks_.rbegin(); mark != marks_.rend(); ++mark) WriteClosing(*mark);
  closedJustNow_.clear();
  spaceDue_ = false;
  breaksDue_ = 0;
  textFrom_ = 0;
  opensAtTextFrom_ = false;
}

}  // namespace qm
