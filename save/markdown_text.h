#pragma once

#include <string>
#include <string_view>

namespace qm {

// The characters that are escaped wherever they stand in text ("&" only where it could
// start a reference).
inline constexpr std::string_view kMarkdownSyntax = "\\*_[]`<~|";

// Appends one character of page text to Markdown so that it reads as itself: the
// characters that start emphasis, links, code, strike-through, table cells or raw HTML
// are escaped wherever they could. `out` ends with what precedes the character, `next`
// is the character after it, if known ('\0' otherwise): "&" is escaped only before
// what could make it a reference, "<" only before what could start a tag, "_" not
// between letters or digits.
void AppendEscapedCharacter(std::string& out, char c, char next);

// The same for a whole text.
void AppendMarkdownEscaped(std::string& out, std::string_view text);

// What only the start of a line makes syntax ("# ", "> ", "- ", "+ ", "1. ", "2) ", a
// setext underline of "=" or "-", a table's row of ":---") is escaped in `line`, which
// is Markdown text; "#tag" and "07.12.2026" stay as they are.
void EscapeLineStart(std::string& line);

// Appends `code` as a code span: fenced by one backtick more than its longest run, with
// a blank inside each fence where a backtick at its edge would join the fence. In a
// table cell "|" is escaped too, as the table reads it before the span.
void AppendCodeSpan(std::string& out, std::string_view code, bool inTableCell);

// The fence of a code block of `code`: three backticks, or one more than its longest
// run of backticks, so no line of the code can close it.
std::string CodeFence(std::string_view code);

// The language of a code block from a class attribute: "language-cpp", "lang-cpp",
// GitHub's "highlight-source-cpp", Sphinx's "highlight-cpp" or SyntaxHighlighter's
// "brush: cpp;" give "cpp"; only letters, digits and "+-#._" are kept. Empty when there
// is none.
std::string CodeLanguage(std::string_view classes);

// Appends an address as a link destination, plain ASCII: what would end it or break a
// table (blanks, control characters, "<", ">", "(", ")", "|", "\") and every byte
// outside ASCII percent-encoded.
void AppendLinkDestination(std::string& out, std::string_view address);

}  // namespace qm
