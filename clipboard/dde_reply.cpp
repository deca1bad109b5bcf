#include "clipboard/dde_reply.h"

namespace qm {

std::string DdeReplyAddress(std::string_view reply) {
  std::string address;
  bool insideQuotes = false;
  for (const char c : reply) {
    if (c == '"') {
      insideQuotes = !insideQuotes;
    } else if (insideQuotes) {
      address.push_back(c);
    } else if (c == ',') {
      break;  // the address field ends; title and the rest are not used
    }
  }
  return address;
}

}  // namespace qm
