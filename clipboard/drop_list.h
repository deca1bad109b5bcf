#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// The file names of a file-drop list (CF_HDROP), as its DROPFILES block holds them:
// ANSI names, or UTF-16 names when its fWide is set.
struct DropList {
  bool wide = false;
  std::vector<std::string> ansiNames;
  std::vector<std::u16string> wideNames;

  size_t Count() const { return wide ? wideNames.size() : ansiNames.size(); }
};

// Reads the list from a copy of the whole memory block. Any program can put a drop
// list on the clipboard, so nothing in it is trusted: the header must fit, the names
// must start inside the block behind the header, and every name must end with its zero
// inside the block. A list that breaks any of this gives nothing. The list ends at an
// empty name or at the end of the block.
std::optional<DropList> ParseDropList(std::string_view block);

}  // namespace qm
