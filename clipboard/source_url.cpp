#include "clipboard/source_url.h"

#include <algorithm>
#include <optional>

#include "settings/ascii_text.h"

namespace qm {

namespace {

struct HeaderLine {
  std::string_view name;
  std::string_view value;
};

// "Name:value" with a name of letters only; the HTML (starting with '<') and anything
// else ends the header.
std::optional<HeaderLine> AsHeaderLine(std::string_view line) {
  const size_t colon = line.find(':');
  if (colon == 0 || colon == std::string_view::npos) return std::nullopt;
  const std::string_view name = line.substr(0, colon);
  if (!std::all_of(name.begin(), name.end(), IsAsciiLetter)) return std::nullopt;
  return HeaderLine{name, line.substr(colon + 1)};
}

}  // namespace

void AppendPercentEncoded(std::string& out, std::string_view text, const AsciiSet* alsoEncoded) {
  constexpr char kHex[] = "0123456789ABCDEF";
  const auto encodedByte = [alsoEncoded](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (alsoEncoded && (*alsoEncoded)[byte]);
  };
  // Runs that need no encoding go in whole.
  for (auto at = text.begin(); at != text.end();) {
    const auto run = std::find_if(at, text.end(), encodedByte);
    out.append(at, run);
    if (run == text.end()) return;
    const auto byte = static_cast<unsigned char>(*run);
    out += {'%', kHex[byte >> 4], kHex[byte & 0x0F]};
    at = run + 1;
  }
}

std::string PercentEncoded(std::string_view text, const AsciiSet* alsoEncoded) {
  std::string encoded;
  AppendPercentEncoded(encoded, text, alsoEncoded);
  return encoded;
}

std::string_view HtmlFormatHeaderValue(std::string_view data, std::string_view name) {
  const bool cut = data.size() > kSourceUrlHeaderLimit;
  const std::string_view header = data.substr(0, kSourceUrlHeaderLimit);
  size_t start = 0;
  while (start < header.size()) {
    const size_t end = header.find_first_of("\r\n", start);
    // A line that runs past the limit is not known in full, so it is not taken.
    if (end == std::string_view::npos && cut) return {};
    const auto line = AsHeaderLine(header.substr(start, end - start));
    if (!line) return {};
    if (line->name == name) return Trimmed(line->value);
    if (end == std::string_view::npos) return {};
    start = header.find_first_not_of("\r\n", end);
  }
  return {};
}

std::string SourceUrlOfHtmlFormat(std::string_view data) {
  return PercentEncoded(HtmlFormatHeaderValue(data, "SourceURL"));
}

}  // namespace qm
