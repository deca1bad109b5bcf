#pragma once

#include <string>
#include <string_view>

namespace qm {

// A copied passage of a page as GitHub-flavoured Markdown, and the page's title where
// the copied HTML names one.
struct MarkdownNote {
  std::string markdown;  // lines ending with CR LF; empty when the passage shows no text
  std::string title;
};

// Converts HTML (UTF-8) to Markdown that renders as the page showed it: headings,
// paragraphs, line breaks, bold, italic, strike-through, code, code blocks (with their
// language), block quotes, nested lists, tables, rules, images and links, addresses
// made absolute against `pageAddress` or the HTML's own <base>. Links that run code
// keep their text alone; text that Markdown would read as syntax is escaped; scripts,
// styles, comments and office markup are dropped; other elements give their text.
// One pass without recursion, in time and memory linear in the input, however deep
// it nests or however broken it is.
MarkdownNote MarkdownOfHtml(std::string_view html, std::string_view pageAddress);

// The same for the clipboard format "HTML Format" (a header of "Name:value" lines,
// then the HTML): its fragment, between the header's StartFragment and EndFragment
// (or the <!--StartFragment--> and <!--EndFragment--> comments where those offsets do
// not fit), against the header's SourceURL. The HTML before the fragment gives the
// title and the <base> only.
MarkdownNote MarkdownOfHtmlFormat(std::string_view block);

}  // namespace qm
