#include "save/markdown_lines.h"

#include <algorithm>

#include "save/byte_search.h"
#include "save/markdown_text.h"

namespace qm {

namespace {

// A cell of the row under the header, which aligns its column.
std::string_view Delimiter(TextAlign align) {
  switch (align) {
    case TextAlign::Left:
      return " :--- |";
    case TextAlign::Center:
      return " :---: |";
    case TextAlign::Right:
      return " ---: |";
    default:
      return " --- |";
  }
}

}  // namespace

// The blank line before the container's first block stands outside it.
// A closed container keeps its strings for the next one, so that a long list costs no
// strings made and dropped per item. They are cleared and appended to, which costs
// less than an assignment that must allow for its source lying inside the string.
void MarkdownLines::OpenContainer(std::string_view firstLine, std::string_view otherLines) {
  BlankLineIfDue();
  // What stood before is set apart now; a block that ends before the container holds a
  // line (a list opening right inside a quote) is no reason for a blank line in it.
  written_ = false;
  if (depth_ == containers_.size()) containers_.emplace_back();
  Container& container = containers_[depth_++];
  container.firstLine.clear();
  container.firstLine.append(firstLine);
  container.otherLines.clear();
  container.otherLines.append(otherLines);
  container.started = false;
}

// An empty item still stands between the blocks around it.
void MarkdownLines::CloseContainer() {
  --depth_;
  written_ = !text_.empty();
}

void MarkdownLines::Prefix(bool blank) {
  const size_t start = text_.size();
  for (size_t i = 0; i < depth_; ++i) {
    Container& container = containers_[i];
    text_ += container.started || blank ? container.otherLines : container.firstLine;
    if (!blank && !container.started) container.started = true;
  }
  if (blank) {
    while (text_.size() > start && text_.back() == ' ') text_.pop_back();
  }
}

void MarkdownLines::BlankLineIfDue() {
  if (blankDue_) {
    Prefix(true);
    text_ += "\r\n";
  }
  blankDue_ = false;
}

void MarkdownLines::BeginLine() {
  BlankLineIfDue();
  Prefix(false);
}

void MarkdownLines::EndLine() {
  text_ += "\r\n";
  written_ = true;
}

void MarkdownLines::Line(std::string_view content) {
  BeginLine();
  text_ += content;
  if (content.empty()) {
    while (!text_.empty() && text_.back() == ' ') text_.pop_back();
  }
  EndLine();
}

void MarkdownLines::CodeBlock(std::string_view code, std::string_view language) {
  const std::string fence = CodeFence(code);
  BeginLine();
  text_.append(fence).append(language);
  EndLine();
  size_t start = 0;
  while (start <= code.size()) {
    const size_t end = std::min(FindByte(code, '\n', start), code.size());
    Line(code.substr(start, end - start));
    start = end + 1;
  }
  Line(fence);
  EndBlock();
}

void MarkdownLines::Table(const TableCells& table) {
  const std::vector<size_t> at = CellColumns(table);
  size_t columns = 0;
  for (size_t cell = 0; cell < at.size(); ++cell) {
    columns = std::max(columns, SpanEnd(at[cell], table.cells[cell].columns));
  }
  if (columns == 0) return;
  // A Markdown table has no spans: the columns a cell spans, or that a cell above spans
  // into, are empty cells before the next cell of the row. Only the header needs every
  // column; a shorter row gets its empty cells from the reader, so a long table of short
  // rows does not grow by padding. The rows go into the note as they are made, none
  // needs a string of its own.
  bool header = true;
  for (size_t row = 0; row < table.rowStarts.size(); ++row) {
    if (table.rowStarts[row] == table.RowEnd(row)) continue;
    BeginLine();
    text_ += '|';
    size_t column = 0;
    for (size_t cell = table.rowStarts[row]; cell < table.RowEnd(row); ++cell) {
      for (; column < at[cell]; ++column) text_ += "  |";
      text_.append(" ").append(table.cells[cell].text).append(" |");
      ++column;
    }
    if (header) {
      for (; column < columns; ++column) text_ += "  |";
    }
    EndLine();
    if (header) {
      BeginLine();
      text_ += '|';
      for (const TextAlign align : ColumnAligns(table, at, columns)) text_ += Delimiter(align);
      EndLine();
    }
    header = false;
  }
  EndBlock();
}

}  // namespace qm
