#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "save/table_cells.h"

namespace qm {

// The lines of a Markdown note, each with the marks of the block quotes and list items
// it stands in: a list item's marker on its first line, its indentation on the others.
// Blocks are kept apart by a blank line, unless told to adjoin.
class MarkdownLines {
 public:
  // Deeper quotes and lists are not marked: their text goes on at this depth, so that no
  // line of a note carries more than a bounded prefix.
  static constexpr size_t kDeepestContainer = 16;

  bool CanNest() const { return depth_ < kDeepestContainer; }
  void OpenContainer(std::string_view firstLine, std::string_view otherLines);
  void CloseContainer();

  // One line of a block; the first line of a block follows a blank line when a block
  // came before.
  void Line(std::string_view content);
  // A fenced code block of `code` (lines ending with '\n' apart from the last).
  void CodeBlock(std::string_view code, std::string_view language);
  // A pipe table; its first row that has cells is its header.
  void Table(const TableCells& table);

  // The block is complete: the next one is set apart by a blank line.
  void EndBlock() { blankDue_ = written_; }
  // The next block follows without a blank line (the items of a tight list).
  void Adjoin() { blankDue_ = false; }

  // How long the note is so far.
  size_t Written() const { return text_.size(); }

  // Room for a note of about `size` bytes, so that a long one is not moved as it grows.
  void Reserve(size_t size) { text_.reserve(size); }
  std::string Take() { return std::move(text_); }

 private:
  struct Container {
    std::string firstLine;
    std::string otherLines;
    bool started = false;
  };

  void Prefix(bool blank);
  void BlankLineIfDue();
  // A line's prefix, then its end; its content is written between them.
  void BeginLine();
  void EndLine();

  std::string text_;
  std::vector<Container> containers_;
  size_t depth_ = 0;  // the containers open, the first of containers_
  bool blankDue_ = false;
  // A block that a blank line must set apart came before: a line since the last container
  // opened, any line once it closed.
  bool written_ = false;
};

}  // namespace qm
