#pragma once

#include <cstddef>
#include <string_view>

namespace qm {

// What stands beside a run of emphasis delimiters ("**", "*", "~~"). Markdown lets a run
// open emphasis only where it is not glued to a word on its left while punctuation
// follows it, and close it only in the mirror case: "Wort**(fett)**weiter" shows its
// stars. The start and end of a text count as blanks.
enum class Beside { Blank, Punctuation, Word };

// The character that starts at `at`.
Beside CharacterAt(std::string_view text, size_t at);
// The character that ends at `end`, and where it starts.
Beside CharacterBefore(std::string_view text, size_t end);
size_t CharacterStart(std::string_view text, size_t end);
// Where the run of punctuation that starts at `at` ends, at `end` at most.
size_t PunctuationEnd(std::string_view text, size_t at, size_t end);

}  // namespace qm
