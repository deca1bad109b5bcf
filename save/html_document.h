#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "clipboard/copied_text.h"

namespace qm {

// The five colours of the BODY start tag, each "#RRGGBB" as the options hold them.
struct HtmlColours {
  std::string text;
  std::string background;
  std::string link;
  std::string activeLink;
  std::string visitedLink;
};

// What a document holds besides the clipboard text.
struct HtmlDocumentParts {
  std::string title;  // the file name without folder and extension
  HtmlColours colours;
  std::optional<std::string> dateTimeText;     // set when the action adds the date
  std::optional<std::string> address;          // set when the action adds the address
  std::optional<std::string> separator;        // set for the same-file method
  std::vector<ForeignCharacter> titleForeign;  // the title's characters the code page lacks
};

// A document as it is written: this writer's header, the old body when an existing
// document is extended (followed by a line end), and the entry (date, converted text,
// address, separator block) with the closing tags. The old body stays a part of the
// document that was read: a large document is written without a copy of it.
struct HtmlDocumentPieces {
  std::string header;
  std::optional<std::string_view> oldBody;
  std::string entry;

  std::array<std::string_view, 4> InOrder() const;
  std::string Whole() const;
};

// A new document of a copied text; extending one sets its old body. Copied text, the
// title and the address are escaped; the date and the separator come from the system and
// the user's options and are written as they are. `foreign` lists the characters of the
// clipboard text that the code page lacks (see StandIns); they are written as character
// references, so the document stays an ANSI file.
HtmlDocumentPieces HtmlDocument(std::string_view clipboardText, const HtmlDocumentParts& parts,
                                std::span<const ForeignCharacter> foreign = {});

// What an existing document keeps when it is extended: the document without its first
// "</body>" and then its first "</html>" (in any case), without the header this writer
// puts at its top, and without blanks at either end. A document that does not begin
// with this writer's header is kept whole apart from those two closing tags, so nothing
// of a document written by another program is lost. The closing tags are removed from
// `document` itself and the old body is a part of it: a large document is not copied.
std::string_view OldBody(std::string& document);

// Whether a document declares itself UTF-8 where browsers look for it: a <meta> in its
// first 1024 bytes whose "charset" (of its own or in "content") is "utf-8" or "utf8".
bool DeclaresUtf8(std::string_view document);

}  // namespace qm
