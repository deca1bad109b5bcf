#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

// The clipboard's text as one save reads it, once: in the code page when the code page
// holds every character of it, else in UTF-8, the form a text file then takes. Nearly
// every text is of the first kind and pays nothing for the second. The text is seen
// where it lies: in the clipboard's own memory while the save holds the clipboard open,
// or in a KeptText.
struct CopiedText {
  std::string_view ansi;  // the text, when the code page holds it whole
  std::string_view utf8;  // otherwise the text, and `ansi` is empty

  bool InCodePage() const { return utf8.empty(); }
  bool Empty() const { return ansi.empty() && utf8.empty(); }
  bool operator==(const CopiedText&) const = default;
};

// A copied text that the program holds itself.
struct KeptText {
  std::string ansi;
  std::string utf8;

  CopiedText View() const { return {ansi, utf8}; }
};

// The copied text from the clipboard's UTF-16, converted where it lies: no copy of the
// UTF-16 itself is made.
KeptText KeptTextOfUtf16(std::u16string_view wide);

// A character of a copied text that the code page lacks (a Polish or Cyrillic letter,
// an arrow, an emoji): the place of its stand-in "?" in the ANSI form, and the
// character itself.
struct ForeignCharacter {
  size_t at;
  char32_t codePoint;

  bool operator==(const ForeignCharacter&) const = default;
};

// A UTF-8 text in the code page with a "?" for each character the code page lacks, and
// those characters listed, in the order of `at`: the HTML writer writes them as they
// were copied, and the document stays an ANSI file.
struct StandIns {
  std::string ansi;
  std::vector<ForeignCharacter> foreign;

  bool operator==(const StandIns&) const = default;
};
StandIns AnsiWithStandIns(std::string_view utf8);

}  // namespace qm
