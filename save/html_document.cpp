#include "save/html_document.h"

#include <algorithm>

#include "save/html_links.h"
#include "save/text_entry.h"
#include "settings/ascii_text.h"

namespace qm {

namespace {

constexpr std::string_view kHeaderStart = "<HTML>\r\n\r\n<HEAD>\r\n\r\n<TITLE>";
constexpr std::string_view kTitleEnd = "</TITLE>";
constexpr std::string_view kHeadEnd = "\r\n\r\n</HEAD>\r\n\r\n";
constexpr std::string_view kBodyStart = "<BODY";

void AppendAttribute(std::string& out, std::string_view name, std::string_view value) {
  out.append(" ").append(name).append("=\"");
  AppendEscaped(out, value);
  out += '"';
}

void AppendHeader(std::string& out, const HtmlDocumentParts& parts) {
  out.append(kHeaderStart);
  AppendEscaped(out, parts.title, parts.titleForeign);
  out.append(kTitleEnd).append(kHeadEnd).append(kBodyStart);
  AppendAttribute(out, "text", parts.colours.text);
  AppendAttribute(out, "bgcolor", parts.colours.background);
  AppendAttribute(out, "link", parts.colours.link);
  AppendAttribute(out, "alink", parts.colours.activeLink);
  AppendAttribute(out, "vlink", parts.colours.visitedLink);
  out.append(">").append(kCrLf);
}

void AppendDateRows(std::string& out, std::string_view dateTimeText) {
  out.append(" ").append(dateTimeText).append("<br>\r\n");
  out.append(20, '~').append(kCrLf);
  out.append("<br><br>\r\n");
}

void AppendAddressRows(std::string& out, std::string_view address) {
  out.append("<br>\r\n<a href=\"");
  AppendEscaped(out, address);
  out.append("\">");
  AppendEscaped(out, address);
  out.append("</a><BR>\r\n");
}

// Room for the markup that links, entities and character references add to a text.
size_t ExpectedSize(std::string_view text, size_t foreignCharacters) {
  constexpr size_t kLongestReference = 10;  // "&#1114111;"
  return text.size() + text.size() / 4 + foreignCharacters * kLongestReference + 1024;
}

constexpr std::string_view kClosingBody = "</body>";
constexpr std::string_view kClosingHtml = "</html>";

// Both tags start with '<', which has no case: jumping from one '<' to the next keeps the
// search linear and fast.
size_t FindIgnoringCase(std::string_view text, std::string_view tag, size_t from = 0) {
  for (size_t at = text.find('<', from); at != std::string_view::npos;
       at = text.find('<', at + 1)) {
    if (EqualIgnoringCase(text.substr(at, tag.size()), tag)) return at;
  }
  return std::string_view::npos;
}

// Removes the first "</body>" and then the first "</html>" of what is left, in one pass
// up to the first "</body>": a "</html>" before it is never joined by the removal (no
// tag holds a '<' after its first character), and one after it starts at most six
// characters before the place where "</body>" stood.
void EraseClosingTags(std::string& document) {
  size_t html = std::string::npos;
  size_t body = document.find('<');
  for (; body != std::string::npos; body = document.find('<', body + 1)) {
    const std::string_view tag = std::string_view(document).substr(body, kClosingBody.size());
    if (EqualIgnoringCase(tag, kClosingBody)) break;
    if (html == std::string::npos && EqualIgnoringCase(tag, kClosingHtml)) html = body;
  }
  if (body != std::string::npos) {
    document.erase(body, kClosingBody.size());
    if (html == std::string::npos) {
      const size_t joined = body - std::min(body, kClosingHtml.size() - 1);
      html = FindIgnoringCase(document, kClosingHtml, joined);
    }
  }
  if (html != std::string::npos) document.erase(html, kClosingHtml.size());
}

// The length of this writer's header at the start of `text` (the HTML, HEAD, TITLE and
// BODY lines with their empty lines, up to the line end after the BODY start tag), or 0
// when the text begins otherwise.
size_t OwnHeaderLength(std::string_view text) {
  if (!text.starts_with(kHeaderStart)) return 0;
  const size_t titleLineEnd = text.find(kCrLf, kHeaderStart.size());
  if (titleLineEnd == std::string_view::npos) return 0;
  if (!text.substr(0, titleLineEnd).ends_with(kTitleEnd)) return 0;
  const size_t bodyLine = titleLineEnd + kHeadEnd.size();
  if (text.substr(titleLineEnd, kHeadEnd.size()) != kHeadEnd) return 0;
  const std::string_view body = text.substr(bodyLine, text.find(kCrLf, bodyLine) - bodyLine);
  // The line is the BODY start tag and nothing else.
  const bool bodyTag = body.starts_with(kBodyStart) && body.find('>') == body.size() - 1 &&
                       (body[kBodyStart.size()] == ' ' || body[kBodyStart.size()] == '>');
  if (!bodyTag) return 0;
  return std::min(text.size(), bodyLine + body.size() + kCrLf.size());
}

}  // namespace

std::array<std::string_view, 4> HtmlDocumentPieces::InOrder() const {
  return {header, oldBody.value_or(""), oldBody ? kCrLf : "", entry};
}

std::string HtmlDocumentPieces::Whole() const {
  std::string document;
  for (const std::string_view piece : InOrder()) document += piece;
  return document;
}

HtmlDocumentPieces HtmlDocument(std::string_view clipboardText, const HtmlDocumentParts& parts,
                                std::span<const ForeignCharacter> foreign) {
  HtmlDocumentPieces document;
  AppendHeader(document.header, parts);
  std::string& entry = document.entry;
  entry.reserve(ExpectedSize(clipboardText, foreign.size()));
  if (parts.dateTimeText) AppendDateRows(entry, *parts.dateTimeText);
  AppendConvertedLines(entry, clipboardText, foreign);
  entry.append(kCrLf).append(kCrLf);
  if (parts.address) AppendAddressRows(entry, *parts.address);
  if (parts.separator) entry.append("<br>").append(*parts.separator).append("<br><br>\r\n");
  entry.append("</BODY>\r\n</HTML>\r\n");
  return document;
}

bool DeclaresUtf8(std::string_view document) {
  constexpr size_t kPrescanned = 1024;
  constexpr std::string_view kMeta = "<meta";
  constexpr std::string_view kCharset = "charset";
  const std::string start = AsciiLowered(document.substr(0, kPrescanned));
  const std::string_view text = start;
  for (size_t meta = text.find(kMeta); meta != std::string_view::npos;
       meta = text.find(kMeta, meta + 1)) {
    const std::string_view tag = text.substr(meta, text.find('>', meta) - meta);
    const size_t charset = tag.find(kCharset);
    if (charset == std::string_view::npos) continue;
    std::string_view value = tag.substr(charset + kCharset.size());
    value.remove_prefix(std::min(value.find_first_not_of(" \t\r\n=\"'"), value.size()));
    if (value.starts_with("utf-8") || value.starts_with("utf8")) return true;
  }
  return false;
}

std::string_view OldBody(std::string& document) {
  EraseClosingTags(document);
  const std::string_view text = document;
  const size_t first = text.find_first_not_of(' ', OwnHeaderLength(text));
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

}  // namespace qm
