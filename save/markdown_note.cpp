#include "save/markdown_note.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "clipboard/source_url.h"
#include "save/note_converter.h"

namespace qm {

MarkdownNote MarkdownOfHtml(std::string_view html, std::string_view pageAddress) {
  return note::Converter(pageAddress).Convert(html);
}

MarkdownNote MarkdownOfHtmlFormat(std::string_view block) {
  const auto offset = [block](std::string_view name) -> std::optional<size_t> {
    const std::string_view value = HtmlFormatHeaderValue(block, name);
    if (value.empty() || value.size() > 10 ||
        value.find_first_not_of("0123456789") != std::string_view::npos) {
      return std::nullopt;
    }
    return std::stoull(std::string(value));
  };
  const auto start = offset("StartFragment");
  const auto end = offset("EndFragment");
  std::string_view context;
  std::string_view fragment;
  if (start && end && *start <= *end && *end <= block.size()) {
    context = block.substr(0, *start);
    fragment = block.substr(*start, *end - *start);
  } else {
    constexpr std::string_view kOpening = "<!--StartFragment-->";
    const size_t opening = block.find(kOpening);
    const size_t from = opening == std::string_view::npos ? block.find('<') : opening;
    context = block.substr(0, std::min(from, block.size()));
    fragment = block.substr(context.size());
    fragment = fragment.substr(0, fragment.find("<!--EndFragment-->"));
  }
  const std::string source = SourceUrlOfHtmlFormat(block);
  note::Converter converter(source);
  converter.ReadContext(context);
  return converter.Convert(fragment);
}

}  // namespace qm
