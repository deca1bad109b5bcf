// The line conversion on any clipboard text. Beyond running clean under the sanitizers,
// the document must give the copied text back: taking away the link tags (whose target
// must be their text), the line breaks and the entities leaves every line as it was,
// followed by one blank per link.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz/fuzz_check.h"
#include "save/html_links.h"

namespace {

using qm::fuzz::Require;

constexpr std::string_view kLinkStart = "<a href=\"";
constexpr std::string_view kLinkMiddle = "\" target=\"_blank\">";
constexpr std::string_view kLinkEnd = "</a>";
constexpr std::string_view kBreak = "<BR>\r\n";

// The copied characters of escaped text, which holds no markup of its own.
std::string Unescaped(std::string_view html) {
  std::string text;
  while (!html.empty()) {
    Require(html.front() != '<' && html.front() != '>' && html.front() != '"',
            "markup characters of the copied text are escaped");
    if (html.front() != '&') {
      text += html.front();
      html.remove_prefix(1);
      continue;
    }
    bool known = false;
    for (const auto& [entity, character] : {std::pair{"&amp;", '&'}, std::pair{"&lt;", '<'},
                                            std::pair{"&gt;", '>'}, std::pair{"&quot;", '"'}}) {
      if (!html.starts_with(entity)) continue;
      text += character;
      html.remove_prefix(std::string_view(entity).size());
      known = true;
      break;
    }
    Require(known, "an ampersand starts one of the four entities");
  }
  return text;
}

void RequireLinkShape(std::string_view link) {
  Require(link.starts_with("http"), "a link starts at \"http\"");
  Require(link.find(' ') == std::string_view::npos, "a link holds no blank");
  Require(static_cast<unsigned char>(link.back()) >= '/', "a link ends with '/' or above");
}

// One converted line back to its copied text; counts the links it held.
std::string CopiedText(std::string_view html, size_t& links) {
  std::string text;
  for (size_t start = html.find(kLinkStart); start != std::string_view::npos;
       start = html.find(kLinkStart)) {
    text += Unescaped(html.substr(0, start));
    html.remove_prefix(start + kLinkStart.size());
    const size_t middle = html.find(kLinkMiddle);
    Require(middle != std::string_view::npos, "a link's target is closed");
    const std::string target = Unescaped(html.substr(0, middle));
    html.remove_prefix(middle + kLinkMiddle.size());
    const size_t end = html.find(kLinkEnd);
    Require(end != std::string_view::npos, "a link is closed");
    const std::string shown = Unescaped(html.substr(0, end));
    html.remove_prefix(end + kLinkEnd.size());
    Require(target == shown, "a link leads where its text says");
    RequireLinkShape(shown);
    text += shown;
    ++links;
  }
  return text + Unescaped(html);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string html;
  qm::AppendConvertedLines(html, text);
  std::string_view rest = html;
  for (;;) {
    const size_t lineEnd = text.find("\r\n");
    const std::string_view line = text.substr(0, lineEnd);
    const size_t breakAt = rest.find(kBreak);
    Require(breakAt != std::string_view::npos, "every line ends with a break");
    size_t links = 0;
    const std::string copied = CopiedText(rest.substr(0, breakAt), links);
    Require(copied == std::string(line) + std::string(links, ' '),
            "a line keeps its text and gains one blank per link");
    Require(links == 0 || line.find("http") != std::string_view::npos,
            "only lines holding \"http\" get links");
    rest.remove_prefix(breakAt + kBreak.size());
    if (lineEnd == std::string_view::npos) break;
    text.remove_prefix(lineEnd + 2);
  }
  Require(rest.empty(), "one break per line and nothing after the last");
  return 0;
}
