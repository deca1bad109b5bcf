#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// One attribute of a start tag, its value as written (references not yet decoded).
struct HtmlAttribute {
  std::string_view name;
  std::string_view value;
};

// A tag's name of up to 16 bytes as two words, so that a table of names is searched by
// comparing words instead of strings; a longer name packs to zero, which no name is.
struct PackedName {
  uint64_t low = 0;
  uint64_t high = 0;
  bool operator==(const PackedName&) const = default;
};

// A name in lower case packed as the tokenizer packs the names it reads, for tables of
// names made at compile time.
constexpr PackedName PackedNameOf(std::string_view name) {
  if (name.size() > sizeof(PackedName)) return {};
  std::array<char, sizeof(PackedName)> bytes{};
  for (size_t i = 0; i < name.size(); ++i) bytes[i] = name[i];
  return std::bit_cast<PackedName>(bytes);
}

struct HtmlToken {
  enum class Kind { Text, StartTag, EndTag };
  Kind kind = Kind::Text;
  std::string_view text;  // Text: as written, references not yet decoded
  std::string_view name;  // tags: the name in lower case, valid up to the next token
  PackedName packedName;  // tags: the name in lower case, packed
  std::vector<HtmlAttribute> attributes;
  bool selfClosing = false;

  // The value of the attribute `lowerName` (names compared without regard to case), as
  // written; empty when the tag has none.
  std::string_view Attribute(std::string_view lowerName) const;
  // Whether the tag has the attribute, with a value or without one ("checked").
  bool HasAttribute(std::string_view lowerName) const;

 private:
  const HtmlAttribute* Find(std::string_view lowerName) const;
};

// Splits HTML into text and tags in one pass, the way a browser reads a page it was
// given: comments, declarations (<!DOCTYPE>, office's <![if ...]>) and processing
// instructions are skipped; the content of <script>, <style>, <title>, <textarea> and
// <xml> is text up to its own end tag, never tags; a tag that the input ends inside is
// dropped; a "<" that starts no tag is text. Never looks back, so the cost is linear in
// the input whatever it holds.
class HtmlTokenizer {
 public:
  explicit HtmlTokenizer(std::string_view html) : html_(html) {}
  // The next token into `token` (reused, so that a long input costs no allocation per
  // tag); false at the end.
  bool Next(HtmlToken& token);

 private:
  void TagName(HtmlToken& token);
  bool Tag(HtmlToken& token, HtmlToken::Kind kind);
  bool Text(HtmlToken& token, size_t end);
  bool Attributes(HtmlToken& token);
  bool RawText(HtmlToken& token);
  bool SkippedMarkup(char next);
  void SkipPast(std::string_view end);

  std::string_view html_;
  size_t at_ = 0;
  std::string lowerName_;   // a tag's name that was written with capitals
  std::string rawElement_;  // set while inside <script> and the like
};

// Appends `text` with its character references decoded ("&amp;", "&#228;", "&#xE4;",
// the common named ones); a reference that is broken or unknown stays as written. A
// numeric reference to nothing a page can show (zero, a surrogate, beyond U+10FFFF)
// becomes U+FFFD; 128 to 159 mean the letters of code page 1252, as browsers read them.
void AppendDecoded(std::string& out, std::string_view text);

}  // namespace qm
