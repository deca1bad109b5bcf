// The Markdown conversion of copied HTML on any input. Beyond running clean under the
// sanitizers (no recursion on the nesting, no read past a tag the input ends in): the
// note is UTF-8 of lines ending with CR LF, and it stays within a fixed multiple of
// the input, whatever the input nests or leaves open.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "save/markdown_note.h"
#include "settings/utf8_text.h"

using qm::fuzz::Require;

namespace {

void RequireNoteShape(const std::string& markdown, size_t inputSize) {
  Require(qm::IsUtf8(markdown), "the note is UTF-8");
  for (size_t at = 0; at < markdown.size(); ++at) {
    if (markdown[at] == '\n') Require(at > 0 && markdown[at - 1] == '\r', "LF only after CR");
    if (markdown[at] == '\r') {
      Require(at + 1 < markdown.size() && markdown[at + 1] == '\n', "CR only before LF");
    }
  }
  Require(markdown.empty() || markdown.ends_with("\r\n"), "the last line ends too");
  // A list item's marker or a quote on every one of the 16 levels, before a line of one
  // character, is the largest growth there is.
  Require(markdown.size() <= 200 * inputSize + 200, "the note grows linearly");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  RequireNoteShape(qm::MarkdownOfHtml(input, "https://ex.org/a/b?c#d").markdown, size);
  RequireNoteShape(qm::MarkdownOfHtmlFormat(input).markdown, size);
  return 0;
}
