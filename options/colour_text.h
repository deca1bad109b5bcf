#pragma once

#include <string>

#include "settings/current_options.h"

namespace qm {

// The form HTML documents take a colour in: "#" and RRGGBB in upper-case hex digits,
// from the 0x00BBGGRR integer the settings file stores in decimal.
std::string HtmlColour(Colour colour);

}  // namespace qm
