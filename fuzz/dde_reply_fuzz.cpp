// The DDE reply parser on any reply. Beyond running clean under the sanitizers: the
// address never holds a quote, is made of the reply's own characters, and a well-formed
// reply gives back its first field whole, commas and all, whatever follows it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "clipboard/dde_reply.h"
#include "fuzz/fuzz_check.h"

using qm::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view reply(reinterpret_cast<const char*>(data), size);

  const std::string address = qm::DdeReplyAddress(reply);
  Require(address.find('"') == std::string::npos, "the address holds no quote");
  Require(address.size() <= reply.size(), "the address is no longer than the reply");

  std::string field(reply);
  field.erase(std::remove(field.begin(), field.end(), '"'), field.end());
  const std::string wellFormed = "\"" + field + "\"," + std::string(reply);
  Require(qm::DdeReplyAddress(wellFormed) == field,
          "the first quoted field comes back whole, whatever follows it");
  return 0;
}
