#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qm {

// How a table cell's text is aligned, as far as Markdown can show it.
enum class TextAlign : uint8_t { Unstated, Left, Center, Right };

// "left", "center" or "right" in any case; any other value states nothing Markdown can
// show, so the cell takes its row's or its table's alignment.
TextAlign AlignOf(std::string_view value);

// What an element's inline style says of how its text shows. Online editors and mail
// programs write emphasis so rather than with <b> and <i>; Google Docs does it for all
// of its text and wraps a whole copy in a <b> of normal weight. Word hides a list's
// bullet so, and pages hide what a reader does not see (Wikipedia its formulas' MathML).
struct InlineStyle {
  std::optional<bool> bold;  // set where the style gives a weight
  bool italic = false;
  bool strike = false;
  bool displayNone = false;
  bool invisible = false;   // "visibility: hidden" or "collapse"
  bool listMarker = false;  // Word's "mso-list: Ignore": a list paragraph's bullet or number
  TextAlign align = TextAlign::Unstated;

  bool Hidden() const { return displayNone || invisible; }
};

// Reads the declarations "font-weight", "font-style", "text-decoration",
// "text-decoration-line", "display", "visibility", "mso-list" and "text-align" in any
// case, with or without "!important"; the last one of a name that a browser would take
// counts, as there.
InlineStyle StyleOf(std::string_view style);

}  // namespace qm
