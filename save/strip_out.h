#pragma once

#include <string>
#include <string_view>

namespace qm {

// Removes from `from` every occurrence of every character of `what` (exact, case-
// sensitive). One pass over `from`, whatever the length of `what`.
std::string StripOut(std::string_view from, std::string_view what);

}  // namespace qm
