#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/utf8_text.h"

namespace qm {

inline bool IsHtmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Calls `take` with page text in pieces: a run of visible ASCII whole, and each other
// character alone: a blank or control character as it is, a well-formed sequence
// whole, a byte that starts none as U+FFFD, a non-breaking space as a blank, NUL not at
// all.
template <typename Take>
void ForEachShownPiece(std::string_view text, Take take) {
  const auto visible = [](char c) { return c > ' ' && c < 0x7F; };
  for (size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (visible(text[at])) {
      size_t end = at + 1;
      while (end < text.size() && visible(text[end])) ++end;
      take(text.substr(at, end - at));
      at = end;
      continue;
    }
    if (byte < 0x80) {
      if (byte != 0) take(text.substr(at, 1));
      ++at;
      continue;
    }
    const auto [codePoint, length] = CodePointAt(text, at);
    if (codePoint == 0xA0) {
      take(" ");
    } else if (codePoint == 0xFFFD && length == 1) {
      take("\xEF\xBF\xBD");
    } else {
      take(text.substr(at, length));
    }
    at += length;
  }
}

enum class Marker { Bold, Italic, Strike, Link };

// The Markdown text of the block being written, line breaks as '\n'. Page text comes in
// escaped and with its white space collapsed; blanks and line breaks are written once
// content follows them, after the marks that closed before them and before those that
// open with the content, so emphasis never begins or ends with a blank and a block
// never ends in a break. A mark whose element holds no content leaves no trace. Where
// emphasis meets a word on one side and punctuation on its own, the punctuation goes
// outside it ("Wort(**fett**)weiter"), as Markdown would show the stars otherwise.
class MarkdownInline {
 public:
  void AppendText(std::string_view text);
  // A code span of `code` as content (see AppendCodeSpan).
  void AppendCodeSpan(std::string_view code, bool inTableCell);
  // An image of the address, its alternative text escaped, as content.
  void AppendImage(std::string_view alt, std::string_view address);
  // Starts the block, which is empty still, with a task list item's box, "[x]" or "[ ]",
  // before any mark that waits for content; a blank follows it.
  void StartWithTaskBox(bool checked) {
    text_ = checked ? "[x]" : "[ ]";
    TextFollows(false);
    spaceDue_ = true;
  }
  void Space() { spaceDue_ = true; }
  void Break() {
    if (!text_.empty()) ++breaksDue_;
  }

  // Opens a mark of this kind, unless one is open already (then false: nested bold is
  // bold, a link inside a link its text).
  bool OpenMarker(Marker kind);
  // The same for a link to `address`.
  bool OpenLink(std::string_view address);
  // Closes the open mark of this kind, and the marks of those opened after it
  // (misnested tags): they open again with the next content.
  void CloseMarker(Marker kind);

  // The block ends here: its written marks are closed (they open again in the next
  // block), blanks and breaks still due are dropped. Block() is then complete.
  void EndBlock();
  std::string& Block() { return text_; }

 private:
  struct OpenMark {
    Marker kind;
    bool written = false;  // its opening mark stands in the current block
  };

  // A mark closed since the last content, blank or break, and where its closing starts.
  struct ClosedMark {
    Marker kind;
    size_t at;
  };

  // Writes what is due before the content that starts at `at` of `content`; true when
  // the marks due wait for it, as it starts with punctuation right after a word: only
  // that punctuation is to follow, then the marks open.
  bool BeforeContent(std::string_view content, size_t at);
  void GoOnWithTheClosed();
  void CloseBeforeTheLastPunctuation();
  void DropTheClosedMarks(size_t closings, size_t contentFrom, size_t openedFrom);
  void CloseAroundTheLink();
  size_t BeforeABlank(size_t at) const;
  void MoveTheEndTo(size_t to, size_t from);
  std::string OpeningsOfTheClosed(size_t first) const;
  bool OpenedRightBefore(std::string_view openings, size_t at, size_t openedFrom) const;
  std::string::iterator At(size_t position) {
    return text_.begin() + static_cast<std::ptrdiff_t>(position);
  }
  void EscapeTheBangBeforeALink();
  size_t EscapedCharacterStart(size_t end) const;
  bool GluedToAWord(const OpenMark& first) const;
  bool MarksWaitForAWord(const OpenMark& first, std::string_view content, size_t at) const;
  void OpenTheLinkFirst();
  bool ClosedJustNow(Marker kind) const;
  void WriteClosing(OpenMark& mark);
  void BeginAtom(bool code);
  void EndAtom();
  // Text starts here; with `afterOpenings`, right after the marks opened from
  // `openingsFrom` on.
  void TextFollows(bool afterOpenings, size_t openingsFrom = std::string::npos) {
    textFrom_ = text_.size();
    opensAtTextFrom_ = afterOpenings;
    openedFrom_ = afterOpenings ? openingsFrom : textFrom_;
  }

  std::string text_;
  bool spaceDue_ = false;
  int breaksDue_ = 0;
  std::vector<OpenMark> marks_;
  std::vector<ClosedMark> closedJustNow_;
  size_t textFrom_ = 0;           // where the text after the last mark, code span or image starts
  bool opensAtTextFrom_ = false;  // marks opened right before textFrom_
  size_t openedFrom_ = 0;         // where those marks' openings begin
  std::string linkDestination_;   // of the open link: there is one at most
  size_t linkAt_ = 0;             // where the last link's "[" was written
  size_t linkOpeningsFrom_ = 0;   // where the marks opened with it begin
  // The last code span or image of the block, which closing marks cannot go into, and
  // where the text before it started (textFrom_, opensAtTextFrom_ then).
  struct Atom {
    size_t at = 0;
    size_t end = std::string::npos;  // npos: none, or one that has moved since
    size_t textFrom = 0;
    bool opensAtTextFrom = false;
    size_t openedFrom = 0;
    bool code = false;
  };
  Atom atom_;
  std::string code_;       // the last code span's code
  bool opensDue_ = false;  // a mark waits for content to write its opening
};

}  // namespace qm
