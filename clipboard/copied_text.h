#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

// A character of the copied text that the ANSI code page lacks (a Polish or Cyrillic
// letter, an arrow, an emoji): the place of its stand-in "?" in the ANSI form, and the
// character itself.
struct ForeignCharacter {
  size_t at;
  char32_t codePoint;

  bool operator==(const ForeignCharacter&) const = default;
};

// The clipboard's text as one save reads it, once. Names, text files and everything
// else that is stored in the code page take the ANSI form; the HTML writer also knows
// which of its "?" stand for characters the code page lacks, and writes those as they
// were copied.
struct CopiedText {
  std::string ansi;
  std::vector<ForeignCharacter> foreign;  // in the order of `at`; empty for most texts

  bool operator==(const CopiedText&) const = default;
};

// The copied text from the clipboard's UTF-16. Each character the code page lacks
// becomes one "?" and is listed; a surrogate without its partner counts as U+FFFD.
CopiedText CopiedTextOfUtf16(std::u16string_view wide);

}  // namespace qm
