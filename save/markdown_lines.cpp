#include "save/markdown_lines.h"

namespace qm {

// The blank line before the container's first block stands outside it.
void MarkdownLines::OpenContainer(std::string firstLine, std::string otherLines) {
  BlankLineIfDue();
  containers_.push_back({std::move(firstLine), std::move(otherLines)});
}

void MarkdownLines::CloseContainer() { containers_.pop_back(); }

void MarkdownLines::Prefix(bool blank) {
  const size_t start = text_.size();
  for (Container& container : containers_) {
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

void MarkdownLines::Line(std::string_view content) {
  BlankLineIfDue();
  Prefix(false);
  text_ += content;
  if (content.empty()) {
    while (!text_.empty() && text_.back() == ' ') text_.pop_back();
  }
  text_ += "\r\n";
  written_ = true;
}

}  // namespace qm
