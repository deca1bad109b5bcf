#pragma once

#include <span>
#include <string>
#include <string_view>

#include "clipboard/copied_text.h"

namespace qm {

// Appends `text` with &, <, > and " written as entities: copied text stays text, in the
// document and inside an attribute value, and can never close a tag of ours.
void AppendEscaped(std::string& out, std::string_view text);
// The same with a numeric character reference ("&#322;") in place of each "?" of `text`
// that stands for one of the characters the code page lacks.
void AppendEscaped(std::string& out, std::string_view text,
                   std::span<const ForeignCharacter> foreign);

// The characters of a copied text that the code page lacks, found again by their place
// in any part of that text.
class ForeignCharacters {
 public:
  ForeignCharacters() = default;
  ForeignCharacters(std::string_view text, std::span<const ForeignCharacter> characters)
      : text_(text.data()), characters_(characters) {}

  bool Empty() const { return characters_.empty(); }
  // Those that stand in `part`, a part of the text.
  std::span<const ForeignCharacter> In(std::string_view part) const;
  // Where `part` starts in the text.
  size_t PlaceOf(std::string_view part) const { return static_cast<size_t>(part.data() - text_); }

 private:
  const char* text_ = nullptr;
  std::span<const ForeignCharacter> characters_;
};

// Appends one line of clipboard text as the document shows it. Every word that holds
// "http" (exactly so, lower case) becomes a link opening a new window, from "http" to
// the next blank; characters below '/' that end such a word go back to the text after
// the link, and each link leaves one blank at the end of the line. The search runs on
// the copied characters, the escaping on what is written, so links keep their shape
// whatever characters they hold. The characters that the code page lacks are written
// as numeric character references ("&#322;"), in the text and in links alike.
void AppendConvertedLine(std::string& out, std::string_view line,
                         const ForeignCharacters& foreign = {});

// Appends every line of the clipboard text, converted and followed by "<BR>" CR LF.
// Lines end at CR LF only; a text that ends with CR LF has one more, empty line.
void AppendConvertedLines(std::string& out, std::string_view text,
                          std::span<const ForeignCharacter> foreign = {});

}  // namespace qm
