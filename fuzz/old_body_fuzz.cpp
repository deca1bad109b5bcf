// The old-body extraction on any document, and on documents this writer made of any
// clipboard text (the input up to its first zero byte) and address (the rest). A
// document of ours must come back as exactly the body it was written with, and
// extending it must leave one closing BODY tag, at its end: copied text cannot cut it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "save/html_document.h"
#include "settings/ascii_text.h"

namespace {

using qm::fuzz::Require;

constexpr std::string_view kClosing = "</BODY>\r\n</HTML>\r\n";

qm::HtmlDocumentParts Parts(std::string_view address) {
  qm::HtmlDocumentParts parts;
  parts.title = "Notiz";
  parts.colours = {"#000000", "#FFFFFF", "#0000FF", "#FF0000", "#800080"};
  parts.address = std::string(address);
  parts.separator = "-----";
  return parts;
}

void RequireTrimmedPart(std::string_view body, std::string_view document) {
  Require(body.size() <= document.size(), "the old body is never longer than the document");
  Require(body.empty() || (body.front() != ' ' && body.back() != ' '),
          "the old body has no blank at either end");
}

// What the extraction must give for a document of ours: everything between the
// header and the closing tags, whose line ends stay, without blanks at the ends.
std::string WrittenBody(const std::string& document, size_t headerLength) {
  std::string body =
      document.substr(headerLength, document.size() - headerLength - kClosing.size());
  body += "\r\n\r\n";
  const size_t first = body.find_first_not_of(' ');
  return first == std::string::npos ? std::string()
                                    : body.substr(first, body.find_last_not_of(' ') + 1 - first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string anyDocument(input);
  RequireTrimmedPart(qm::OldBody(anyDocument), input);

  const size_t zero = input.find('\0');
  const std::string_view text = input.substr(0, zero);
  const std::string_view address = zero == std::string_view::npos ? "" : input.substr(zero + 1);
  const qm::HtmlDocumentParts parts = Parts(address);
  const std::string document = qm::HtmlDocument(text, parts).Whole();
  const size_t headerLength = document.find(">\r\n", document.find("<BODY")) + 3;
  std::string extending = document;
  const std::string_view body = qm::OldBody(extending);
  Require(body == WrittenBody(document, headerLength), "our document gives back its body");

  qm::HtmlDocumentPieces pieces = qm::HtmlDocument(text, parts);
  pieces.oldBody = body;
  const std::string extended = pieces.Whole();
  const std::string lower = qm::AsciiLowered(extended);
  Require(
      lower.find("</body>") == extended.size() - kClosing.size() && extended.ends_with(kClosing),
      "an extended document has one closing BODY tag, at its end");
  return 0;
}
