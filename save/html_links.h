#pragma once

#include <string>
#include <string_view>

namespace qm {

// Appends `text` with &, <, > and " written as entities: copied text stays text, in the
// document and inside an attribute value, and can never close a tag of ours.
void AppendEscaped(std::string& out, std::string_view text);

// Appends one line of clipboard text as the document shows it. Every word that holds
// "http" (exactly so, lower case) becomes a link opening a new window, from "http" to
// the next blank; characters below '/' that end such a word go back to the text after
// the link, and each link leaves one blank at the end of the line. The search runs on
// the copied characters, the escaping on what is written, so links keep their shape
// whatever characters they hold.
void AppendConvertedLine(std::string& out, std::string_view line);

// Appends every line of the clipboard text, converted and followed by "<BR>" CR LF.
// Lines end at CR LF only; a text that ends with CR LF has one more, empty line.
void AppendConvertedLines(std::string& out, std::string_view text);

}  // namespace qm
