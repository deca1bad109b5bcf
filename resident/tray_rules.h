#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/action_cache.h"

namespace qm {

// The notify icon record of the resident window: its id and the message the shell
// sends for mouse events on the icon (lParam names the mouse event).
inline constexpr unsigned kTrayIconId = 125;
inline constexpr unsigned kTrayCallbackMessage = 1025;  // WM_USER + 1
// Posted to the resident window once the tray menu has closed.
inline constexpr unsigned kMenuClosedMessage = 1024;  // WM_USER

// The tip field holds 64 characters with its terminating zero.
inline constexpr std::size_t kTrayTipField = 64;
inline constexpr std::string_view kTrayTipPrefix = "Quillmar 2.0 - ";

// TrayToolTipp: the name the tip shows for the Standard action `standard` (0 for
// none): empty without a Standard action, otherwise its cached name with the last ten
// characters "(Standard)" cut off; the blank before them stays.
std::string TrayToolTipp(const ActionCache& cache, int standard);

// The whole tip: the prefix and the tooltip name, cut to what the field holds.
std::string TrayTip(std::string_view toolTipName);

}  // namespace qm
