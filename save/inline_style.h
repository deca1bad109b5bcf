#pragma once

#include <optional>
#include <string_view>

namespace qm {

// What an element's inline style says of the emphasis of its text. Online editors and
// mail programs write emphasis so rather than with <b> and <i>; Google Docs does it for
// all of its text and wraps a whole copy in a <b> of normal weight.
struct StyledEmphasis {
  std::optional<bool> bold;  // set where the style gives a weight
  bool italic = false;
  bool strike = false;
};

// Reads the declarations "font-weight", "font-style", "text-decoration" and
// "text-decoration-line" in any case, with or without "!important"; the last one of a
// name that a browser would take counts, as there.
StyledEmphasis EmphasisOfStyle(std::string_view style);

}  // namespace qm
