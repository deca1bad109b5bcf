#pragma once

#include <string>
#include <string_view>

namespace qm {

// Data (file names, clipboard text, settings values) is held in the system's ANSI code
// page; the user interface is UTF-16. This is the one crossing from data to the UI.
std::wstring WidenAnsi(std::string_view ansi);

}  // namespace qm
