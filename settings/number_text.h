#pragma once

#include <optional>
#include <string_view>

namespace qm {

// A decimal whole number with optional surrounding blanks and an optional sign; a
// value beyond +-10^18 is held as +-10^18, so huge numbers stay huge. Anything else
// (empty text, fractions, letters, the missing-entry text) is no number: the settings
// file accepts any text, so every numeric reader must decide what that means for it.
std::optional<long long> ParseWholeNumber(std::string_view text);

}  // namespace qm
