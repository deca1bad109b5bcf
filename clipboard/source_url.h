#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qm {

// The page address that a browser writes into the clipboard format "HTML Format" when
// text is copied from a page: the header line "SourceURL:<address>" among the lines
// "Version:", "StartHTML:", ... that stand before the HTML. Only that header is read,
// and only its first kSourceUrlHeaderLimit bytes; an address mentioned in the HTML does
// not count. Empty when the header has no such line.
//
// The header is UTF-8; bytes outside ASCII are percent-encoded, which keeps the address
// valid and makes it plain ASCII whatever the system's code page is.
std::string SourceUrlOfHtmlFormat(std::string_view data);

// The value of the header line `name` of an "HTML Format" block ("StartFragment",
// "SourceURL"), without blanks around it, as written; empty when there is none. Read
// with the same bound as the address.
std::string_view HtmlFormatHeaderValue(std::string_view data, std::string_view name);

// `text` with every byte outside ASCII, and every character of `alsoEncoded`, as "%" and
// two upper-case hexadecimal digits.
using AsciiSet = std::array<bool, 128>;
std::string PercentEncoded(std::string_view text, const AsciiSet* alsoEncoded = nullptr);
// The same, appended to `out`.
void AppendPercentEncoded(std::string& out, std::string_view text,
                          const AsciiSet* alsoEncoded = nullptr);

inline constexpr size_t kSourceUrlHeaderLimit = 64 * 1024;

}  // namespace qm
