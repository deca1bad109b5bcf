#include <algorithm>

#include "save/byte_search.h"
#include "save/inline_style.h"
#include "save/note_converter.h"

namespace qm::note {

namespace {

// The number an attribute starts with, or `none` when it starts with no digit.
long long NumberOf(std::string_view value, long long none) {
  long long number = 0;
  size_t digits = 0;
  for (const char c : value) {
    if (c < '0' || c > '9' || ++digits > 9) break;
    number = number * 10 + (c - '0');
  }
  return digits == 0 ? none : number;
}

}  // namespace

void Converter::EndBlock() {
  if (InCell()) return inline_.Space();
  inline_.EndBlock();
  std::string& block = inline_.Block();
  if (block.empty()) return;
  taskBoxDue_ = false;
  if (heading_ > 0) {
    WriteHeading(block);
  } else {
    WriteParagraph(block);
  }
  block.clear();
  lines_.EndBlock();
}

void Converter::WriteHeading(std::string& block) {
  for (char& c : block) {
    if (c == '\n') c = ' ';
  }
  // A heading's closing "#"s would be dropped: the last one is escaped.
  if (block.back() == '#') block.insert(block.size() - 1, 1, '\\');
  lines_.Line(std::string(static_cast<size_t>(heading_), '#') + " " + block);
}

void Converter::WriteParagraph(std::string& block) {
  if (FindByte(block, '\n') == std::string::npos) {
    EscapeLineStart(block);
    return lines_.Line(block);
  }
  size_t start = 0;
  while (start <= block.size()) {
    const size_t end = std::min(FindByte(block, '\n', start), block.size());
    std::string piece = block.substr(start, end - start);
    EscapeLineStart(piece);
    if (end < block.size()) piece += '\\';
    lines_.Line(piece);
    start = end + 1;
  }
}

void Converter::WriteCodeBlock() {
  std::string_view code = code_;
  if (code.starts_with('\n')) code.remove_prefix(1);
  while (code.ends_with('\n')) code.remove_suffix(1);
  if (!code.empty()) lines_.CodeBlock(code, language_);
}

void Converter::BeginQuote(Entry& entry) {
  EndBlock();
  if (InCell() || !lines_.CanNest()) return;
  lines_.EndBlock();
  endedList_.reset();
  lines_.OpenContainer("> ", "> ");
  entry.container = true;
}

void Converter::BeginList(const TagOf& tag, Entry& entry) {
  EndBlock();
  if (InCell()) return;
  OpenList(tag.ordered, NumberOf(token_.Attribute("start"), 1));
  entry.container = true;  // the list's state, not a line prefix
}

void Converter::OpenList(bool ordered, long long start) {
  lines_.EndBlock();
  // Right under an item's text a list stays tight; an ordered list not starting at 1
  // cannot follow a line of text without a blank line.
  if (!lists_.empty() && (!ordered || start == 1)) lines_.Adjoin();
  lists_.push_back({ordered, start, TakesTheOtherDelimiter(ordered)});
}

// Two lists of a kind one right after the other are one list to a Markdown reader,
// which would number the second's items on from the first's: the second takes the
// other delimiter.
bool Converter::TakesTheOtherDelimiter(bool ordered) const {
  const bool rightAfterItsKind = endedList_ && endedList_->written == lines_.Written() &&
                                 endedList_->depth == lists_.size() &&
                                 endedList_->ordered == ordered;
  return rightAfterItsKind && !endedList_->otherDelimiter;
}

void Converter::EndList() {
  EndBlock();
  const ListState ended = lists_.back();
  lists_.pop_back();
  endedList_ = EndedList{lines_.Written(), lists_.size(), ended.ordered, ended.otherDelimiter};
  lines_.EndBlock();
}

void Converter::BeginItem(Entry& entry) {
  EndBlock();
  if (InCell() || !lines_.CanNest()) return;
  OpenItem();
  entry.container = true;
}

void Converter::OpenItem() {
  endedList_.reset();
  std::string marker = "- ";
  if (!lists_.empty()) {
    ListState& list = lists_.back();
    if (list.hasItem) lines_.Adjoin();
    list.hasItem = true;
    marker = list.Marker();
  }
  lines_.OpenContainer(marker, std::string(marker.size(), ' '));
  taskBoxDue_ = true;
}

void Converter::BeginHeading(const TagOf& tag, Entry& entry) {
  EndBlock();
  entry.outerHeading = heading_;
  if (!InCell()) heading_ = tag.level;
}

void Converter::BeginTable(Entry& entry) {
  EndBlock();
  if (InCell() || tableOpen_) return;
  tableOpen_ = true;
  table_.Clear();
  // A table's "align" places the table itself; only its style aligns the text.
  tableAlign_ = StatedAlign(false);
  rowAlign_ = tableAlign_;
  entry.container = true;
}

void Converter::BeginRow(Entry& entry) {
  if (!tableOpen_ || InCell()) return EndBlock();
  table_.NewRow();
  rowAlign_ = InnerAlign(StatedAlign(true), tableAlign_);
  entry.container = true;
}

// What the element's style, or else its attribute "align", says of its text's alignment.
TextAlign Converter::StatedAlign(bool byAttribute) const {
  const std::string_view style = token_.Attribute("style");
  const TextAlign styled = style.empty() ? TextAlign::Unstated : StyleOf(style).align;
  if (styled != TextAlign::Unstated || !byAttribute) return styled;
  return AlignOf(token_.Attribute("align"));
}

void Converter::BeginCell(Entry& entry) {
  if (!tableOpen_ || InCell()) return EndBlock();
  EndBlock();
  if (table_.rowStarts.empty()) table_.NewRow();
  // As browsers read them: colspan from 1 to 1000, rowspan 0 down to its row group's end.
  cellColumns_ =
      static_cast<size_t>(std::clamp(NumberOf(token_.Attribute("colspan"), 1), 1LL, 1000LL));
  cellRows_ = static_cast<size_t>(NumberOf(token_.Attribute("rowspan"), 1));
  cellAlign_ = InnerAlign(StatedAlign(true), rowAlign_);
  cellAlignedByBlock_ = false;
  cellOpen_ = true;
  entry.container = true;
}

void Converter::EndCell() {
  inline_.EndBlock();
  std::string& cell = inline_.Block();
  for (char& c : cell) {
    if (c == '\n') c = ' ';
  }
  table_.cells.push_back({cell, cellColumns_, cellRows_, cellAlign_});
  cell.clear();
  cellOpen_ = false;
}

void Converter::EndTable() {
  if (cellOpen_) EndCell();
  tableOpen_ = false;
  lines_.Table(table_);
  table_.Clear();
}

}  // namespace qm::note
