#include "save/html_links.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

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

void AppendCharacterReference(std::string& out, char32_t codePoint) {
  char digits[8];
  const auto end =
      std::to_chars(digits, digits + sizeof digits, static_cast<uint32_t>(codePoint)).ptr;
  out.append("&#").append(digits, end).append(";");
}

// A part of the copied text: escaped, with a reference in place of each "?" that stands
// for a character the code page lacks.
void AppendCopied(std::string& out, std::string_view part, const ForeignCharacters& foreign) {
  const std::span<const ForeignCharacter> inPart = foreign.In(part);
  if (inPart.empty()) {
    AppendEscaped(out, part);
    return;
  }
  const size_t start = foreign.PlaceOf(part);
  size_t plain = 0;
  for (const ForeignCharacter& character : inPart) {
    AppendEscaped(out, part.substr(plain, character.at - start - plain));
    AppendCharacterReference(out, character.codePoint);
    plain = character.at - start + 1;
  }
  AppendEscaped(out, part.substr(plain));
}

// One line of copied text, its parts written by `appendText`: the plain escaping for a
// text the code page holds whole, so that such texts (nearly all) pay nothing for the
// rare others.
template <typename AppendText>
void ConvertLine(std::string& out, std::string_view line, AppendText appendText) {
  size_t links = 0;
  for (size_t start = line.find(kLinkMark); start != std::string_view::npos;
       start = line.find(kLinkMark)) {
    std::string_view link = line.substr(start, line.find(' ', start) - start);
    // The word starts with "http", so trimming stops at its 'p' at the latest.
    while (EndsSentence(link.back())) link.remove_suffix(1);
    appendText(out, line.substr(0, start));
    out += "<a href=\"";
    appendText(out, link);
    out += "\" target=\"_blank\">";
    appendText(out, link);
    out += "</a>";
    line.remove_prefix(start + link.size());
    ++links;
  }
  appendText(out, line);
  out.append(links, ' ');
}

template <typename AppendText>
void ConvertLines(std::string& out, std::string_view text, AppendText appendText) {
  for (;;) {
    const size_t end = text.find(kCrLf);
    ConvertLine(out, text.substr(0, end), appendText);
    out += kLineEnd;
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + kCrLf.size());
  }
}

// The writers of the parts of a text: escaped only, or also with references for the
// characters the code page lacks.
constexpr auto kEscaped = [](std::string& out, std::string_view part) { AppendEscaped(out, part); };

auto WithReferences(const ForeignCharacters& foreign) {
  return [&foreign](std::string& out, std::string_view part) { AppendCopied(out, part, foreign); };
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

void AppendEscaped(std::string& out, std::string_view text,
                   std::span<const ForeignCharacter> foreign) {
  AppendCopied(out, text, ForeignCharacters(text, foreign));
}

std::span<const ForeignCharacter> ForeignCharacters::In(std::string_view part) const {
  if (characters_.empty()) return {};
  const size_t start = PlaceOf(part);
  const auto byPlace = [](const ForeignCharacter& character, size_t at) {
    return character.at < at;
  };
  const auto first = std::lower_bound(characters_.begin(), characters_.end(), start, byPlace);
  const auto last = std::lower_bound(first, characters_.end(), start + part.size(), byPlace);
  return {first, last};
}

void AppendConvertedLine(std::string& out, std::string_view line,
                         const ForeignCharacters& foreign) {
  if (foreign.Empty()) {
    ConvertLine(out, line, kEscaped);
  } else {
    ConvertLine(out, line, WithReferences(foreign));
  }
}

void AppendConvertedLines(std::string& out, std::string_view text,
                          std::span<const ForeignCharacter> foreign) {
  if (foreign.empty()) {
    ConvertLines(out, text, kEscaped);
  } else {
    const ForeignCharacters inText(text, foreign);
    ConvertLines(out, text, WithReferences(inText));
  }
}

}  // namespace qm
