#pragma once

#include <string>
#include <string_view>

namespace qm {

// Removes from `from` every occurrence of every character of `what` (exact, case-
// sensitive). One pass over `from`, whatever the length of `what`. The wide form serves
// names made of a text that the code page cannot hold.
std::string StripOut(std::string_view from, std::string_view what);
std::wstring StripOut(std::wstring_view from, std::wstring_view what);

}  // namespace qm
