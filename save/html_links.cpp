#include "save/html_links.h"

#include <array>

#include "save/text_entry.h"

namespace qm {

namespace {

constexpr std::string_view kLinkMark = "http";
constexpr std::string_view kMarkup = "&<>\"";
constexpr std::string_view kLineEnd = "<BR>\r\n";

// Which bytes are markup, looked up once per copied byte.
constexpr auto kIsMarkup = [] {
  std::array<bool, 256> table{};
  for (char c : kMarkup) table[static_cast<unsigned char>(c)] = true;
  return table;
}();

std::string_view Entity(char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    default:
      return "&quot;";
  }
}

// Blanks, punctuation and control characters at the end of a word belong to the
// sentence, not to the address.
bool EndsSentence(char c) { return static_cast<unsigned char>(c) < '/'; }

void AppendLink(std::string& out, std::string_view link) {
  out += "<a href=\"";
  AppendEscaped(out, link);
  out += "\" target=\"_blank\">";
  AppendEscaped(out, link);
  out += "</a>";
}

}  // namespace

void AppendEscaped(std::string& out, std::string_view text) {
  const char* plain = text.data();
  const char* const end = text.data() + text.size();
  for (const char* c = plain; c != end; ++c) {
    if (!kIsMarkup[static_cast<unsigned char>(*c)]) continue;
    out.append(plain, c).append(Entity(*c));
    plain = c + 1;
  }
  out.append(plain, end);
}

void AppendConvertedLine(std::string& out, std::string_view line) {
  size_t links = 0;
  for (size_t start = line.find(kLinkMark); start != std::string_view::npos;
       start = line.find(kLinkMark)) {
    std::string_view link = line.substr(start, line.find(' ', start) - start);
    // The word starts with "http", so trimming stops at its 'p' at the latest.
    while (EndsSentence(link.back())) link.remove_suffix(1);
    AppendEscaped(out, line.substr(0, start));
    AppendLink(out, link);
    line.remove_prefix(start + link.size());
    ++links;
  }
  AppendEscaped(out, line);
  out.append(links, ' ');
}

void AppendConvertedLines(std::string& out, std::string_view text) {
  for (;;) {
    const size_t end = text.find(kCrLf);
    AppendConvertedLine(out, text.substr(0, end));
    out += kLineEnd;
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + kCrLf.size());
  }
}

}  // namespace qm
