#include "save/markdown_text.h"

#include <algorithm>
#include <array>

#include "clipboard/source_url.h"
#include "save/byte_search.h"
#include "settings/ascii_text.h"

namespace qm {

namespace {

constexpr std::array<bool, 256> EscapedCharacters() {
  std::array<bool, 256> escaped{};
  for (const char c : kMarkdownSyntax) escaped[static_cast<unsigned char>(c)] = true;
  return escaped;
}
constexpr std::array<bool, 256> kEscaped = EscapedCharacters();

// Found run by run, since most code has few backticks or none.
size_t LongestBacktickRun(std::string_view text) {
  size_t longest = 0;
  for (size_t at = FindByte(text, '`'); at != std::string_view::npos;) {
    const size_t end = std::min(text.find_first_not_of('`', at), text.size());
    longest = std::max(longest, end - at);
    at = FindByte(text, '`', end);
  }
  return longest;
}

// Where the character needs no backslash although it is syntax elsewhere: an underscore
// between letters or digits ("snake_case") opens and closes no emphasis, and "<" starts
// raw HTML or an autolink only before a letter, "/", "!" or "?". Notes of code and
// formulas stay readable so.
bool IsLiteralHere(std::string_view out, char c, char next) {
  if (c == '_') return !out.empty() && IsAsciiAlphanumeric(out.back()) && IsAsciiAlphanumeric(next);
  if (c == '<') {
    return next != '\0' && !IsAsciiLetter(next) && next != '/' && next != '!' && next != '?';
  }
  return false;
}

}  // namespace

void AppendEscapedCharacter(std::string& out, char c, char next) {
  const bool escaped = kEscaped[static_cast<unsigned char>(c)]
                           ? !IsLiteralHere(out, c, next)
                           : c == '&' && (next == '\0' || next == '#' || IsAsciiAlphanumeric(next));
  if (escaped) out.push_back('\\');
  out.push_back(c);
}

void AppendMarkdownEscaped(std::string& out, std::string_view text) {
  for (size_t at = 0; at < text.size(); ++at) {
    AppendEscapedCharacter(out, text[at], at + 1 < text.size() ? text[at + 1] : '\0');
  }
}

void EscapeLineStart(std::string& line) {
  if (line.empty()) return;
  const char first = line[0];
  // A line of ":" and "-" would make the line above it a table's header.
  const bool tableDelimiters = first == ':' &&
                               line.find_first_not_of(":- \t") == std::string::npos &&
                               line.find('-') != std::string::npos;
  if (first == '>' || first == '-' || first == '+' || first == '=' || tableDelimiters) {
    line.insert(0, 1, '\\');
    return;
  }
  // "#hashtag" and "07.12.2026" are text: a heading's "#"s and an item's number are
  // followed by a blank or the end of the line.
  const auto endsMarker = [&line](size_t at) {
    return at >= line.size() || line[at] == ' ' || line[at] == '\t';
  };
  if (first == '#') {
    const size_t hashes = std::min(line.find_first_not_of('#'), line.size());
    if (hashes <= 6 && endsMarker(hashes)) line.insert(0, 1, '\\');
    return;
  }
  if (first < '0' || first > '9') return;  // most lines: no marker to look for
  const size_t digits = line.find_first_not_of("0123456789");
  if (digits != std::string::npos && (line[digits] == '.' || line[digits] == ')') &&
      endsMarker(digits + 1)) {
    line.insert(digits, 1, '\\');
  }
}

void AppendCodeSpan(std::string& out, std::string_view code, bool inTableCell) {
  const size_t fence = LongestBacktickRun(code) + 1;
  const bool padded =
      code.front() == '`' || code.back() == '`' || (code.front() == ' ' && code.back() == ' ');
  out.append(fence, '`');
  if (padded) out.push_back(' ');
  for (const char c : code) {
    if (inTableCell && c == '|') out.push_back('\\');
    out.push_back(c);
  }
  if (padded) out.push_back(' ');
  out.append(fence, '`');
}

std::string CodeFence(std::string_view code) {
  return std::string(std::max<size_t>(3, LongestBacktickRun(code) + 1), '`');
}

std::string CodeLanguage(std::string_view classes) {
  for (const std::string_view prefix :
       {"language-", "lang-", "highlight-source-", "highlight-", "brush:"}) {
    size_t at = classes.find(prefix);
    while (at != std::string_view::npos && at > 0 && classes[at - 1] != ' ') {
      at = classes.find(prefix, at + 1);
    }
    if (at == std::string_view::npos) continue;
    size_t from = at + prefix.size();
    // SyntaxHighlighter's "brush: js; gutter: false" may have a blank after its colon.
    if (prefix.ends_with(':'))
      from = std::min(classes.find_first_not_of(' ', from), classes.size());
    std::string language;
    for (size_t i = from; i < classes.size() && classes[i] != ' ' && classes[i] != ';'; ++i) {
      const char c = classes[i];
      if (IsAsciiAlphanumeric(c) || std::string_view("+-#._").find(c) != std::string_view::npos) {
        language.push_back(c);
      }
    }
    // Sphinx marks a block without a language of its own so.
    if (language == "default" || language == "none") return {};
    if (!language.empty()) return language;
  }
  return {};
}

void AppendLinkDestination(std::string& out, std::string_view address) {
  static constexpr AsciiSet kEnds = [] {
    AsciiSet ends{};
    for (int c = 0; c <= ' '; ++c) ends[static_cast<size_t>(c)] = true;
    for (const char c : std::string_view("<>()|\\\x7F")) ends[static_cast<unsigned char>(c)] = true;
    return ends;
  }();
  AppendPercentEncoded(out, address, &kEnds);
}

}  // namespace qm
