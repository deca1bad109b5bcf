#pragma once

#include <string>
#include <string_view>

namespace qm {

// The page address in a browser's reply to "WWW_GetWindowInfo": quoted fields
// separated by commas (address, title, an empty third), of which the first is the
// address. Only what stands inside quotes counts; a comma inside quotes belongs to the
// field, so an address with commas comes back whole. A reply that opens a quote and
// never closes it gives everything after that quote.
std::string DdeReplyAddress(std::string_view reply);

}  // namespace qm
