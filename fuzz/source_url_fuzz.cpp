// The SourceURL parser on any "HTML Format" block. Beyond running clean under the
// sanitizers: the address is one line of plain ASCII without blanks around it; a block
// that starts with HTML has none; and a header line "SourceURL:" with a plain address
// gives that address, whatever header lines stand before it and whatever follows.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "clipboard/source_url.h"
#include "fuzz/fuzz_check.h"

using qm::fuzz::Require;

namespace {

void RequirePlainLine(const std::string& address) {
  Require(std::none_of(address.begin(), address.end(),
                       [](char c) {
                         return c == '\r' || c == '\n' || static_cast<unsigned char>(c) >= 0x80;
                       }),
          "the address is one line of ASCII");
  Require(address.empty() || (address.front() != ' ' && address.back() != ' ' &&
                              address.front() != '\t' && address.back() != '\t'),
          "the address has no blanks around it");
}

// The visible ASCII characters of the input: an address that needs no encoding.
std::string PlainAddress(std::string_view input) {
  std::string address;
  std::copy_if(input.begin(), input.end(), std::back_inserter(address),
               [](char c) { return c > ' ' && c < 0x7F; });
  return address;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view block(reinterpret_cast<const char*>(data), size);

  RequirePlainLine(qm::SourceUrlOfHtmlFormat(block));
  Require(qm::SourceUrlOfHtmlFormat("<html>" + std::string(block)).empty(),
          "nothing after the start of the HTML counts");

  const std::string address = PlainAddress(block);
  const std::string header = "Version:0.9\r\nStartHTML:-1\r\nSourceURL:" + address + "\r\n";
  if (header.size() < qm::kSourceUrlHeaderLimit) {
    Require(qm::SourceUrlOfHtmlFormat(header + std::string(block)) == address,
            "the SourceURL line of the header gives its address");
  }
  return 0;
}
