#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// Raised or lowered text: "m<sup>2</sup>", "H<sub>2</sub>O", "10<sup>−6</sup>".
enum class Script { None, Super, Sub };

// `text` in Unicode's raised or lowered letters (m², H₂O, 10⁻⁶), since Markdown has no
// such text and the plain letters read as another number ("106"); nothing when any of its
// characters has no such letter (a footnote's "[1]", the "st" of "1st"), which then stays
// as written, and for Script::None. Blanks and line ends stay as they are.
std::optional<std::string> ScriptLettersOf(std::string_view text, Script script);

}  // namespace qm
